// report_sample [FILE.pdf]: the printed return of a fully filled return.
#include "report/printcommand.h"
#include "tests/report/reportfixture.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    auto model = vkt::test::newReturn();
    vkt::test::fillCompletely(*model);
    QString identifier;
    vkt::report::updatePrintIdentifier(*model, identifier);
    const auto report = vkt::report::prepareReport(*model, identifier, vkt::test::fixedNow());
    if (!report.ok) {
        out << report.errorMessage() << "\n";
        return 1;
    }
    out << "pages: " << report.pageNames().join(QLatin1Char(' ')) << "\n";
    out << "marks: " << report.shownMarks.join(QLatin1Char(' ')) << "\n";
    QString error;
    const QString file = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("report_sample.pdf");
    if (!vkt::report::writePdf(report, file, &error)) {
        out << error << "\n";
        return 1;
    }
    return 0;
}
