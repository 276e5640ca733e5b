// The layout catalogue the desktop window is built from: every field of the
// model is placed once, on the sheet of its container, inside its panel,
// without overlapping another field, with the exact captions of the form.

#include "model/catalogue.h"
#include "model/layout.h"

#include <QSet>
#include <QTest>
#include <algorithm>

Q_DECLARE_METATYPE(vkt::layout::Rect)

using namespace vkt;
using namespace vkt::layout;

namespace {

Rect containerRect(const QString &container)
{
    if (const GroupBoxSpec *g = groupBox(container))
        return {0, 0, g->rect.w, g->rect.h};
    if (const PanelSpec *p = panel(container))
        return {0, 0, p->rect.w, p->rect.h};
    return {};
}

QString blanks(int n) { return QString(n, QLatin1Char(' ')); }

} // namespace

class TstLayout : public QObject {
    Q_OBJECT
private slots:
    void everyFieldPlacedOnceOnItsSheet();
    void tabsInOrder();
    void panelsAndHeaders();
    void fieldsInsideTheirContainers();
    void noTwoFieldsOverlap();
    void captionsKeepClearOfOtherFields();
    void captions_data();
    void captions();
    void rowOrder_data();
    void rowOrder();
    void fixedLabels_data();
    void fixedLabels();
    void grids();
    void richText();
};

void TstLayout::everyFieldPlacedOnceOnItsSheet()
{
    const auto specs = fieldCatalogue();
    QCOMPARE(int(fieldLayouts().size()), int(specs.size()));
    QSet<QString> seen;
    for (const FieldLayout &f : fieldLayouts()) {
        QVERIFY2(!seen.contains(f.name.toLower()), qPrintable(f.name));
        seen.insert(f.name.toLower());
    }
    for (const FieldSpec &s : specs) {
        const QString name = QString::fromUtf8(s.name);
        const FieldLayout *f = fieldLayout(name);
        QVERIFY2(f, qPrintable(name));
        QCOMPARE(fieldLayout(name.toUpper()), f); // lookup ignores case
        const QString container = QString::fromUtf8(s.container);
        QCOMPARE(f->tab, sheetOf(container));
        if (!f->tab.isEmpty()) {
            QCOMPARE(f->container, container);
            QCOMPARE(sheetOf(f->panel), f->tab);
        }
        QCOMPARE(f->bold, f->font.bold);
    }
    QCOMPARE(fieldLayout(u"NoSuchField"), nullptr);
    QVERIFY(!fieldLayout(u"PBNumEdit29")->visible);
}

void TstLayout::tabsInOrder()
{
    const QStringList captions = {"1. oldal", "\"A\" lap", "\"B\" lap", "\"C\" lap", "\"D\" lap",
                                  "\"E\" lap", "\"F\" lap", "\"G\" lap", "\"H\" lap"};
    const QStringList sheets = {"LMDTabSheet1", "LMDTabSheet3", "LMDTabSheet4", "LMDTabSheet5", "LMDTabSheet6",
                                "LMDTabSheet2", "LMDTabSheet7", "LMDTabSheet9", "LMDTabSheet8"};
    QCOMPARE(int(tabs().size()), 9);
    for (int i = 0; i < 9; ++i) {
        QCOMPARE(tabs()[i].caption, captions[i]);
        QCOMPARE(tabs()[i].sheet, sheets[i]);
        QCOMPARE(tabs()[i].index, i);
    }
}

