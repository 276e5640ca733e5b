// Preparing the printed return of a fully filled return (all eleven pages)
// and writing it as PDF.
#include "report/printcommand.h"
#include "report/renderer.h"
#include "tests/report/reportfixture.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <benchmark/benchmark.h>

namespace {

struct Filled {
    std::unique_ptr<vkt::ReturnModel> model = vkt::test::newReturn();
    QString identifier;
    Filled()
    {
        vkt::test::fillCompletely(*model);
        vkt::report::updatePrintIdentifier(*model, identifier);
    }
};

Filled &filled()
{
    static Filled f;
    return f;
}

void BM_Prepare(benchmark::State &state)
{
    Filled &f = filled();
    for (auto _ : state) {
        auto report = vkt::report::prepareReport(*f.model, f.identifier, vkt::test::fixedNow());
        benchmark::DoNotOptimize(report.pages.data());
    }
}
BENCHMARK(BM_Prepare)->Unit(benchmark::kMillisecond);

// The whole print to PDF: preparation, drawing, font embedding, file.
void BM_PrepareAndWritePdf(benchmark::State &state)
{
    Filled &f = filled();
    const QString file = QStringLiteral("/tmp/vkt_bench_report.pdf");
    for (auto _ : state) {
        auto report = vkt::report::prepareReport(*f.model, f.identifier, vkt::test::fixedNow());
        if (report.pages.size() != 11 || !vkt::report::writePdf(report, file)) {
            state.SkipWithError("the report did not print eleven pages");
            break;
        }
    }
}
BENCHMARK(BM_PrepareAndWritePdf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    vkt::report::registerReportFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
