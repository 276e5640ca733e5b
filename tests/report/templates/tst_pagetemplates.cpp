#include "model/error.h"
#include "report/templates/pagetemplate.h"
#include "report/templates/variables.h"

#include <QSet>
#include <QTest>

using namespace vkt::report;

namespace {

const std::vector<PageTemplate> &pages()
{
    static const std::vector<PageTemplate> loaded = loadPageTemplates();
    return loaded;
}

const PageTemplate &page(const QString &name)
{
    const PageTemplate *p = findPage(pages(), name);
    if (!p)
        qFatal("page %s missing", qPrintable(name));
    return *p;
}

QStringList numbered(const QString &prefix, int from, int to, const QString &suffix = {})
{
    QStringList names;
    for (int i = from; i <= to; ++i)
        names << prefix + QString::number(i) + suffix;
    return names;
}

QStringList sorted(QStringList names)
{
    names.sort();
    names.removeDuplicates();
    return names;
}

int ruleCount(const PageTemplate &p)
{
    return int(std::count_if(p.lines.begin(), p.lines.end(), [](const Line &l) { return l.isRule(); }));
}

} // namespace

class TestPageTemplates : public QObject {
    Q_OBJECT
private slots:
    void pagesInReportOrder_data();
    void pagesInReportOrder();
    void objectCounts_data();
    void objectCounts();
    void strips_data();
    void strips();
    void slotsPerPage_data();
    void slotsPerPage();
    void everySlotIsAVariableAndEveryVariablePrinted();
    void printCommandXMarkLines_data();
    void printCommandXMarkLines();
    void objectsLieInsideThePrintableArea();
    void objectNamesAreUniquePerPage();
    void verbatimTexts_data();
    void verbatimTexts();
    void boldParts();
    void titleBarsAreWhiteOnBlack();
    void fontKeys_data();
    void fontKeys();
    void logoAndBarcode();
    void lookupIgnoresLetterCase();
    void expandSlots_data();
    void expandSlots();
    void variableNamesAreExact();
    void parseErrors_data();
    void parseErrors();
    void parsesBlankRunsAndEscapes();
};

void TestPageTemplates::pagesInReportOrder_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<QMarginsF>("margins"); // left, top, right, bottom
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QSizeF>("printable");

    QTest::newRow("Page1") << 0 << "Page1" << "1. oldal" << false << QMarginsF(22, 10, 20, 25) << true << QSizeF(168, 262);
    QTest::newRow("Page2") << 1 << "Page2" << "1. oldal" << false << QMarginsF(22, 25, 20, 25) << true << QSizeF(168, 247);
    QTest::newRow("Page2b") << 2 << "Page2b" << "1. oldal" << false << QMarginsF(22, 25, 20, 25) << true << QSizeF(168, 247);
    QTest::newRow("Page5") << 3 << "Page5" << "A" << false << QMarginsF(22, 30, 20, 30) << false << QSizeF(168, 237);
    QTest::newRow("Page6") << 4 << "Page6" << "B" << false << QMarginsF(22, 30, 20, 30) << false << QSizeF(168, 237);
    QTest::newRow("Page7") << 5 << "Page7" << "C" << false << QMarginsF(22, 30, 20, 30) << false << QSizeF(168, 237);
    QTest::newRow("Page8") << 6 << "Page8" << "D" << false << QMarginsF(22, 30, 20, 30) << false << QSizeF(168, 237);
    QTest::newRow("Page4") << 7 << "Page4" << "E" << false << QMarginsF(22, 25, 20, 25) << false << QSizeF(168, 247);
    QTest::newRow("Page9") << 8 << "Page9" << "F" << false << QMarginsF(22, 30, 20, 30) << false << QSizeF(168, 237);
    QTest::newRow("Page11") << 9 << "Page11" << "G" << true << QMarginsF(20, 20, 20, 22) << false << QSizeF(257, 168);
    QTest::newRow("Page10") << 10 << "Page10" << "H" << true << QMarginsF(22, 20, 20, 20) << false << QSizeF(255, 170);
}

void TestPageTemplates::pagesInReportOrder()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QString, sheet);
    QFETCH(bool, landscape);
    QFETCH(QMarginsF, margins);
    QFETCH(bool, visible);
    QFETCH(QSizeF, printable);

    QCOMPARE(pages().size(), size_t(11));
    const PageTemplate &p = pages().at(size_t(index));
    QCOMPARE(p.name, name);
    QCOMPARE(p.index, index);
    QCOMPARE(p.sheet, sheet);
    QCOMPARE(p.orientation, landscape ? Orientation::Landscape : Orientation::Portrait);
    QCOMPARE(p.paperMm, landscape ? QSizeF(297, 210) : QSizeF(210, 297));
    QCOMPARE(p.marginsMm, margins);
    QCOMPARE(p.visible, visible);
    QCOMPARE(p.printableMm(), printable);
    const QPageLayout layout = p.pageLayout();
    QCOMPARE(layout.pageSize().id(), QPageSize::A4);
    QCOMPARE(layout.orientation(), landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QCOMPARE(layout.margins(QPageLayout::Millimeter), margins);
    QCOMPARE(layout.paintRect(QPageLayout::Millimeter).size(), printable);
}