void TstLayout::panelsAndHeaders()
{
    // Main sheet top to bottom, VI between V and VII.
    QStringList order;
    for (const PanelSpec *p : panelsOf(u"LMDTabSheet1"))
        order << p->name;
    QCOMPARE(order, QStringList({"Panel2", "Panel3", "Panel4", "Panel5", "Panel6", "Panel16", "Panel7"}));

    const Rect page = mainWindow().pageControl;
    for (const PanelSpec &p : panels()) {
        QVERIFY2(p.rect.bottom() <= page.h && p.rect.right() <= page.w, qPrintable(p.name));
        QCOMPARE(p.rect.w, 705);
        QCOMPARE(p.header.rect.w, 703);
        QVERIFY(Rect({0, 0, p.rect.w, p.rect.h}).contains(p.header.rect));
        QVERIFY(p.header.caption.startsWith(QLatin1Char(' ')));
        QCOMPARE(p.header.font.family, QStringLiteral("Tahoma"));
        QVERIFY(p.header.font.bold);
    }
    // Panels of one sheet do not overlap.
    for (const TabSpec &t : tabs()) {
        const auto ps = panelsOf(t.sheet);
        for (size_t i = 1; i < ps.size(); ++i)
            QVERIFY2(ps[i - 1]->rect.bottom() <= ps[i]->rect.y, qPrintable(ps[i]->name));
    }
    QCOMPARE(panel(u"Panel4")->header.caption,
             blanks(5) + "III. AZ ADÓ ALAPJÁNAK EGYSZERUSITETT MEGHATÁROZÁSÁNAK MÓDJÁT VÁLASZTÓK NYILATKOZATA");
    QCOMPARE(panel(u"Panel2")->header.caption, blanks(4) + "I. AZONOSITÓ ADATOK");
    QCOMPARE(panel(u"Panel8")->header.caption, blanks(9) + "IPARŰZÉSI ADÓ EGYSZERŰSITETT MEGHATÁROZÁSI MÓDJA");
    QCOMPARE(panel(u"Panel15")->header.rect.h, 41);
    QVERIFY(panel(u"Panel15")->header.centered);
    QCOMPARE(panel(u"Panel14")->header.rect.h, 25);
    // Only the headers of sections I to V and VII are recoloured; VI keeps its look.
    QStringList highlightable;
    for (const PanelSpec &p : panels())
        if (p.header.highlightable)
            highlightable << p.header.name;
    QCOMPARE(highlightable, QStringList({"LMDFill1", "LMDFill2", "LMDFill3", "LMDFill4", "LMDFill5", "LMDFill6"}));
    QCOMPARE(panel(u"Panel16")->highlights, QStringLiteral("LMDFill6"));
    QCOMPARE(panel(u"Panel12")->enterHandler, QStringLiteral("Panel3Enter"));
    // Group boxes of sheet "E" lie inside their panel.
    QCOMPARE(int(groupBoxes().size()), 3);
    for (const GroupBoxSpec &g : groupBoxes())
        QVERIFY(containerRect(g.panel).contains(g.rect));
    QCOMPARE(groupBox(u"GroupBox3")->font.pixelSize, 11);
}

void TstLayout::fieldsInsideTheirContainers()
{
    for (const FieldLayout &f : fieldLayouts()) {
        if (f.tab.isEmpty())
            continue; // Edit11 lies in the scrolling content
        const Rect box = containerRect(f.container);
        QVERIFY2(!box.isEmpty(), qPrintable(f.name));
        QVERIFY2(box.contains(f.rect), qPrintable(f.name));
        // Below the header bar of its panel.
        if (f.container == f.panel)
            QVERIFY2(f.rect.y >= panel(f.panel)->header.rect.bottom(), qPrintable(f.name));
        for (const LabelSpec *l : {&f.caption, &f.unit, &f.suffix}) {
            if (!l->present())
                continue;
            QCOMPARE(l->container, f.container);
            QVERIFY2(l->rect.x >= 0 && l->rect.y >= 0 && l->rect.x < box.w && l->rect.y < box.h,
                     qPrintable(f.name));
            if (!l->rect.isEmpty())
                QVERIFY2(box.contains(l->rect), qPrintable(f.name));
        }
    }
    for (const LabelSpec &l : labels()) {
        if (l.container == QLatin1String("Panel1"))
            continue;
        QVERIFY2(containerRect(l.container).contains(l.rect), qPrintable(l.lines.value(0)));
    }
}

void TstLayout::noTwoFieldsOverlap()
{
    const auto all = fieldLayouts();
    for (size_t i = 0; i < all.size(); ++i)
        for (size_t j = i + 1; j < all.size(); ++j) {
            const FieldLayout &a = all[i], &b = all[j];
            if (a.container != b.container || !a.visible || !b.visible)
                continue;
            if (a.overlays == b.name || b.overlays == a.name)
                continue; // the amounts of sheet "H" stand in the gaps of their items
            QVERIFY2(!a.rect.intersects(b.rect), qPrintable(a.name + " / " + b.name));
        }
    // The amounts that stand in the radio items do lie within the group.
    for (const char *name : {"PBNumEdit74", "PBNumEdit75", "PBNumEdit76", "PBNumEdit77"})
        QVERIFY(fieldLayout(u"LMDRadioGroup1")->rect.contains(fieldLayout(QString::fromLatin1(name))->rect));
}

