// What the renderer draws, read back from pixels: shown and hidden X marks,
// grey boxes under the texts, the black title bars, the emblem, and the
// faces that stand in for the form's fonts.
#include "report/printcommand.h"
#include "report/renderer.h"
#include "reportfixture.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTest>

using namespace vkt;
using namespace vkt::report;

namespace {

constexpr double kDotsPerMm = 8; // about 200 dpi

QImage draw(const PreparedPage &page)
{
    const QSizeF mm = page.page->paperMm;
    QImage image(QSize(int(mm.width() * kDotsPerMm), int(mm.height() * kDotsPerMm)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(kDotsPerMm / kPixelsPerMm, kDotsPerMm / kPixelsPerMm);
    renderPage(painter, page);
    return image;
}

// The pixel at a point given in millimetres of the printable area.
QRgb at(const QImage &image, const PageTemplate &page, QPointF mm)
{
    mm += QPointF(page.marginsMm.left(), page.marginsMm.top());
    return image.pixel(int(mm.x() * kDotsPerMm), int(mm.y() * kDotsPerMm));
}

// Darkest pixel within r mm around a point.
int darkest(const QImage &image, const PageTemplate &page, QPointF mm, double r = 0.3)
{
    int best = 255;
    for (double dx = -r; dx <= r; dx += 1 / kDotsPerMm)
        for (double dy = -r; dy <= r; dy += 1 / kDotsPerMm)
            best = std::min(best, qGray(at(image, page, mm + QPointF(dx, dy))));
    return best;
}

} // namespace

class TestRenderer : public QObject {
    Q_OBJECT

private slots:
    void xMarksInsideTheirBoxes()
    {
        auto m = test::bareReturn();
        m->field(u"LMDRadioGroup5").setItemIndex(1); // 6.1 b. crossed, 6.1 a. not
        m->field(u"PBNumEdit43").setText(QStringLiteral("1")); // sheet "B"
        const PreparedReport r = prepareReport(*m, QString(), test::fixedNow());
        QVERIFY(r.ok);
        const PreparedPage &first = r.pages.front();
        const PageTemplate &page = *first.page;
        const QImage image = draw(first);
        int shown = 0, hidden = 0;
        for (const XMark &x : page.xmarks) {
            const Box *box = page.findBox(x.box);
            QVERIFY(box);
            const bool on = first.shownLines.contains(x.line1) && first.shownLines.contains(x.line2);
            // The diagonals cross at the box's centre; a quarter of the way
            // along the first diagonal lies inside the box, off its outline.
            const QPointF c = box->mm.center();
            const QPointF q = box->mm.topLeft() + (box->mm.bottomRight() - box->mm.topLeft()) / 4;
            const QPointF q2 = box->mm.topRight() + (box->mm.bottomLeft() - box->mm.topRight()) / 4;
            if (on) {
                ++shown;
                QVERIFY2(darkest(image, page, c) < 100, qPrintable(x.box));
                QVERIFY2(darkest(image, page, q) < 100, qPrintable(x.line1));
                QVERIFY2(darkest(image, page, q2) < 100, qPrintable(x.line2));
            } else {
                ++hidden;
                QVERIFY2(darkest(image, page, c, 0.1) > 200, qPrintable(x.box));
            }
            // The outline is drawn either way.
            QVERIFY2(darkest(image, page, QPointF(c.x(), box->mm.top())) < 100, qPrintable(x.box));
        }
        QCOMPARE(shown, 3); // 6.1 b., 6.2 a. and the box under "B"
        QCOMPARE(hidden, 11);
    }

    void greyBoxesTitleBarsAndEmblem()
    {
        auto m = test::bareReturn();
        m->field(u"PBNumEdit35").setText(QStringLiteral("1")); // sheet "A"
        const PreparedReport r = prepareReport(*m, QString(), test::fixedNow());
        QVERIFY(r.ok);
        // Page1: the title bar "Azonosító adatok" is black to its corner,
        // and the emblem is in colour.
        {
            const PreparedPage &p = r.pages[0];
            const QImage image = draw(p);
            const TextBox *bar = p.page->findText(QStringLiteral("Memo11"));
            QVERIFY(bar);
            QCOMPARE(qGray(at(image, *p.page, bar->mm.bottomRight() - QPointF(0.3, 0.3))), 0);
            QCOMPARE(qGray(at(image, *p.page, bar->mm.topLeft() + QPointF(0.3, 0.3))), 0);
            QVERIFY(!logoImage().isNull());
            QCOMPARE(logoImage().size(), QSize(60, 62));
            int coloured = 0;
            for (double x = 1; x < 15; x += 0.5)
                for (double y = 1; y < 15; y += 0.5) {
                    const QColor c = QColor::fromRgb(at(image, *p.page, QPointF(x, y)));
                    if (c.saturation() > 100)
                        ++coloured;
                }
            QVERIFY2(coloured > 100, qPrintable(QString::number(coloured)));
        }
        // Page5: the grey boxes lie under their texts; the page's own text is
        // still drawn over them.
        {
            const PreparedPage &p = r.pages[3];
            QCOMPARE(p.page->name, QStringLiteral("Page5"));
            const QImage image = draw(p);
            for (const Box &box : p.page->boxes) {
                if (!box.grey)
                    continue;
                QCOMPARE(QColor::fromRgb(at(image, *p.page, box.mm.bottomRight() - QPointF(1, 1))), QColor(240, 240, 240));
                QVERIFY(darkest(image, *p.page, QPointF(box.mm.center().x(), box.mm.bottom())) < 100);
            }
            int ink = 0; // the subtitle inside the first grey box
            const Box &subtitle = p.page->boxes.front();
            for (double x = subtitle.mm.left() + 1; x < subtitle.mm.right() - 1; x += 0.25)
                for (double y = subtitle.mm.top() + 1; y < subtitle.mm.bottom() - 1; y += 0.25)
                    if (qGray(at(image, *p.page, QPointF(x, y))) < 120)
                        ++ink;
            QVERIFY2(ink > 100, qPrintable(QString::number(ink)));
        }
    }

    // The longest texts a slot can get from the choices of the form stay
    // inside their boxes: drawn smaller rather than over the rows around them.
    void longChoiceTextsStayInTheirBoxes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<int>("closingReason");
        QTest::newRow("m11 all eight types") << "Memo19" << QList<int>{0, 1, 2, 3, 4, 5, 6, 7} << -1;
        QTest::newRow("m11 the four longest") << "Memo19" << QList<int>{3, 5, 6, 7} << -1;
        QTest::newRow("m12 longest reason") << "Memo22" << QList<int>{} << 5;
    }
    void longChoiceTextsStayInTheirBoxes()
    {
        QFETCH(QString, box);
        QFETCH(QList<int>, ticked);
        QFETCH(int, closingReason);
        auto m = test::bareReturn();
        Field &group = m->field(u"LMDCheckGroup1");
        for (int i = 0; i < group.itemCount(); ++i)
            group.setChecked(i, false);
        m->field(u"LMDRadioGroup2").setItemIndex(-1);
        const PreparedReport empty = prepareReport(*m, QString(), test::fixedNow());
        QVERIFY(empty.ok);
        for (int i : ticked)
            group.setChecked(i, true);
        m->field(u"LMDRadioGroup2").setItemIndex(closingReason);
        const PreparedReport full = prepareReport(*m, QString(), test::fixedNow());
        QVERIFY(full.ok);
        const PageTemplate &page = *full.pages.front().page;
        const TextBox *text = page.findText(box);
        QVERIFY(text);
        const QImage before = draw(empty.pages.front());
        const QImage after = draw(full.pages.front());
        // Accents may reach into the half millimetre around the box, where
        // no neighbouring text is.
        const QRectF allowed = text->mm.adjusted(-0.5, -0.5, 0.5, 0.5);
        int inside = 0, outside = 0;
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x) {
                if (qAbs(qGray(after.pixel(x, y)) - qGray(before.pixel(x, y))) < 64)
                    continue;
                const QPointF mm = QPointF((x + 0.5) / kDotsPerMm, (y + 0.5) / kDotsPerMm)
                                 - QPointF(page.marginsMm.left(), page.marginsMm.top());
                ++(allowed.contains(mm) ? inside : outside);
            }
        QVERIFY2(inside > 500, qPrintable(QString::number(inside)));
        QCOMPARE(outside, 0);
    }

    void standInFaces()
    {
        registerReportFonts();
        if (QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf")))
            QCOMPARE(resolvedFamily(QStringLiteral("Tahoma")), QStringLiteral("Tahoma"));
        if (QFile::exists(QStringLiteral("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf"))) {
            QCOMPARE(resolvedFamily(QStringLiteral("Arial")), QStringLiteral("Liberation Sans"));
            QCOMPARE(resolvedFamily(QStringLiteral("Franklin Gothic Medium")), QStringLiteral("Liberation Sans"));
        }
        const QFont s8b = reportFont(QStringLiteral("S8B"));
        QCOMPARE(s8b.pixelSize(), 11);
        QVERIFY(s8b.bold());
        QCOMPARE(reportFont(QStringLiteral("S28B")).pixelSize(), 37);
        QCOMPARE(reportFont(QStringLiteral("A16")).pixelSize(), 21);
        QVERIFY(!reportFont(QStringLiteral("A16")).bold());
        QCOMPARE(reportFont(QStringLiteral("G14B")).pixelSize(), 19);
    }
};

QTEST_MAIN(TestRenderer)
#include "tst_renderer.moc"
