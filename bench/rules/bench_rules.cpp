// One keystroke on a full return: a change of row 912 with every sheet
// filled, through the whole re-entrant chain (911 carry-over sources on all
// sheets, the refresh, rows 915-929 and both instalments).
#include "rules/rules.h"

#include <benchmark/benchmark.h>

#include <QString>

using namespace vkt;

namespace {

std::unique_ptr<ReturnModel> fullReturn()
{
    auto model = rules::createReturn(RegionalSettings::hungarian());
    auto type = [&](const char *name, const char *text) {
        Field &f = model->field(QString::fromLatin1(name));
        f.setText(QString::fromLatin1(text));
        f.leave();
    };
    model->field(u"LMDRadioGroup5").choose(3);
    // Section V: rows 9111-9115 and 912-928.
    type("PBNumEdit30", "250000000");
    type("PBNumEdit31", "1000000");
    type("PBNumEdit32", "200000");
    type("PBNumEdit33", "30000");
    type("PBNumEdit34", "4000");
    type("PBNumEdit2", "20000000");
    type("PBNumEdit3", "3000000");
    type("PBNumEdit4", "1000000");
    type("PBNumEdit5", "400000");
    type("PBNumEdit7", "50000");
    type("PBNumEdit8", "6000");
    type("PBNumEdit12", "700");
    type("PBNumEdit10", "150000000");
    type("PBNumEdit11", "0");
    type("PBNumEdit14", "150000000");
    type("PBNumEdit16", "12345");
    type("PBNumEdit17", "678");
    type("PBNumEdit19", "1000000");
    type("PBNumEdit20", "200000");
    type("PBNumEdit28", "5000");
    type("PBNumEdit72", "900000");
    // Sheets "A" to "D": every source above S.
    for (const char *name : {"PBNumEdit36", "PBNumEdit37", "PBNumEdit38", "PBNumEdit39", "PBNumEdit41",
                             "PBNumEdit40"})
        type(name, "40000000");
    type("PBNumEdit42", "1000000");
    for (const char *name : {"PBNumEdit44", "PBNumEdit45", "PBNumEdit47", "PBNumEdit48", "PBNumEdit49",
                             "PBNumEdit46"})
        type(name, "30000000");
    type("PBNumEdit50", "2000000");
    for (const char *name : {"PBNumEdit52", "PBNumEdit53", "PBNumEdit54", "PBNumEdit55", "PBNumEdit56"})
        type(name, "50000000");
    type("PBNumEdit58", "300000000");
    type("PBNumEdit62", "1000000");
    type("PBNumEdit59", "100000");
    type("PBNumEdit61", "20000");
    type("PBNumEdit60", "3000");
    // Sheet "E" part I, sheets "F" and "H".
    type("PBNumEdit23", "1000000");
    for (const char *name : {"PBNumEdit63", "PBNumEdit65", "PBNumEdit66", "PBNumEdit67", "PBNumEdit68",
                             "PBNumEdit64", "PBNumEdit70", "PBNumEdit71", "PBNumEdit74", "PBNumEdit75",
                             "PBNumEdit76", "PBNumEdit77"})
        type(name, "1000");
    return model;
}

// One keystroke into an amount: its text alternates between two values that
// group alike, so every keystroke is a real change that runs the field's rule.
//  - row 912 runs PBNumEdit2Change;
//  - row 922 changes 923, 926 and both instalments, so PBNumEdit2Change is
//    re-entered from its writes of PBNumEdit22 and PBNumEdit73 (three runs deep);
//  - row 920 changes no derived row: the chain re-runs and finds every text current.
void BM_Keystroke(benchmark::State &state, const char *field, const char16_t *first, const char16_t *second)
{
    auto model = fullReturn();
    Field &typedInto = model->field(field);
    long long writes = 0;
    QObject::connect(model.get(), &ReturnModel::fieldChanged, [&writes](Field *) { ++writes; });
    const QString texts[2] = {QString::fromUtf16(first), QString::fromUtf16(second)};
    int i = 0;
    for (auto _ : state) {
        typedInto.setText(texts[i]);
        i ^= 1;
    }
    state.counters["field_writes"] =
        benchmark::Counter(double(writes), benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(BM_Keystroke, row912, "PBNumEdit2", u"20\u00A0000\u00A0001", u"20\u00A0000\u00A0000")
    ->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_Keystroke, row922, "PBNumEdit14", u"150\u00A0010\u00A0000", u"150\u00A0000\u00A0000")
    ->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_Keystroke, row920NoDerivedChange, "PBNumEdit10", u"150\u00A0000\u00A0001",
                  u"150\u00A0000\u00A0000")
    ->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