void TestPageTemplates::objectCounts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("texts"); // without the texts of the strips
    QTest::addColumn<int>("boxes");
    QTest::addColumn<int>("rules");
    QTest::addColumn<int>("xmarks");
    QTest::addColumn<int>("pictures");
    QTest::addColumn<int>("barcodes");

    QTest::newRow("Page1") << "Page1" << 79 << 22 << 23 << 14 << 1 << 1;
    QTest::newRow("Page2") << "Page2" << 55 << 0 << 35 << 0 << 0 << 0;
    QTest::newRow("Page2b") << "Page2b" << 28 << 4 << 17 << 1 << 0 << 0;
    QTest::newRow("Page5") << "Page5" << 29 << 2 << 15 << 0 << 0 << 0;
    QTest::newRow("Page6") << "Page6" << 29 << 2 << 15 << 0 << 0 << 0;
    QTest::newRow("Page7") << "Page7" << 25 << 2 << 13 << 0 << 0 << 0;
    QTest::newRow("Page8") << "Page8" << 25 << 2 << 13 << 0 << 0 << 0;
    QTest::newRow("Page4") << "Page4" << 31 << 2 << 15 << 0 << 0 << 0;
    QTest::newRow("Page9") << "Page9" << 29 << 2 << 15 << 0 << 0 << 0;
    QTest::newRow("Page11") << "Page11" << 63 << 3 << 6 << 0 << 0 << 0;
    QTest::newRow("Page10") << "Page10" << 49 << 4 << 7 << 0 << 0 << 0;
}

void TestPageTemplates::objectCounts()
{
    QFETCH(QString, name);
    QFETCH(int, texts);
    QFETCH(int, boxes);
    QFETCH(int, rules);
    QFETCH(int, xmarks);
    QFETCH(int, pictures);
    QFETCH(int, barcodes);

    const PageTemplate &p = page(name);
    const int own = int(std::count_if(p.texts.begin(), p.texts.end(), [](const TextBox &t) { return t.strip < 0; }));
    QCOMPARE(own, texts);
    QCOMPARE(int(p.boxes.size()), boxes);
    QCOMPARE(ruleCount(p), rules);
    QCOMPARE(int(p.xmarks.size()), xmarks);
    QCOMPARE(int(p.lines.size()), rules + 2 * xmarks);
    QCOMPARE(int(p.pictures.size()), pictures);
    QCOMPARE(int(p.barcodes.size()), barcodes);
}

void TestPageTemplates::strips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<double>>("ys");
    QTest::addColumn<QString>("pageNumber");

    QTest::newRow("Page1") << "Page1" << QList<double>{257.0} << "Oldal: 1/3";
    QTest::newRow("Page2") << "Page2" << QList<double>{0.0, 243.0} << "Oldal: 2/3";
    QTest::newRow("Page2b") << "Page2b" << QList<double>{0.0, 243.0} << "Oldal: 3/3";
    for (const char *n : {"Page5", "Page6", "Page7", "Page8", "Page4", "Page9"})
        QTest::newRow(n) << n << QList<double>{0.0, 233.0} << QString();
    QTest::newRow("Page11") << "Page11" << QList<double>{0.0} << QString();
    QTest::newRow("Page10") << "Page10" << QList<double>{0.0} << QString();
}

void TestPageTemplates::strips()
{
    QFETCH(QString, name);
    QFETCH(QList<double>, ys);
    QFETCH(QString, pageNumber);

    const PageTemplate &p = page(name);
    QCOMPARE(int(p.strips.size()), ys.size());
    for (int s = 0; s < ys.size(); ++s) {
        QCOMPARE(p.strips[size_t(s)].y, ys[s]);
        QCOMPARE(p.strips[size_t(s)].pageNumber, pageNumber);
        QStringList texts;
        for (const TextBox &t : p.texts) {
            if (t.strip != s)
                continue;
            texts << t.text;
            QCOMPARE(t.mm.y(), ys[s]);
            QCOMPARE(t.mm.height(), 4.0);
        }
        QStringList expected{"Nyomtatvány száma:", "VKT10002", "([azon])", "[datum]"};
        if (!pageNumber.isEmpty())
            expected << pageNumber;
        QCOMPARE(texts, expected);
    }
    // The printed date of the first strip: x 65.0, w 13.0, S6, L-B.
    const TextBox *datum = p.findText(QStringLiteral("Strip1Datum"));
    QVERIFY(datum);
    QCOMPARE(datum->mm, QRectF(65.0, ys[0], 13.0, 4.0));
    QCOMPARE(datum->fontKey, QStringLiteral("S6"));
    QCOMPARE(datum->qtAlignment(), Qt::AlignLeft | Qt::AlignBottom);
    const TextBox *form = p.findText(QStringLiteral("Strip1Form"));
    QVERIFY(form);
    QCOMPARE(form->fontKey, QStringLiteral("G9B"));
    QCOMPARE(form->qtAlignment(), Qt::AlignLeft | Qt::AlignVCenter);
}