// A caption box of fixed size wraps its text; it must leave room for the
// fields and the other captions of its container.
void TstLayout::captionsKeepClearOfOtherFields()
{
    std::vector<std::pair<QString, const LabelSpec *>> boxes;
    for (const FieldLayout &f : fieldLayouts())
        if (f.caption.present() && !f.caption.rect.isEmpty() && f.caption.rect != f.rect)
            boxes.emplace_back(f.name, &f.caption);
    QVERIFY(boxes.size() > 60);
    for (const auto &[owner, cap] : boxes) {
        for (const FieldLayout &f : fieldLayouts())
            if (f.visible && f.container == cap->container)
                QVERIFY2(!cap->rect.intersects(f.rect), qPrintable(owner + " caption / " + f.name));
        for (const auto &[other, cap2] : boxes)
            if (cap2 != cap && cap2->container == cap->container)
                QVERIFY2(!cap->rect.intersects(cap2->rect), qPrintable(owner + " / " + other));
        // A caption reaches down to its own field's row.
        const FieldLayout *own = fieldLayout(owner);
        QVERIFY2(cap->rect.y <= own->rect.y + 2 && cap->rect.bottom() >= own->rect.y, qPrintable(owner));
    }
}

void TstLayout::captions_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("unit");

    QTest::newRow("Edit7") << "Edit7" << QStringList{"Adóazonosító jele (vagy technikai száma): "} << false << "";
    QTest::newRow("DateTimePicker1") << "DateTimePicker1"
                                     << QStringList{"Iparűzési tevékenység megkezdésének időpontja:"} << false << "";
    QTest::newRow("9111") << "PBNumEdit30"
                          << QStringList{"9111. A számviteli törvény szerinti  nettó árbevétel"} << false << "Ft.";
    QTest::newRow("911") << "PBNumEdit1"
                         << QStringList{"911. A Htv. szerinti - vállalkozási szintű - éves nettó árbevétel",
                                        "[9111-9112-9113-9114-9115]"}
                         << true << "Ft.";
    QTest::newRow("921") << "PBNumEdit11"
                         << QStringList{"921. Adómentes adóalap önkormányzati döntés alapján: \"Mentes a helyi "
                                        "iparűzési adó alól az a Htv. 37.§ (1) bekezdése szerinti állandó jellegű "
                                        "iparűzési tevékenységet végző vállalkozó, akinek/amelynek vállalkozási "
                                        "szintű éves adóalapja nem haladja meg a 2,5 millió forintot.\""}
                         << false << "Ft.";
    QTest::newRow("923") << "PBNumEdit15"
                         << QStringList{"923. Adóalapra jutó iparűzési adó összege (922. sor x  2 %)"} << false
                         << "Ft.";
    QTest::newRow("VI row 3") << "PBNumEdit22"
                              << QStringList{"3. Második előlegrészlet az előlegfizetési időszakban ",
                                             "(9.pont 926. sorában szereplő adóösszeg fele)",
                                             "Általános esetben 2011.03.15-ig az APEH felé fizetendő előlegrész"}
                              << false << "Ft.";
    QTest::newRow("D 9112") << "PBNumEdit62"
                            << QStringList{"9112. Befektetett pénzügyi eszközöknek minősülő részvények, részesedések "
                                           "a mérlegkészítés időpontjáig pénzügyileg realizált árfolyamnyereség, "
                                           "továbbá az ilyen befektetések után kapott (járó) osztalék és részesedés "
                                           "együttes összege"}
                            << false << "Ft.";
    QTest::newRow("E 20%") << "PBNumEdit13"
                           << QStringList{"Személyi jövedelemadóról szóló törvény szerinti átalányadó alapjának 20%-a "}
                           << false << "Ft.";
    QTest::newRow("F 105") << "PBNumEdit68"
                           << QStringList{"105. Egyetemes vagy közüzemi szolgáltató, villamosenergia- vagy" + blanks(4)
                                          + "földgázkereskedő villamosenergia vagy földgáz végső fogyasztók részére "
                                            "történő értékesítéséből származó összes számviteli törvény szerinti "
                                            "nettó árbevétele"}
                           << false << "Ft.";
    QTest::newRow("tick box") << "LMDCheckBox1"
                              << QStringList{"Társasági adóelőlegnek az adóévi várható fizetendő adó összegére "
                                             "történő kiegészítésére",
                                             "kötelezett 2009-ben"}
                              << false << "";
    QTest::newRow("H amount") << "PBNumEdit76" << QStringList{} << false << "";
    QTest::newRow("hidden 911") << "PBNumEdit29" << QStringList{} << false << "";
}

void TstLayout::captions()
{
    QFETCH(QString, field);
    QFETCH(QStringList, lines);
    QFETCH(bool, bold);
    QFETCH(QString, unit);
    const FieldLayout *f = fieldLayout(field);
    QVERIFY(f);
    QCOMPARE(f->caption.lines, lines);
    QCOMPARE(f->caption.present(), !lines.isEmpty());
    if (!lines.isEmpty())
        QCOMPARE(f->caption.font.bold, bold);
    QCOMPARE(f->unit.text(), unit);
    if (!unit.isEmpty())
        QCOMPARE(f->unit.rect.x, 640);
}

