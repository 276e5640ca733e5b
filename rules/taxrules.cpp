#include "rules/taxrules.h"

#include "rules/rounding.h"

#include <QDate>
#include <memory>

namespace vkt::rules {

namespace {

// The limits of the declaration period for the tax year 2009.
const QDate periodStart(2009, 1, 1);
const QDate periodEnd(2009, 12, 31);

// Item indexes of LMDCheckGroup1 and LMDRadioGroup5 that the rules read.
constexpr int closingReturnItem = 1;        // "Záró bevallás"
constexpr int fiscalYearItem = 3;           // business year other than the calendar year
constexpr int noSimplifiedMethodIndex = 3;  // "Nem választok egyszerűsített meghatározási módot"
constexpr int noApportionmentIndex = 4;     // "nincs megosztás"

} // namespace

TaxRules::TaxRules(ReturnModel &model) : m(model)
{
    auto f = [&](QStringView name) { return &m.field(name); };
    auto e = [&](QStringView name) { return &m.element(name); };

    f911 = f(u"PBNumEdit1");
    f912 = f(u"PBNumEdit2");
    f913 = f(u"PBNumEdit3");
    f9131 = f(u"PBNumEdit4");
    f914 = f(u"PBNumEdit5");
    f915 = f(u"PBNumEdit6");
    f916 = f(u"PBNumEdit7");
    f917 = f(u"PBNumEdit8");
    f918 = f(u"PBNumEdit12");
    f919 = f(u"PBNumEdit9");
    f922 = f(u"PBNumEdit14");
    f923 = f(u"PBNumEdit15");
    f924 = f(u"PBNumEdit16");
    f925 = f(u"PBNumEdit17");
    f926 = f(u"PBNumEdit18");
    f927 = f(u"PBNumEdit19");
    f928 = f(u"PBNumEdit20");
    f929 = f(u"PBNumEdit21");
    f9111 = f(u"PBNumEdit30");
    f9112 = f(u"PBNumEdit31");
    f9113 = f(u"PBNumEdit32");
    f9114 = f(u"PBNumEdit33");
    f9115 = f(u"PBNumEdit34");
    f911Work = f(u"PBNumEdit29");

    advance1 = f(u"PBNumEdit72");
    instalment2 = f(u"PBNumEdit73");
    instalment3 = f(u"PBNumEdit22");

    sheetA911 = f(u"PBNumEdit35");
    sheetA = {f(u"PBNumEdit36"), f(u"PBNumEdit37"), f(u"PBNumEdit38"), f(u"PBNumEdit39"),
              f(u"PBNumEdit41"), f(u"PBNumEdit40"), f(u"PBNumEdit42")};
    sheetB911 = f(u"PBNumEdit43");
    sheetB = {f(u"PBNumEdit44"), f(u"PBNumEdit45"), f(u"PBNumEdit47"), f(u"PBNumEdit48"),
              f(u"PBNumEdit49"), f(u"PBNumEdit46"), f(u"PBNumEdit50")};
    sheetC911 = f(u"PBNumEdit51");
    sheetC = {f(u"PBNumEdit52"), f(u"PBNumEdit53"), f(u"PBNumEdit54"), f(u"PBNumEdit55"),
              f(u"PBNumEdit56")};
    sheetD911 = f(u"PBNumEdit57");
    sheetD = {f(u"PBNumEdit58"), f(u"PBNumEdit62"), f(u"PBNumEdit59"), f(u"PBNumEdit61"),
              f(u"PBNumEdit60")};
    sources911 = {f911Work, sheetA911, sheetB911, sheetC911, sheetD911};

    e23 = f(u"PBNumEdit23");
    e13 = f(u"PBNumEdit13");
    e24 = f(u"PBNumEdit24");
    e26 = f(u"PBNumEdit26");
    e25 = f(u"PBNumEdit25");
    e69 = f(u"PBNumEdit69");
    e27 = f(u"PBNumEdit27");
    groupBox1 = e(u"GroupBox1");
    groupBox2 = e(u"GroupBox2");
    groupBox3 = e(u"GroupBox3");
    methodWarning = e(u"egyszvaluzenet");
    sheetFWarning = e(u"LMDRichLabel17");

    declarationType = f(u"LMDCheckGroup1");
    closingReason = f(u"LMDRadioGroup2");
    periodFrom = f(u"DateTimePicker2");
    periodTo = f(u"DateTimePicker3");
    method = f(u"LMDRadioGroup5");
    apportionment = f(u"LMDRadioGroup4");
    revenueFields = {f911, f912, f913, f9131, f914, f9111, f9112, f9113, f9114, f9115};
}

// --- Section V: the row computations ---------------------------------------

Amount TaxRules::deductionSum() const
{
    Amount s = f912->value();
    s += f913->value();
    s += f914->value();
    return s;
}

bool TaxRules::noSimplifiedMethod() const
{
    return method->itemIndex() == noSimplifiedMethodIndex;
}

void TaxRules::ComputeRow915()
{
    const Amount row911 = f911->value();
    f915->setValue(row911 - deductionSum());
    // A negative base is written first and then replaced by 0.
    if (!(f915->value() >= 0))
        f915->setValue(0);
}

void TaxRules::ComputeRow919()
{
    Amount v = f915->value();
    v -= f916->value();
    v -= f917->value();
    v += f918->value();
    f919->setValue(v);
}

void TaxRules::ComputeRow923()
{
    f923->setValue(twoPercent(f922->value()));
}

void TaxRules::ComputeRow926()
{
    const std::int64_t t923 = f923->truncatedValue();
    const std::int64_t t924 = f924->truncatedValue();
    const std::int64_t t925 = f925->truncatedValue();
    f926->setValue(Amount(payableTax(payableBase(t923, t924, t925))));

    // Both instalments carry PBNumEdit2Change: each write that changes one
    // runs the whole rule again before it returns, so every value is read
    // afresh after it.
    instalment3->setValue(f926->value() / 2);
    const Amount row926 = f926->value();
    const Amount difference = row926 - advance1->value();
    instalment2->setValue(difference > 0 ? difference : Amount(0));
}

void TaxRules::ComputeRow929()
{
    const Amount row926 = f926->value();
    Amount paid = f927->value();
    paid += f928->value();
    f929->setValue(row926 - paid);
}

void TaxRules::runRows(bool withRow915)
{
    if (withRow915)
        ComputeRow915();
    ComputeRow919();
    ComputeRow923();
    ComputeRow926();
    ComputeRow929();
}

bool TaxRules::refresh911()
{
    const QString before = f911->text();
    // S is read when the first source above 0 needs it. The writes of 911
    // below start nothing, so it cannot change during the refresh.
    bool haveS = false;
    Amount s = 0;
    for (Field *source : sources911) {
        const Amount v = source->value();
        if (!(v > 0))
            continue;
        if (!haveS) {
            s = deductionSum();
            haveS = true;
        }
        // A source above 0 but not above S leaves 911 as it is.
        if (v > s)
            f911->setValue(v);
    }
    return f911->text() != before;
}

void TaxRules::carryOver911(Field &source)
{
    const Amount x = source.value();
    f911->setValue(x > deductionSum() ? x : Amount(0));
    PBNumEdit2Change();
}

void TaxRules::PBNumEdit2Change()
{
    runRows(noSimplifiedMethod());
    if (noSimplifiedMethod() && refresh911()) {
        // Rows 915-929 follow the 911 that is shown.
        runRows(true);
    }
}

void TaxRules::PBNumEdit30Change()
{
    Amount v = f9111->value();
    v -= f9112->value();
    v -= f9113->value();
    v -= f9114->value();
    v -= f9115->value();
    f911Work->setValue(v);
    carryOver911(*f911Work);
}

void TaxRules::PBNumEdit72Change()
{
    const Amount row926 = f926->value();
    const Amount difference = row926 - advance1->value();
    instalment2->setValue(difference > 0 ? difference : Amount(0));
}

// --- Sheets "A" to "D" -------------------------------------------------------

void TaxRules::sheetTotal(std::span<Field *const> rows, std::size_t added, Field &total)
{
    Amount plus = rows[0]->value();
    for (std::size_t row = 1; row < added; ++row)
        plus += rows[row]->value();
    if (added < rows.size()) {
        Amount minus = rows[added]->value();
        for (std::size_t row = added + 1; row < rows.size(); ++row)
            minus += rows[row]->value();
        plus -= minus;
    }
    total.setValue(plus);
    carryOver911(total);
}

void TaxRules::PBNumEdit35Change()
{
    // [(9111+9112+9113+9114+9115+9116)-9117]
    sheetTotal(sheetA, 6, *sheetA911);
}

void TaxRules::PBNumEdit44Change()
{
    // [(9111+9112+9113+9114+9115+9116)-9117]
    sheetTotal(sheetB, 6, *sheetB911);
}

void TaxRules::PBNumEdit52Change()
{
    // (9111+9112+9113+9114+9115)
    sheetTotal(sheetC, 5, *sheetC911);
}

void TaxRules::PBNumEdit58Change()
{
    // [9111+9112-(9113+9114+9115)]
    sheetTotal(sheetD, 2, *sheetD911);
}

// --- Sheet "E" ----------------------------------------------------------------

void TaxRules::carrySheetE(const Field &result)
{
    const Amount v = result.value();
    f915->setValue(v);
    f919->setValue(v);
}

void TaxRules::PBNumEdit23Change()
{
    e13->setValue(fifthOf(e23->value()));
    const Amount base = e23->value();
    e24->setValue(base + e13->value());
    carrySheetE(*e24);
}

void TaxRules::PBNumEdit26Change()
{
    e25->setValue(fourFifthsOf(e26->value()));
    carrySheetE(*e25);
}

void TaxRules::PBNumEdit69Change()
{
    e27->setValue(halfOf(e69->value()));
    carrySheetE(*e27);
}

// --- Choice rules ---------------------------------------------------------------

void TaxRules::LMDCheckGroup1Click()
{
    if (declarationType->isChecked(closingReturnItem)) {
        closingReason->setEnabled(true);
        closingReason->setItemIndex(0); // "Felszámolás"
    } else {
        closingReason->setEnabled(false);
        closingReason->setItemIndex(-1);
    }
    if (declarationType->isChecked(fiscalYearItem)) {
        periodFrom->setMinDate(QDate());
        periodFrom->setMaxDate(QDate());
        periodTo->setMinDate(QDate());
        periodTo->setMaxDate(QDate());
    } else {
        periodFrom->setMinDate(periodStart);
        periodFrom->setMaxDate(periodEnd);
        periodTo->setMinDate(periodStart);
        periodTo->setMaxDate(periodEnd);
    }
}

void TaxRules::setRevenueFieldsEnabled(bool enabled)
{
    for (Field *f : revenueFields)
        f->setEnabled(enabled);
}

void TaxRules::zeroRows911To914()
{
    for (Field *f : {f911, f912, f913, f9131, f914})
        f->setValue(0);
}

void TaxRules::LMDRadioGroup5Click()
{
    switch (method->itemIndex()) {
    case 0: // flat-rate personal income tax payer
        setRevenueFieldsEnabled(false);
        groupBox1->setEnabled(true);
        groupBox2->setEnabled(false);
        groupBox3->setEnabled(false);
        e23->setEnabled(true);
        e26->setEnabled(false);
        e26->setValue(0);
        e25->setValue(0);
        e69->setEnabled(false);
        e69->setValue(0);
        e27->setValue(0);
        zeroRows911To914();
        runRows(true);
        methodWarning->setVisible(true);
        break;
    case 1: // other entrepreneur, 80 % of the net revenue
        setRevenueFieldsEnabled(false);
        zeroRows911To914();
        groupBox1->setEnabled(false);
        groupBox2->setEnabled(true);
        groupBox3->setEnabled(false);
        e23->setEnabled(false);
        e23->setValue(0);
        e13->setValue(0);
        e24->setValue(0);
        e26->setEnabled(true);
        e69->setEnabled(false);
        e69->setValue(0);
        e27->setValue(0);
        runRows(true);
        methodWarning->setVisible(true);
        break;
    case 2: // simplified entrepreneurial tax subject
        setRevenueFieldsEnabled(false);
        zeroRows911To914();
        groupBox1->setEnabled(false);
        groupBox2->setEnabled(false);
        groupBox3->setEnabled(true);
        e23->setEnabled(false);
        e23->setValue(0);
        e13->setValue(0);
        e24->setValue(0);
        e26->setEnabled(false);
        e26->setValue(0);
        e25->setValue(0);
        e69->setEnabled(true);
        runRows(true);
        methodWarning->setVisible(true);
        break;
    case noSimplifiedMethodIndex:
        // Sheet "E" stays exactly as the previous choice left it.
        setRevenueFieldsEnabled(true);
        PBNumEdit2Change();
        runRows(true);
        methodWarning->setVisible(false);
        break;
    default: // nothing chosen
        break;
    }
}

void TaxRules::LMDRadioGroup4Change()
{
    const int index = apportionment->itemIndex();
    if (index >= 0 && index < noApportionmentIndex)
        sheetFWarning->setVisible(true);
    else if (index == noApportionmentIndex)
        sheetFWarning->setVisible(false);
}

// --- Registration -------------------------------------------------------------

template <void (TaxRules::*Rule)()>
void TaxRules::registerRule(const char *name)
{
    // Small enough to be held inside the std::function without allocation.
    m.registerHandler(QLatin1String(name), [self = this](Field &) { (self->*Rule)(); });
}

void TaxRules::install()
{
    registerRule<&TaxRules::PBNumEdit2Change>("PBNumEdit2Change");
    registerRule<&TaxRules::PBNumEdit30Change>("PBNumEdit30Change");
    registerRule<&TaxRules::PBNumEdit72Change>("PBNumEdit72Change");
    registerRule<&TaxRules::PBNumEdit35Change>("PBNumEdit35Change");
    registerRule<&TaxRules::PBNumEdit44Change>("PBNumEdit44Change");
    registerRule<&TaxRules::PBNumEdit52Change>("PBNumEdit52Change");
    registerRule<&TaxRules::PBNumEdit58Change>("PBNumEdit58Change");
    registerRule<&TaxRules::PBNumEdit23Change>("PBNumEdit23Change");
    registerRule<&TaxRules::PBNumEdit26Change>("PBNumEdit26Change");
    registerRule<&TaxRules::PBNumEdit69Change>("PBNumEdit69Change");
    registerRule<&TaxRules::LMDCheckGroup1Click>("LMDCheckGroup1Click");
    registerRule<&TaxRules::LMDRadioGroup5Click>("LMDRadioGroup5Click");
    registerRule<&TaxRules::LMDRadioGroup4Change>("LMDRadioGroup4Change");
}

} // namespace vkt::rules