void TestPageTemplates::slotsPerPage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("names");

    const QStringList strip{"azon", "datum"};
    const QStringList portrait = strip + QStringList{"m1", "m5", "m7", "m901"};
    const QStringList landscape = strip + QStringList{"m1", "m5"};

    QTest::newRow("Page1") << "Page1" << strip + numbered("m", 1, 15);
    QTest::newRow("Page2") << "Page2"
                           << strip + numbered("a", 1, 6) + QStringList{"m912", "m913", "m9131", "m1000"}
            + numbered("m", 914, 929);
    QTest::newRow("Page2b") << "Page2b"
                            << strip + QStringList{"m12a1", "m901"} + numbered("m12b", 1, 3) + numbered("m12c", 1, 3);
    QTest::newRow("Page5") << "Page5" << portrait + numbered("b", 1, 8);
    QTest::newRow("Page6") << "Page6" << portrait + numbered("c", 1, 8);
    QTest::newRow("Page7") << "Page7" << portrait + numbered("d", 1, 6);
    QTest::newRow("Page8") << "Page8" << portrait + numbered("e", 1, 6);
    QTest::newRow("Page4") << "Page4" << portrait + numbered("h2_", 1, 7);
    QTest::newRow("Page9") << "Page9" << portrait + numbered("f", 1, 8);
    QTest::newRow("Page11") << "Page11"
                            << landscape + numbered("h", 1, 10) + numbered("h", 1, 10, "b")
            + numbered("h", 1, 10, "c") + numbered("h", 1, 10, "d");
    QTest::newRow("Page10") << "Page10"
                            << landscape + numbered("g", 1, 5) + numbered("g", 1, 5, "b") + numbered("g", 1, 5, "c")
            + numbered("g", 1, 5, "d") + numbered("g", 11, 14);
}

void TestPageTemplates::slotsPerPage()
{
    QFETCH(QString, name);
    QFETCH(QStringList, names);
    QCOMPARE(page(name).slotNames(), sorted(names));
}

void TestPageTemplates::everySlotIsAVariableAndEveryVariablePrinted()
{
    QStringList printed;
    for (const PageTemplate &p : pages()) {
        for (const QString &slot : p.slotNames()) {
            QVERIFY2(isReportVariable(slot), qPrintable(p.name + QStringLiteral(": ") + slot));
            printed << slot;
        }
    }
    // Row 911 is printed through "a1"; "m911" stands on no page.
    printed << QStringLiteral("m911");
    QCOMPARE(sorted(printed), sorted(reportVariableNames()));
}

void TestPageTemplates::printCommandXMarkLines_data()
{
    QTest::addColumn<QString>("pageName");
    QTest::addColumn<QString>("line1");
    QTest::addColumn<QString>("line2");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QRectF>("boxMm");

    const QSizeF sheetBox(8.0, 7.0), statementBox(3.0, 3.0);
    QTest::newRow("6.1 a.") << "Page1" << "Line78" << "Line79" << "Shape21" << QRectF(QPointF(148, 170), statementBox);
    QTest::newRow("6.2 a.") << "Page1" << "Line82" << "Line83" << "Shape23" << QRectF(QPointF(148, 189), statementBox);
    QTest::newRow("6.1 b.") << "Page1" << "Line80" << "Line81" << "Shape22" << QRectF(QPointF(148, 181), statementBox);
    QTest::newRow("6.3 a.") << "Page1" << "Line8" << "Line56" << "Shape5" << QRectF(QPointF(148, 206), statementBox);
    QTest::newRow("6.4 b.") << "Page1" << "Line57" << "Line58" << "Shape13" << QRectF(QPointF(148, 214), statementBox);
    QTest::newRow("6.2 b.") << "Page1" << "Line84" << "Line85" << "Shape24" << QRectF(QPointF(148, 198), statementBox);
    QTest::newRow("11") << "Page2b" << "Line89" << "Line90" << "Shape25" << QRectF(QPointF(140, 20), statementBox);
    QTest::newRow("A") << "Page1" << "Line138" << "Line139" << "Shape45" << QRectF(QPointF(39, 148), sheetBox);
    QTest::newRow("B") << "Page1" << "Line64" << "Line65" << "Shape14" << QRectF(QPointF(52, 148), sheetBox);
    QTest::newRow("C") << "Page1" << "Line66" << "Line67" << "Shape15" << QRectF(QPointF(65, 148), sheetBox);
    QTest::newRow("D") << "Page1" << "Line68" << "Line69" << "Shape16" << QRectF(QPointF(78, 148), sheetBox);
    QTest::newRow("F") << "Page1" << "Line72" << "Line73" << "Shape18" << QRectF(QPointF(104, 148), sheetBox);
    QTest::newRow("H") << "Page1" << "Line76" << "Line77" << "Shape20" << QRectF(QPointF(130, 148), sheetBox);
    QTest::newRow("G") << "Page1" << "Line74" << "Line75" << "Shape19" << QRectF(QPointF(117, 148), sheetBox);
    QTest::newRow("E") << "Page1" << "Line70" << "Line71" << "Shape17" << QRectF(QPointF(91, 148), sheetBox);
}

