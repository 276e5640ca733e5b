// The print command of the main window: the "Hiba" box instead of the
// preview when the preparation fails, the identifier, and the preview window
// with its print button and zoom.
#include "rules/rules.h"
#include "ui/printpreview.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace vkt;

class TestPrintPreview : public QObject {
    Q_OBJECT

    std::unique_ptr<ReturnModel> m;
    QStringList failures;
    QStringList previews; // page names of each preview shown
    QString identifier;

private slots:
    void init()
    {
        m = rules::createReturn(RegionalSettings::hungarian());
        failures.clear();
        previews.clear();
        identifier.clear();
        ui::setPrintFailurePresenter([this](QWidget *, const QString &text) { failures << text; });
        ui::setPreviewPresenter([this](QWidget *, const report::PreparedReport &r) {
            previews << r.pageNames().join(QLatin1Char(' '));
        });
    }
    void cleanup()
    {
        ui::setPrintFailurePresenter({});
        ui::setPreviewPresenter({});
    }

    void printWithoutName()
    {
        ui::runPrintCommand(nullptr, *m, identifier);
        QCOMPARE(failures, QStringList{});
        QCOMPARE(previews, QStringList{"Page1 Page2 Page2b"});
        QCOMPARE(identifier, QString()); // not computed without a name
    }

    void identifierAndSheetPage()
    {
        m->field(u"Edit1").setText(QStringLiteral("AB"));
        m->field(u"PBNumEdit44").setValue(1000); // sheet "B", row 9111, feeds its row 911
        ui::runPrintCommand(nullptr, *m, identifier);
        QCOMPARE(previews, QStringList{"Page1 Page2 Page2b Page6"});
        QCOMPARE(identifier.size(), 8);
        QVERIFY(identifier.endsWith(QLatin1String("C4")));
        // A later print with the name cleared keeps the identifier.
        m->field(u"Edit1").setText(QString());
        const QString kept = identifier;
        ui::runPrintCommand(nullptr, *m, identifier);
        QCOMPARE(identifier, kept);
    }

    void failureShowsTheErrorBoxAndNoPreview()
    {
        m->field(u"Edit1").setText(QStringLiteral("Á"));
        Field &grid = m->field(u"AdvStringGrid2");
        grid.setCell(1, 1, QStringLiteral("Építő Bt."));
        grid.setCell(4, 1, QString());
        const QString before = grid.cell(4, 1);
        ui::runPrintCommand(nullptr, *m, identifier);
        QCOMPARE(previews, QStringList{});
        QCOMPARE(failures, QStringList{"A következő hiba történt:\n'' is not a valid floating point value"});
        QVERIFY(identifier.endsWith(QLatin1String("182"))); // set before the preparation
        QCOMPARE(grid.cell(4, 1), before);
    }

    void previewWindow()
    {
        m->field(u"Edit1").setText(QStringLiteral("Próba Kft."));
        m->field(u"AdvStringGrid2").setCell(1, 1, QStringLiteral("Építő Bt.")); // landscape page "G"
        const report::PreparedReport r = report::prepareReport(*m, QStringLiteral("000000ABC"), QDateTime::currentDateTime());
        QVERIFY(r.ok);
        ui::PrintPreviewDialog dialog(r);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        // The tool bar holds the print button and the zoom, nothing else.
        const auto bars = dialog.findChildren<QToolBar *>();
        QCOMPARE(bars.size(), 1);
        int actions = 0;
        for (QAction *a : bars.first()->actions())
            if (!a->isSeparator())
                ++actions;
        QCOMPARE(actions, 2);
        QVERIFY(dialog.printAction()->isEnabled());

        // 100 %: an A4 portrait page is 210 mm wide on the screen.
        QCOMPARE(dialog.zoomPercent(), 100);
        QWidget *pages = dialog.pagesWidget();
        const double a4 = 210.0 / 25.4 * pages->logicalDpiX();
        QVERIFY(pages->width() > a4 && pages->width() < 297.0 / 25.4 * pages->logicalDpiX() + 64);
        const int widthAt100 = pages->width();

        // Zooming in with the keyboard on the zoom box.
        dialog.zoomBox()->setFocus();
        QTest::keyClick(dialog.zoomBox(), Qt::Key_Down);
        QCOMPARE(dialog.zoomPercent(), 125);
        QVERIFY(pages->width() > widthAt100);
        dialog.setZoomPercent(50);
        QVERIFY(pages->width() < widthAt100);

        // The first page is drawn: black ink on white inside its area.
        dialog.setZoomPercent(100);
        const QImage shot = pages->grab(QRect(0, 0, pages->width(), 400)).toImage();
        int dark = 0;
        for (int y = 0; y < shot.height(); y += 2)
            for (int x = 0; x < shot.width(); x += 2)
                if (qGray(shot.pixel(x, y)) < 60)
                    ++dark;
        QVERIFY2(dark > 200, qPrintable(QString::number(dark)));
    }

    // The print button's path without its dialog: the printer gets every
    // page in its own orientation (a PDF printer stands in for the device).
    void printerGetsThePages()
    {
        m->field(u"AdvStringGrid2").setCell(1, 1, QStringLiteral("Építő Bt."));
        m->field(u"AdvStringGrid1").setCell(1, 1, QStringLiteral("NAV"));
        const report::PreparedReport r = report::prepareReport(*m, QString(), QDateTime::currentDateTime());
        QCOMPARE(r.pageNames(), (QStringList{"Page1", "Page2", "Page2b", "Page11", "Page10"}));
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("p.pdf")));
        printer.setFullPage(true);
        QVERIFY(report::paintReport(printer, r, 1, 3)); // pages 2 to 4
        QFile file(dir.filePath(QStringLiteral("p.pdf")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QCOMPARE(pdf.count("/Type /Page") - pdf.count("/Type /Pages"), qsizetype(3));
        QCOMPARE(pdf.count("/MediaBox [0 0 595.000000 842.000000]"), qsizetype(2));
        QCOMPARE(pdf.count("/MediaBox [0 0 842.000000 595.000000]"), qsizetype(1));
    }
};

QTEST_MAIN(TestPrintPreview)
#include "tst_printpreview.moc"
