#pragma once

#include "model/returnmodel.h"

#include <array>
#include <memory>
#include <span>

namespace vkt::rules {

// The change rules of the return. They read and write the fields of the
// model and keep no values of their own: derived values live only in their
// fields. Rules nest through the model: a write that changes a field with a
// change rule runs that rule before the write returns, so PBNumEdit2Change
// is re-entered from inside its own writes of instalments 2 and 3. The
// recursion ends because every rule is idempotent on unchanged inputs and a
// write that leaves a text unchanged runs nothing; no "busy" flag is kept.
//
// Each rule reads its inputs at the moment it needs them, left to right, and
// reads a field it has written back from the field. A text that is no number
// stops the rule at that read with vkt::Error; earlier writes stay.
class TaxRules {
public:
    explicit TaxRules(ReturnModel &model);
    TaxRules(const TaxRules &) = delete;
    TaxRules &operator=(const TaxRules &) = delete;

    // Registers every rule below under its handler name. The handlers refer
    // to this object: it must live as long as the model (install() in
    // rules.h makes the model its owner).
    void install();

    // Section V and VI.
    void PBNumEdit2Change();
    void PBNumEdit30Change();
    void PBNumEdit72Change();

    // Sheets "A" to "D": the sheet's 911, then the 911 carry-over.
    void PBNumEdit35Change();
    void PBNumEdit44Change();
    void PBNumEdit52Change();
    void PBNumEdit58Change();

    // Sheet "E": the simplified tax base into rows 915 and 919.
    void PBNumEdit23Change();
    void PBNumEdit26Change();
    void PBNumEdit69Change();

    // Choice rules.
    void LMDCheckGroup1Click();
    void LMDRadioGroup5Click();
    void LMDRadioGroup4Change();

private:
    void ComputeRow915();
    void ComputeRow919();
    void ComputeRow923();
    void ComputeRow926();
    void ComputeRow929();
    // ComputeRow915 (when asked) then the row chain 919, 923, 926, 929.
    void runRows(bool withRow915);
    // Returns whether the text of 911 differs from the one before.
    bool refresh911();
    void carryOver911(Field &source);
    // A sheet's row 911: the sum of its first `added` rows less the sum of the
    // others, written to `total` and carried over to the return's 911.
    void sheetTotal(std::span<Field *const> rows, std::size_t added, Field &total);
    // The result row of sheet "E" goes to rows 915 and 919.
    void carrySheetE(const Field &result);
    template <void (TaxRules::*Rule)()>
    void registerRule(const char *name);

    Amount deductionSum() const; // S = 912 + 913 + 914
    bool noSimplifiedMethod() const;

    void setRevenueFieldsEnabled(bool enabled);
    void zeroRows911To914();

    ReturnModel &m;

    // Section V.
    Field *f911, *f912, *f913, *f9131, *f914, *f915, *f916, *f917, *f918, *f919;
    Field *f922, *f923, *f924, *f925, *f926, *f927, *f928, *f929;
    Field *f9111, *f9112, *f9113, *f9114, *f9115, *f911Work;
    // Section VI.
    Field *advance1, *instalment2, *instalment3;
    // Sheets "A" to "D": result fields and rows 9111 .. 9117 in row order.
    Field *sheetA911, *sheetB911, *sheetC911, *sheetD911;
    std::array<Field *, 7> sheetA, sheetB;
    std::array<Field *, 5> sheetC, sheetD;
    // The five 911 sources in their fixed order.
    std::array<Field *, 5> sources911;
    // Sheet "E".
    Field *e23, *e13, *e24, *e26, *e25, *e69, *e27;
    DisplayElement *groupBox1, *groupBox2, *groupBox3, *methodWarning, *sheetFWarning;
    // Choices.
    Field *declarationType, *closingReason, *periodFrom, *periodTo, *method, *apportionment;
    std::array<Field *, 10> revenueFields;
};

} // namespace vkt::rules