void TstLayout::rowOrder_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("I") << "Panel2"
                       << QStringList{"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9",
                                      "DateTimePicker1"};
    QTest::newRow("V") << "Panel6"
                       << QStringList{"PBNumEdit30", "PBNumEdit31", "PBNumEdit32", "PBNumEdit33", "PBNumEdit34",
                                      "PBNumEdit1",  "PBNumEdit29", "PBNumEdit2",  "PBNumEdit3",  "PBNumEdit4",
                                      "PBNumEdit5",  "PBNumEdit6",  "PBNumEdit7",  "PBNumEdit8",  "PBNumEdit12",
                                      "PBNumEdit9",  "PBNumEdit10", "PBNumEdit11", "PBNumEdit14", "PBNumEdit15",
                                      "PBNumEdit16", "PBNumEdit17", "PBNumEdit18", "PBNumEdit19", "PBNumEdit20",
                                      "PBNumEdit21", "PBNumEdit28"};
    QTest::newRow("A") << "Panel9"
                       << QStringList{"PBNumEdit35", "PBNumEdit36", "PBNumEdit37", "PBNumEdit38", "PBNumEdit39",
                                      "PBNumEdit41", "PBNumEdit40", "PBNumEdit42"};
    QTest::newRow("B") << "Panel10"
                       << QStringList{"PBNumEdit43", "PBNumEdit44", "PBNumEdit45", "PBNumEdit47", "PBNumEdit48",
                                      "PBNumEdit49", "PBNumEdit46", "PBNumEdit50"};
    QTest::newRow("C") << "Panel11"
                       << QStringList{"PBNumEdit51", "PBNumEdit52", "PBNumEdit53", "PBNumEdit54", "PBNumEdit55",
                                      "PBNumEdit56"};
    QTest::newRow("D") << "Panel12"
                       << QStringList{"PBNumEdit57", "PBNumEdit58", "PBNumEdit62", "PBNumEdit59", "PBNumEdit61",
                                      "PBNumEdit60"};
    QTest::newRow("E top") << "Panel8" << QStringList{"Edit12", "Edit10", "Edit13"};
    QTest::newRow("E box 1") << "GroupBox1" << QStringList{"PBNumEdit23", "PBNumEdit13", "PBNumEdit24"};
    QTest::newRow("F") << "Panel13"
                       << QStringList{"PBNumEdit63", "PBNumEdit67", "PBNumEdit65", "PBNumEdit66", "PBNumEdit68",
                                      "PBNumEdit64", "PBNumEdit70", "PBNumEdit71"};
}

// The fields of a container, read top to bottom (then left to right), are
// the rows of the form in order, and the catalogue lists them in that order.
void TstLayout::rowOrder()
{
    QFETCH(QString, container);
    QFETCH(QStringList, rows);
    std::vector<const FieldLayout *> in;
    for (const FieldLayout &f : fieldLayouts())
        if (f.container == container)
            in.push_back(&f);
    QStringList listed;
    for (const FieldLayout *f : in)
        listed << f->name;
    QCOMPARE(listed, rows);
    std::stable_sort(in.begin(), in.end(), [](const FieldLayout *a, const FieldLayout *b) {
        return a->rect.y != b->rect.y ? a->rect.y < b->rect.y : a->rect.x < b->rect.x;
    });
    QStringList byPlace;
    for (const FieldLayout *f : in)
        byPlace << f->name;
    QCOMPARE(byPlace, rows);
}

void TstLayout::fixedLabels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<Rect>("rect");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("red");

    const QString mandatory = "FIGYELEM!!! A ROVAT KITÖLTÉSE KÖTELEZŐ!";
    QTest::newRow("Label125") << "Label125" << "Panel2" << Rect{24, 40, 406, 20} << mandatory << true;
    QTest::newRow("Label127") << "Label127" << "Panel3" << Rect{32, 48, 406, 20} << mandatory << true;
    QTest::newRow("Label128") << "Label128" << "Panel4" << Rect{16, 40, 406, 20} << mandatory << true;
    QTest::newRow("egyszvaluzenet") << "egyszvaluzenet" << "Panel4" << Rect{16, 248, 585, 20}
                                    << "FIGYELEM!!! A \"E\" JELŰ KIEGÉSZITŐ LAP KITÖLTÉSE KÖTELEZŐ!!!" << true;
    QTest::newRow("LMDRichLabel17") << "LMDRichLabel17" << "Panel5" << Rect{16, 308, 657, 25}
                                    << "FIGYELEM!!! Az F jelű kiegészítő lap kitöltése kötelező!" << true;
    QTest::newRow("LMDRichLabel2")
        << "LMDRichLabel2" << "Panel5" << Rect{16, 152, 657, 65}
        << "( A Htv. mellékletének 2.2 pontjában szereplő vezetékes gázszolgáltatást, villamosenergia-szolgáltatást "
           "közvetlenül a végső fogyasztó részére nyújtó szolgáltatóknak az alábbi pontot nem kell kitölteni.) "
        << true;
    QTest::newRow("Label10") << "Label10" << "Panel1" << Rect{616, 10, 130, 32} << "VKT10002" << false;
}