void TestPageTemplates::printCommandXMarkLines()
{
    QFETCH(QString, pageName);
    QFETCH(QString, line1);
    QFETCH(QString, line2);
    QFETCH(QString, box);
    QFETCH(QRectF, boxMm);

    const PageTemplate &p = page(pageName);
    const Box *b = p.findBox(box);
    QVERIFY(b);
    QCOMPARE(b->mm, boxMm);
    QVERIFY(!b->grey);

    const Line *first = p.findLine(line1.toUpper()); // the print command ignores letter case
    const Line *second = p.findLine(line2.toLower());
    QVERIFY(first);
    QVERIFY(second);
    QCOMPARE(first->name, line1);
    QCOMPARE(second->name, line2);
    QVERIFY(!first->visible);
    QVERIFY(!second->visible);
    QCOMPARE(first->xmarkBox, box);
    QCOMPARE(second->xmarkBox, box);
    QCOMPARE(first->from, boxMm.topLeft());
    QCOMPARE(first->to, boxMm.bottomRight());
    QCOMPARE(second->from, boxMm.topRight());
    QCOMPARE(second->to, boxMm.bottomLeft());

    // Each mark is on one page only.
    for (const PageTemplate &other : pages())
        if (other.name != pageName)
            QVERIFY(!other.findLine(line1) && !other.findLine(line2));
}

void TestPageTemplates::objectsLieInsideThePrintableArea()
{
    const double slack = 0.05; // positions are rounded to 0.1 mm
    for (const PageTemplate &p : pages()) {
        const QRectF area = QRectF(QPointF(0, 0), p.printableMm()).adjusted(-slack, -slack, slack, slack);
        auto inside = [&](const QRectF &r, const QString &what) {
            const bool ok = r.width() >= 0 && r.height() >= 0 && r.left() >= area.left()
                && r.top() >= area.top() && r.right() <= area.right() && r.bottom() <= area.bottom();
            QVERIFY2(ok, qPrintable(QStringLiteral("%1: %2 at %3,%4 %5x%6")
                                        .arg(p.name, what)
                                        .arg(r.x())
                                        .arg(r.y())
                                        .arg(r.width())
                                        .arg(r.height())));
        };
        for (const TextBox &t : p.texts) {
            QVERIFY2(t.mm.width() > 0 && t.mm.height() > 0, qPrintable(t.name));
            if (p.name == QLatin1String("Page4")
                && (t.name == QLatin1String("Memo551") || t.name == QLatin1String("Memo552"))) {
                // The "Adatok Ft-ban" heads of blocks II and III of sheet "E" are drawn
                // 1 mm into the right margin (x 139 + w 30); they stay on the paper.
                QCOMPARE(t.mm.right(), 169.0);
                QVERIFY(t.mm.right() < p.paperMm.width() - p.marginsMm.left());
                continue;
            }
            inside(t.mm, t.name);
        }
        for (const Box &b : p.boxes)
            inside(b.mm, b.name);
        for (const Line &l : p.lines)
            inside(QRectF(l.from, l.to).normalized(), l.name.isEmpty() ? QStringLiteral("rule") : l.name);
        for (const Picture &pic : p.pictures)
            inside(pic.mm, pic.name);
        for (const Barcode &bc : p.barcodes)
            inside(bc.mm, bc.name);
    }
}

void TestPageTemplates::objectNamesAreUniquePerPage()
{
    for (const PageTemplate &p : pages()) {
        QSet<QString> seen;
        auto add = [&](const QString &n) {
            if (n.isEmpty())
                return;
            QVERIFY2(!seen.contains(n.toLower()), qPrintable(p.name + QStringLiteral(": ") + n));
            seen.insert(n.toLower());
        };
        for (const TextBox &t : p.texts)
            add(t.name);
        for (const Box &b : p.boxes)
            add(b.name);
        for (const Line &l : p.lines)
            add(l.name);
    }
}

