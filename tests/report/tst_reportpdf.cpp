// The PDF of a fully filled return: eleven pages in report order, A4 portrait
// and landscape, and the fixed texts of every page where the templates put
// them, the filled slots too (read back with pdftotext -bbox, within 1 mm).
#include "report/printcommand.h"
#include "report/renderer.h"
#include "reportfixture.h"

#include <QFontMetricsF>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>

using namespace vkt;
using namespace vkt::report;

namespace {

constexpr double kPtPerMm = 72.0 / 25.4;

struct Word {
    QRectF pt; // points from the page's top-left corner
    QString text;
};
struct PdfPage {
    QSizeF pt;
    std::vector<Word> words;
};

std::vector<PdfPage> readBoxes(const QString &html)
{
    std::vector<PdfPage> pages;
    static const QRegularExpression page(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">"));
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    qsizetype pos = 0;
    for (;;) {
        const auto pm = page.match(html, pos);
        const auto wm = word.match(html, pos);
        if (!pm.hasMatch() && !wm.hasMatch())
            break;
        if (pm.hasMatch() && (!wm.hasMatch() || pm.capturedStart() < wm.capturedStart())) {
            pages.push_back({QSizeF(pm.captured(1).toDouble(), pm.captured(2).toDouble()), {}});
            pos = pm.capturedEnd();
            continue;
        }
        if (!pages.empty()) {
            const QPointF a(wm.captured(1).toDouble(), wm.captured(2).toDouble());
            const QPointF b(wm.captured(3).toDouble(), wm.captured(4).toDouble());
            pages.back().words.push_back({QRectF(a, b), QTextDocumentFragment::fromHtml(wm.captured(5)).toPlainText()});
        }
        pos = wm.capturedEnd();
    }
    return pages;
}

} // namespace

class TestReportPdf : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    PreparedReport report;
    QString pdf;

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        auto model = test::newReturn();
        test::fillCompletely(*model);
        QString identifier;
        updatePrintIdentifier(*model, identifier);
        report = prepareReport(*model, identifier, test::fixedNow());
        QVERIFY2(report.ok, qPrintable(report.errorMessage()));
        pdf = dir.filePath(QStringLiteral("bevallas.pdf"));
        QString error;
        QVERIFY2(writePdf(report, pdf, &error), qPrintable(error));
    }

    void allElevenPages()
    {
        QCOMPARE(report.pageNames(), (QStringList{"Page1", "Page2", "Page2b", "Page5", "Page6", "Page7", "Page8",
                                                  "Page4", "Page9", "Page11", "Page10"}));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QCOMPARE(bytes.count("/Type /Page") - bytes.count("/Type /Pages"), qsizetype(11));
    }

    void fixedTextsAtTheirPlaces()
    {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (tool.isEmpty())
            QSKIP("pdftotext is not installed");
        QProcess run;
        run.start(tool, {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        QVERIFY(run.waitForFinished(30000));
        QCOMPARE(run.exitCode(), 0);
        const std::vector<PdfPage> pages = readBoxes(QString::fromUtf8(run.readAllStandardOutput()));
        QCOMPARE(pages.size(), report.pages.size());

        const double tolerance = 1.0 * kPtPerMm;
        QStringList misplaced;
        for (std::size_t i = 0; i < pages.size(); ++i) {
            const PageTemplate &page = *report.pages[i].page;
            const PdfPage &got = pages[i];
            // Paper size and orientation.
            const QSizeF paper = page.paperMm * kPtPerMm;
            QVERIFY2(std::abs(got.pt.width() - paper.width()) < 1 && std::abs(got.pt.height() - paper.height()) < 1,
                     qPrintable(page.name));

            int checked = 0;
            for (std::size_t t = 0; t < page.texts.size(); ++t) {
                const TextBox &box = page.texts[t];
                const QString &text = report.pages[i].texts[t];
                if (!box.visible || text.contains(QLatin1Char('\n'))
                    || text.trimmed().isEmpty() || box.hAlign == HAlign::Justify)
                    continue;
                const QFont font = reportFont(box.fontKey);
                const QFontMetricsF metrics(font);
                const double innerPx = (box.mm.width() - box.insetMm.left() - box.insetMm.right()) * kPixelsPerMm;
                if (metrics.horizontalAdvance(text) > innerPx * 0.98)
                    continue; // wraps: only one-line texts are placed exactly
                static const QRegularExpression blanks(QStringLiteral("[ \\x{00A0}]+"));
                const QStringList words = text.split(blanks, Qt::SkipEmptyParts);
                if (box.hAlign == HAlign::Center && words.size() != 1)
                    continue;

                // Where the template puts the line (points on the paper).
                const double leftMm = page.marginsMm.left() + box.mm.left() + box.insetMm.left();
                const double rightMm = page.marginsMm.left() + box.mm.right() - box.insetMm.right();
                const double topMm = page.marginsMm.top() + box.mm.top() + box.insetMm.top();
                const double bottomMm = page.marginsMm.top() + box.mm.bottom() - box.insetMm.bottom();
                const double lineMm = metrics.height() / kPixelsPerMm;
                double centreY = 0;
                switch (box.vAlign) {
                case VAlign::Top: centreY = topMm + lineMm / 2; break;
                case VAlign::Middle: centreY = (topMm + bottomMm) / 2; break;
                case VAlign::Bottom: centreY = bottomMm - lineMm / 2; break;
                }
                QString wanted;
                double x = 0;
                switch (box.hAlign) {
                case HAlign::Left: {
                    wanted = words.first();
                    const qsizetype lead = text.indexOf(wanted);
                    x = leftMm + metrics.horizontalAdvance(text.left(lead)) / kPixelsPerMm;
                    break;
                }
                case HAlign::Right: wanted = words.last(); x = rightMm; break;
                case HAlign::Center: wanted = words.first(); x = (leftMm + rightMm) / 2; break;
                case HAlign::Justify: break;
                }
                x *= kPtPerMm;
                centreY *= kPtPerMm;

                double best = 1e9;
                for (const Word &w : got.words) {
                    if (w.text != wanted)
                        continue;
                    const double wx = box.hAlign == HAlign::Left    ? w.pt.left()
                                      : box.hAlign == HAlign::Right ? w.pt.right()
                                                                    : w.pt.center().x();
                    best = std::min(best, std::max(std::abs(wx - x), std::abs(w.pt.center().y() - centreY)));
                }
                ++checked;
                if (best > tolerance)
                    misplaced << QStringLiteral("%1 %2 \"%3\": %4 mm off").arg(page.name, box.name, wanted).arg(best / kPtPerMm, 0, 'f', 2);
            }
            QVERIFY2(checked >= 5, qPrintable(QStringLiteral("%1: only %2 texts checked").arg(page.name).arg(checked)));
        }
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestReportPdf)
#include "tst_reportpdf.moc"