void TstLayout::fixedLabels()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(Rect, rect);
    QFETCH(QString, text);
    QFETCH(bool, red);
    const LabelSpec *l = label(name);
    QVERIFY(l);
    QCOMPARE(l->container, container);
    QVERIFY(l->rect == rect);
    QCOMPARE(l->text(), text);
    QCOMPARE(l->color == 0xFF0000u, red);
    QVERIFY(l->font.bold);

    // The unnamed captions of sections VI and VII.
    QStringList captions;
    for (const LabelSpec *c : labelsIn(u"Panel16"))
        captions << c->text();
    QCOMPARE(captions, QStringList({"Esedékesség", "Összeg"}));
    QCOMPARE(labelsIn(u"Panel7").size(), size_t(1));
    QCOMPARE(labelsIn(u"Panel7").front()->text(), QStringLiteral("Feltöltési kötelezettségről:"));
    QVERIFY(labelsIn(u"Panel7").front()->font.bold);
}

void TstLayout::grids()
{
    const GridLayout *g = gridLayout(u"AdvStringGrid2");
    QVERIFY(g);
    QCOMPARE(g->columnCaptions,
             QStringList({"", "Alvállalkozó neve", "Pontos címe", "Adószáma", "Kifizetett összeg"}));
    QCOMPARE(g->columnWidths, std::vector<int>({20, 228, 232, 136, 106}));
    QCOMPARE(g->rowNumbers.size(), 10);
    QCOMPARE(g->rowNumbers.last(), QStringLiteral("10"));
    QVERIFY(g->fixedFont.bold && !g->font.bold);
    g = gridLayout(u"AdvStringGrid1");
    QVERIFY(g);
    QCOMPARE(g->columnCaptions.value(4), QStringLiteral("Köztartozáshoz tartozó pénzintézeti számlaszám"));
    QCOMPARE(g->columnWidths, std::vector<int>({20, 295, 232, 121, 290}));
    QCOMPARE(g->rowNumbers, QStringList({"1", "2", "3", "4", "5"}));
    // Row counts agree with the model's tables.
    for (const FieldSpec &s : fieldCatalogue())
        if (s.kind == FieldKind::StringGrid) {
            const GridLayout *gl = gridLayout(QString::fromUtf8(s.name));
            QVERIFY(gl);
            QCOMPARE(gl->rowNumbers.size() + 1, s.rowCount);
            QCOMPARE(int(gl->columnWidths.size()), s.columnCount);
        }
}

void TstLayout::richText()
{
    // Bold run, blanks kept, markup characters escaped.
    const LabelSpec &row2 = fieldLayout(u"PBNumEdit73")->caption;
    QVERIFY(row2.rich);
    const QString html = row2.html();
    QVERIFY(html.contains(QStringLiteral("2. <b>Első előlegrészlet</b> az előlegfizetési időszakban  </p>")));
    QVERIFY(html.contains(QStringLiteral("white-space:pre-wrap")));
    QCOMPARE(html.count(QStringLiteral("<p ")), 3);

    LabelSpec l;
    l.lines = {QStringLiteral("a <b> & \"c\"")};
    QVERIFY(l.html().contains(QStringLiteral("a &lt;b&gt; &amp; &quot;c&quot;")));

    const LabelSpec *heading = label(u"LMDRichLabel1");
    QVERIFY(heading && heading->runs.size() == 3);
    QVERIFY(heading->text().startsWith(QStringLiteral("HELYI IPARŰZÉSI ADÓBEVALLÁS  2009. adóévről")));
    QVERIFY(heading->html().contains(QStringLiteral("font-size:20pt;font-weight:bold;\">HELYI")));
}

QTEST_GUILESS_MAIN(TstLayout)
#include "tst_layout.moc"