void TestPageTemplates::verbatimTexts_data()
{
    QTest::addColumn<QString>("pageName");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QRectF>("mm");
    QTest::addColumn<QString>("font");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QString>("text");

    const int LM = Qt::AlignLeft | Qt::AlignVCenter;
    QTest::newRow("title, four lines") << "Page1" << "Memo1" << QRectF(44, 7, 80, 27) << "S11B" << int(Qt::AlignHCenter | Qt::AlignTop)
        << "HELYI IPARŰZÉSI ADÓBEVALLÁS\n2009. adóévről Kerekvárda Önkormányzat illetékességi\n"
           "területén folytatott állandó jellegű iparűzési tevékenység után\nadókötelezettségről";
    QTest::newRow("caption keeps its trailing blank") << "Page1" << "Memo5" << QRectF(10, 53, 34, 5) << "S8" << LM
        << "Az adózó neve (cégneve): ";
    QTest::newRow("sheet letter box") << "Page1" << "Memo557" << QRectF(39, 138, 7.9, 7) << "A16" << int(Qt::AlignHCenter | Qt::AlignVCenter)
        << "A";
    QTest::newRow("formula in brackets") << "Page2" << "Memo100" << QRectF(2, 122, 93, 7) << "S8B" << LM
        << "919 Mentességekkel korrigált Htv. szerinti - vállalkozási szintű - adóalap [(915-916-917)+918]";
    QTest::newRow("two blanks kept") << "Page2" << "Memo178" << QRectF(2, 23, 90, 7) << "S8" << LM
        << "9112 A társasági adóról és az  osztalékadóról szóló törvény szerinti jogdíjbevétel";
    QTest::newRow("amount right-bottom") << "Page2" << "Memo105" << QRectF(97, 134, 37, 7) << "S10B" << int(Qt::AlignRight | Qt::AlignBottom)
        << "[m920]";
    QTest::newRow("place and date") << "Page2b" << "Memo153" << QRectF(2, 137, 69, 6) << "S10" << LM
        << "Kerekvárda, [m901]";
    QTest::newRow("trailing empty line") << "Page2b" << "Memo108" << QRectF(1, 181, 161, 12) << "S10" << LM
        << "Jelölje X-szel, ha az adóhatósághoz  bejelentett , a bevallás aláírására jogosult állandó meghatalmazott \n";
    QTest::newRow("justified declaration") << "Page2b" << "Memo151" << QRectF(2, 125, 163, 9) << "S10" << int(Qt::AlignJustify | Qt::AlignVCenter)
        << "Felelősségem tudatában kijelentem, hogy a bevallásban közölt adatok a valóságnak megfelelnek.";
    QTest::newRow("quoted sheet letter") << "Page5" << "Memo216" << QRectF(3, 27, 163, 18) << "S8" << int(Qt::AlignHCenter | Qt::AlignVCenter)
        << "2009. adóévrol KEREKVÁRDA önkormányzat illetékességi területén folytatott állandó jellegű iparűzési "
           "tevékenység utáni adókötelezettségről szóló helyi iparűzési adóbevalláshoz kapcsolódó\n\n\"A\" jelű kiegészítő lap";
    QTest::newRow("sheet E subtitle") << "Page4" << "Memo190" << QRectF(3, 27, 163, 18) << "S8" << int(Qt::AlignHCenter | Qt::AlignVCenter)
        << "2009. adóévről Kerekvárda Város Önkormányzata illetékességi területén folytatott állandó jellegű iparűzési "
           "tevékenység utáni adókötelezettségről szóló helyi iparűzési adóbevalláshoz kapcsolódó\n\n\"E\" jelű kiegészítő lap";
    QTest::newRow("leading blank") << "Page6" << "Memo264" << QRectF(2, 121, 93, 5) << "S8" << LM
        << " 9112 Nettó müködési költségek";
    QTest::newRow("sheet G row 10 amount") << "Page11" << "Memo540" << QRectF(214, 112.6, 36.2, 4.1) << "S8" << int(Qt::AlignRight | Qt::AlignBottom)
        << "[h10d]";
    QTest::newRow("sheet H two blanks before jelű") << "Page10" << "Memo386" << QRectF(40, 16, 170, 16) << "S8" << int(Qt::AlignHCenter | Qt::AlignVCenter)
        << "2009. adóévrol KEREKVÁRDA önkormányzat illetékességi terültén folytatott állandó jellegű iparűzési tevékenység "
           "után adókötelezettségről szóló helyi iparűzési adóbevalláshoz kapcsolódó \"H\"  jelű kiegészítő lap";
    QTest::newRow("option 3 with two gaps") << "Page10" << "Memo131" << QRectF(4, 79, 246, 7) << "S8" << int(Qt::AlignLeft | Qt::AlignTop)
        << "3. A túlfizetés összegéből" + QString(27, u' ') + "forintot kérek visszatéríteni," + QString(27, u' ')
            + "forintot kérek más adónemben/hatóságnál nyilvántartott lejárt esedékességű köztartozásra átvezetni, "
              "a fennmaradó összeget később esedékes iparűzési adó fizetési kötelezettségre kívánom felhasználni\n";
    QTest::newRow("option 2 gap") << "Page10" << "Memo130" << QRectF(4, 72, 246, 7) << "S8" << int(Qt::AlignLeft | Qt::AlignBottom)
        << "2. A túlfizetés összegéből" + QString(26, u' ')
            + "forintot kérek visszatéríteni, a fennmaradó összeget később esedékes iparűzési adó fizetési "
              "kötelezettségre kívánom felhasználni, egyúttal nyilatkozom, hogy lejárt esedékességű köztartozásom nincs";
}

