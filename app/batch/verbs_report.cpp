// The verbs of the printed return: a report variable's value, and the print
// command with the PDF file in place of the preview.
#include "batchtool.h"

#include "model/error.h"
#include "report/printcommand.h"
#include "report/valueprovider.h"

#include <QDateTime>

namespace vkt::batch {

void addReportVerbs(BatchTool &tool)
{
    // var NAME: the value provider's answer, letter case as written.
    tool.addVerb(QStringLiteral("var"), [](BatchTool &t, Args &args) {
        const QString name = args.word("NAME");
        args.end();
        try {
            const std::optional<QString> value =
                report::frxReport1GetValue(t.model(), name, t.printIdentifier, QDateTime::currentDateTime());
            if (value)
                t.println(name + QLatin1Char('=') + *value);
            else
                t.println(name + QStringLiteral(": no value"));
        } catch (const Error &e) {
            t.println(QStringLiteral("error: ") + boxMessage(e.message()));
        }
    });

    // print FILE: the print command; the prepared pages go to FILE as PDF.
    tool.addVerb(QStringLiteral("print"), [](BatchTool &t, Args &args) {
        const QString file = args.word("FILE");
        args.end();
        report::updatePrintIdentifier(t.model(), t.printIdentifier);
        t.println(QStringLiteral("azon=") + t.printIdentifier);
        const report::PreparedReport prepared =
            report::prepareReport(t.model(), t.printIdentifier, QDateTime::currentDateTime());
        if (!prepared.ok) {
            QString text = prepared.errorMessage();
            text.replace(QLatin1Char('\n'), QLatin1Char(' '));
            t.println(QStringLiteral("error: ") + text);
            return;
        }
        QString error;
        if (!report::writePdf(prepared, file, &error)) {
            t.println(QStringLiteral("error: ") + boxMessage(error));
            return;
        }
        t.println(QStringLiteral("pages: ") + prepared.pageNames().join(QLatin1Char(' ')));
        t.println(QStringLiteral("marks: ") + prepared.shownMarks.join(QLatin1Char(' ')));
    });
}

} // namespace vkt::batch
