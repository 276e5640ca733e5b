// The print command of the main window: the "Hiba" box instead of the
// preview when the preparation fails, the identifier, and the preview window
// with its print button and zoom.
#include "rules/rules.h"
#include "ui/printpreview.h"

#include <QAction>
#include <QComboBox>
#include <QImage>
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
};

QTEST_MAIN(TestPrintPreview)
#include "tst_printpreview.moc"