void TestPageTemplates::verbatimTexts()
{
    QFETCH(QString, pageName);
    QFETCH(QString, object);
    QFETCH(QRectF, mm);
    QFETCH(QString, font);
    QFETCH(int, alignment);
    QFETCH(QString, text);

    const TextBox *t = page(pageName).findText(object);
    QVERIFY(t);
    QCOMPARE(t->mm, mm);
    QCOMPARE(t->fontKey, font);
    QCOMPARE(int(t->qtAlignment()), alignment);
    QCOMPARE(t->text, text);
    QVERIFY(t->wordWrap);
    QVERIFY(t->visible);
}

void TestPageTemplates::boldParts()
{
    const PageTemplate &p = page(QStringLiteral("Page2b"));
    struct Case {
        const char *object;
        QString part;
    } cases[] = {{"Memo139", QStringLiteral("Első előlegrészlet")},
                 {"Memo142", QStringLiteral("Második előlegrészlet")},
                 {"Memo151", QStringLiteral("Felelősségem tudatában kijelentem, hogy a bevallásban közölt adatok a valóságnak megfelelnek.")}};
    for (const Case &c : cases) {
        const TextBox *t = p.findText(QLatin1String(c.object));
        QVERIFY(t);
        QCOMPARE(t->bold.size(), 1);
        QCOMPARE(t->text.mid(t->bold[0].start, t->bold[0].length), c.part);
        QVERIFY(slotNames(t->text).isEmpty()); // bold ranges index the template text
    }
    // Nowhere else is a regular font partly bold.
    int withBold = 0;
    for (const PageTemplate &page : pages())
        for (const TextBox &t : page.texts)
            withBold += t.bold.isEmpty() ? 0 : 1;
    QCOMPARE(withBold, 3);
}

void TestPageTemplates::titleBarsAreWhiteOnBlack()
{
    QStringList bars;
    for (const PageTemplate &p : pages()) {
        for (const TextBox &t : p.texts) {
            if (t.fontKey == QLatin1String("S10W")) {
                bars << t.name;
                QCOMPARE(t.fillColor, QColor(Qt::black));
                QCOMPARE(t.textColor, QColor(Qt::white));
            } else {
                QVERIFY2(!t.fillColor.isValid(), qPrintable(t.name));
                QCOMPARE(t.textColor, QColor(Qt::black));
            }
        }
    }
    QCOMPARE(bars, (QStringList{"Memo11", "Memo157", "Memo52", "Memo147", "Memo150", "Memo548", "Memo549", "Memo550"}));

    // Grey boxes: the subtitle and taxpayer boxes of the supplementary sheets.
    for (const PageTemplate &p : pages())
        for (const Box &b : p.boxes)
            QCOMPARE(b.fillColor().isValid(), b.grey);
    QVERIFY(page(QStringLiteral("Page11")).findBox(QStringLiteral("Shape41"))->grey);
    QVERIFY(!page(QStringLiteral("Page11")).findBox(QStringLiteral("Shape40"))->grey);
    QCOMPARE(page(QStringLiteral("Page5")).findBox(QStringLiteral("Shape27"))->fillColor(), QColor(240, 240, 240));
}

void TestPageTemplates::fontKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");

    QTest::newRow("S6") << "S6" << "Tahoma" << 8 << 6.0 << false;
    QTest::newRow("S8") << "S8" << "Tahoma" << 11 << 8.25 << false;
    QTest::newRow("S8B") << "S8B" << "Tahoma" << 11 << 8.25 << true;
    QTest::newRow("S10") << "S10" << "Tahoma" << 13 << 9.75 << false;
    QTest::newRow("S10B") << "S10B" << "Tahoma" << 13 << 9.75 << true;
    QTest::newRow("S10W") << "S10W" << "Tahoma" << 13 << 9.75 << true;
    QTest::newRow("S11B") << "S11B" << "Tahoma" << 15 << 11.25 << true;
    QTest::newRow("S28B") << "S28B" << "Tahoma" << 37 << 27.75 << true;
    QTest::newRow("G9B") << "G9B" << "Franklin Gothic Medium" << 12 << 9.0 << true;
    QTest::newRow("G14B") << "G14B" << "Franklin Gothic Medium" << 19 << 14.25 << true;
    QTest::newRow("A16") << "A16" << "Arial" << 21 << 15.75 << false;
}

void TestPageTemplates::fontKeys()
{
    QFETCH(QString, key);
    QFETCH(QString, family);
    QFETCH(int, pixels);
    QFETCH(double, points);
    QFETCH(bool, bold);

    const FontSpec *f = findFont(key);
    QVERIFY(f);
    QCOMPARE(f->family, family);
    QCOMPARE(f->pixelSize, pixels);
    QCOMPARE(f->pointSize, points);
    QCOMPARE(f->bold, bold);
    QCOMPARE(f->whiteOnBlack, key == QLatin1String("S10W"));
    // Pixels of 1/96 inch and points of 1/72 inch name the same size.
    QCOMPARE(f->pixelSize * 72.0 / 96.0, points);
    const QFont font = makeFont(*f);
    QCOMPARE(font.family(), family);
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(findFont(key.toLower()), key == key.toLower() ? f : nullptr);
}

