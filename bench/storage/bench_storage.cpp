// Save and load of a fully filled return, file writing and reading included.
// A save ends with the saved file synced to disk before it replaces the old
// one, so its wall time includes the disk's sync latency.

#include "model/dialogs.h"
#include "model/numeric.h"
#include "rules/rules.h"
#include "storage/filling.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace vkt;

namespace {

class FixedPassword : public Dialogs {
public:
    bool prompt(const QString &, const QString &, QString &text) override
    {
        text = QStringLiteral("Kerekvárda 2009");
        return true;
    }
    void notice(const QString &) override {}
};

// Every field that a person can type into holds a value; every grid cell
// holds text.
std::unique_ptr<ReturnModel> filledReturn()
{
    auto m = rules::createReturn(RegionalSettings::hungarian());
    m->field(u"LMDCheckGroup1").setChecked(1, true);
    m->field(u"LMDRadioGroup2").choose(1);
    m->field(u"LMDRadioGroup5").choose(3);
    m->field(u"LMDCheckBox1").setChecked(true);
    int n = 0;
    for (const auto &fp : m->fields()) {
        Field &f = *fp;
        ++n;
        switch (f.kind()) {
        case FieldKind::Edit:
            f.setText(QStringLiteral("Kovács_Ödön $ Kft. %1").arg(n));
            break;
        case FieldKind::NumEdit:
            if (f.isEditable())
                f.setValue(Amount(n) * 12345.5L);
            break;
        case FieldKind::StringGrid:
            for (int c = 1; c < f.columnCount(); ++c)
                for (int r = 1; r < f.rowCount(); ++r)
                    f.setCell(c, r, QStringLiteral("cella [%1,%2] ő, ű").arg(c).arg(r));
            break;
        default:
            break;
        }
    }
    return m;
}

void BM_SaveFilling(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VKT10002.txt"));
    auto model = filledReturn();
    FixedPassword dialogs;
    for (auto _ : state)
        storage::saveFilling(*model, dialogs, path);
}

void BM_LoadFilling(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VKT10002.txt"));
    FixedPassword dialogs;
    storage::saveFilling(*filledReturn(), dialogs, path);
    for (auto _ : state) {
        state.PauseTiming();
        auto fresh = rules::createReturn(RegionalSettings::hungarian());
        state.ResumeTiming();
        storage::loadFilling(*fresh, dialogs, path);
        state.PauseTiming();
        fresh.reset();
        state.ResumeTiming();
    }
}

// The same work without the file: plaintext, key and encipherment; and
// decipherment, checks and applying the values.
void BM_FillingText(benchmark::State &state)
{
    auto model = filledReturn();
    for (auto _ : state)
        benchmark::DoNotOptimize(storage::fillingText(*model, QStringLiteral("Kerekvárda 2009")));
}

void BM_ApplyFillingText(benchmark::State &state)
{
    const QByteArray text = storage::fillingText(*filledReturn(), QStringLiteral("Kerekvárda 2009"));
    for (auto _ : state) {
        state.PauseTiming();
        auto fresh = rules::createReturn(RegionalSettings::hungarian());
        state.ResumeTiming();
        storage::applyFillingText(*fresh, QStringLiteral("Kerekvárda 2009"), text);
        state.PauseTiming();
        fresh.reset();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_FillingText)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_ApplyFillingText)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_SaveFilling)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_LoadFilling)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