void TestPageTemplates::logoAndBarcode()
{
    const PageTemplate &p1 = page(QStringLiteral("Page1"));
    QCOMPARE(p1.pictures.size(), size_t(1));
    const Picture &logo = p1.pictures.front();
    QCOMPARE(logo.name, QStringLiteral("Picture1"));
    QCOMPARE(logo.mm, QRectF(0.0, 0.0, 15.9, 16.4));
    QCOMPARE(logo.pixels, QSize(60, 62));
    QCOMPARE(logo.source, QStringLiteral("logo"));

    const Barcode *bc = p1.findBarcode(QStringLiteral("barcode1"));
    QVERIFY(bc);
    QCOMPARE(bc->name, QStringLiteral("BarCode1"));
    QCOMPARE(bc->mm, QRectF(129.0, 29.0, 33.9, 9.0));
    QCOMPARE(bc->type, QStringLiteral("Code39"));
    QCOMPARE(bc->text, QStringLiteral("12345678"));
    QVERIFY(!bc->visible);
    QVERIFY(!bc->showText);

    for (const PageTemplate &p : pages())
        if (p.name != QLatin1String("Page1"))
            QVERIFY(p.pictures.empty() && p.barcodes.empty() && (p.xmarks.empty() || p.name == QLatin1String("Page2b")));
}

void TestPageTemplates::lookupIgnoresLetterCase()
{
    std::vector<PageTemplate> copy = pages();
    PageTemplate *p = findPage(copy, QStringLiteral("PAGE2B"));
    QVERIFY(p);
    QCOMPARE(p->index, 2);
    QVERIFY(!findPage(copy, QStringLiteral("Page3")));
    QVERIFY(p->hasObject(QStringLiteral("line89")));
    QVERIFY(p->hasObject(QStringLiteral("SHAPE25")));
    QVERIFY(p->hasObject(QStringLiteral("memo151")));
    QVERIFY(!p->hasObject(QStringLiteral("Line78")));
    QVERIFY(!p->hasObject(QString()));

    // The print command works on a copy: showing a mark there leaves the loaded pages alone.
    p->findLine(QStringLiteral("LINE89"))->visible = true;
    p->visible = false;
    QVERIFY(!page(QStringLiteral("Page2b")).findLine(QStringLiteral("Line89"))->visible);
    QVERIFY(page(QStringLiteral("Page2b")).visible);
}

void TestPageTemplates::expandSlots_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("expanded");

    QTest::newRow("one slot") << "[m1]" << QStringList{"m1"} << "<m1>";
    QTest::newRow("slot inside text") << "Kerekvárda, [m901]" << QStringList{"m901"} << "Kerekvárda, <m901>";
    QTest::newRow("strip identifier") << "([azon])" << QStringList{"azon"} << "(<azon>)";
    QTest::newRow("formula is no slot") << "adóalap [(915-916-917)+918]" << QStringList{} << "adóalap [(915-916-917)+918]";
    QTest::newRow("unanswered name stays") << "[M1] [x9] [m1]" << QStringList{"M1", "x9", "m1"} << "[M1] [x9] <m1>";
    QTest::newRow("underscore names") << "[h2_1][h10d]" << QStringList{"h2_1", "h10d"} << "<h2_1><h10d>";
    QTest::newRow("empty brackets and lone brackets") << "[] [ m1] [m1" << QStringList{} << "[] [ m1] [m1";
}

void TestPageTemplates::expandSlots()
{
    QFETCH(QString, text);
    QFETCH(QStringList, names);
    QFETCH(QString, expanded);

    QCOMPARE(slotNames(text), names);
    auto provider = [](const QString &name) -> std::optional<QString> {
        if (!isReportVariable(name))
            return std::nullopt;
        return QLatin1Char('<') + name + QLatin1Char('>');
    };
    QCOMPARE(vkt::report::expandSlots(text, provider), expanded);
}

void TestPageTemplates::variableNamesAreExact()
{
    const QStringList &names = reportVariableNames();
    QCOMPARE(sorted(names).size(), names.size()); // no name twice
    // 3 + 15 + 6 + 21 + 7 + 28 + 7 + 8 + 40 + 20 + 4
    QCOMPARE(names.size(), 159);
    for (const char *n : {"datum", "m901", "azon", "m1", "m10", "m15", "a1", "m911", "m9131", "m1000", "m12a1",
                          "m12b3", "m12c3", "b8", "c8", "d6", "e6", "h2_7", "f8", "h1", "h10", "h10b", "h10d",
                          "g5c", "g11", "g14"})
        QVERIFY2(isReportVariable(QLatin1String(n)), n);
    for (const char *n : {"M1", "Datum", "m16", "m930", "b9", "d7", "h2_8", "h11", "g6", "g15", "m12a2", "h2", ""})
        QVERIFY2(!isReportVariable(QLatin1String(n)) || QLatin1String(n) == QLatin1String("h2"), n);
    QVERIFY(isReportVariable(QStringLiteral("h2"))); // sheet "G", row 2 (not "h2_1")
}

void TestPageTemplates::parseErrors_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("message");

    const QString head = QStringLiteral("page P index=0 margins=1,2,3,4\n");
    QTest::newRow("no page") << "text M 0 0 1 1 S8 L-T\n\"a\"\n" << "t.page:1: the file must start with 'page'";
    QTest::newRow("empty file") << "" << "t.page:2: no 'page' directive";
    QTest::newRow("unknown directive") << head + "circle C 1 1 1" << "t.page:2: unknown directive 'circle'";
    QTest::newRow("unterminated quote") << head + "text M 0 0 1 1 S8 L-T\n\"abc" << "t.page:3: unterminated quoted text";
    QTest::newRow("unknown font") << head + "text M 0 0 1 1 S9 L-T\n\"a\"" << "t.page:2: unknown font key 'S9'";
    QTest::newRow("bad alignment") << head + "text M 0 0 1 1 S8 L-X\n\"a\"" << "t.page:2: vertical alignment is T, M or B";
    QTest::newRow("text without lines") << head + "text M 0 0 1 1 S8 L-T\nbox B 0 0 1 1" << "t.page:3: text M has no lines";
    QTest::newRow("bold part missing") << head + "text M 0 0 1 1 S8 L-T\n\"abc\"\nbold \"x\"" << "t.page:4: bold part 'x' is not in text M";
    QTest::newRow("line outside text") << head + "\"abc\"" << "t.page:2: a text line outside a text";
    QTest::newRow("bad number") << head + "box B 0 0 1,5 1" << "t.page:2: '1,5' is not a number";
    QTest::newRow("duplicate name") << head + "box B 0 0 1 1\nbox b 1 1 1 1" << "t.page:3: object b declared twice";
    QTest::newRow("xmark without box") << head + "xmark L1 L2 in S" << "t.page:2: box S is not declared";
    QTest::newRow("xmark line named twice") << head + "box S 0 0 1 1\nxmark L1 S in S" << "t.page:3: object S declared twice";
    QTest::newRow("bad blank run") << head + "text M 0 0 1 1 S8 L-T\n\"a\" + x blanks + \"b\"" << "t.page:3: 'x' is not a whole number";
    QTest::newRow("missing margins") << "page P index=0" << "t.page:1: a page needs index= and margins=";
}

void TestPageTemplates::parseErrors()
{
    QFETCH(QString, source);
    QFETCH(QString, message);
    try {
        parsePageTemplate(source, QStringLiteral("t.page"));
        QFAIL("no error");
    } catch (const vkt::Error &e) {
        QCOMPARE(e.message(), message);
    }
}

void TestPageTemplates::parsesBlankRunsAndEscapes()
{
    const QString source = QStringLiteral(
        "# a comment\n"
        "page P index=4 sheet=\"1. oldal\" orientation=landscape margins=22,20,10,25 visible=no\n"
        "strip 2.5\n"
        "text M 1.5 2 3 4 S10W J-B  # comment after the directive\n"
        "    \"a\\\"b\" + 10 blanks + \"c\\\\d # not a comment\"\r\n"
        "    \"\"\n"
        "box G 0 0 10 10 grey\n"
        "hrule from 1 to 9 at 2 3\n"
        "vrule at 5 from 1 to 8\n"
        "xmark X1 X2 in g\n");
    const PageTemplate p = parsePageTemplate(source, QStringLiteral("t.page"));
    QCOMPARE(p.index, 4);
    QCOMPARE(p.sheet, QStringLiteral("1. oldal"));
    QCOMPARE(p.orientation, Orientation::Landscape);
    QCOMPARE(p.marginsMm, QMarginsF(22, 10, 20, 25));
    QVERIFY(!p.visible);
    QCOMPARE(p.strips.size(), size_t(1));
    QCOMPARE(p.texts.size(), size_t(5)); // four strip texts and M
    const TextBox *m = p.findText(QStringLiteral("M"));
    QVERIFY(m);
    QCOMPARE(m->text, QStringLiteral("a\"b") + QString(10, u' ') + QStringLiteral("c\\d # not a comment\n"));
    QCOMPARE(m->mm, QRectF(1.5, 2, 3, 4));
    QCOMPARE(m->qtAlignment(), Qt::AlignJustify | Qt::AlignBottom);
    QCOMPARE(p.lines.size(), size_t(5));
    QCOMPARE(p.lines[0].from, QPointF(1, 2));
    QCOMPARE(p.lines[1].to, QPointF(9, 3));
    QCOMPARE(p.lines[2].from, QPointF(5, 1));
    QCOMPARE(p.lines[2].to, QPointF(5, 8));
    QCOMPARE(p.lines[3].xmarkBox, QStringLiteral("G"));
    QCOMPARE(p.xmarks.size(), size_t(1));
    QCOMPARE(p.xmarks[0].line1, QStringLiteral("X1"));
}

QTEST_MAIN(TestPageTemplates)
#include "tst_pagetemplates.moc"
