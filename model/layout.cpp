#include "layout.h"

#include <QHash>
#include <algorithm>

namespace vkt::layout {

namespace {

QString blanks(int n) { return QString(n, QLatin1Char(' ')); }

constexpr Rgb kRed = 0xFF0000;
constexpr int kFieldHeight = 21;
constexpr int kAmountX = 536;
constexpr int kAmountWidth = 100;
constexpr int kUnitX = 640;

FontSpec font(const char *family, int pixels, int points, bool bold)
{
    FontSpec f;
    f.family = QString::fromLatin1(family);
    f.pixelSize = pixels;
    f.pointSize = points;
    f.bold = bold;
    return f;
}

FontSpec defaultFont() { return font("MS Sans Serif", 11, 0, false); }

// Section and sheet names ------------------------------------------------

struct Sheet {
    const char *panel;
    const char *tab;
};

// A plain caption that sizes itself, at (x, y) of its container.
LabelSpec plainLabel(const QString &container, int x, int y, QStringList lines,
                     LabelRole role = LabelRole::Caption, bool bold = false)
{
    LabelSpec l;
    l.role = role;
    l.container = container;
    l.rect = {x, y, 0, 0};
    l.lines = std::move(lines);
    l.font = captionFont();
    l.font.bold = bold;
    return l;
}

LabelSpec unitLabel(const QString &container, int x, int fieldY)
{
    LabelSpec l = plainLabel(container, x, fieldY + 2, {QStringLiteral("Ft.")}, LabelRole::Unit);
    return l;
}

// A row caption that wraps in a fixed box: rich text in Arial 11 pt for the
// long ones, a plain label for the short ones.
LabelSpec rowCaption(const QString &container, Rect rect, QStringList lines, bool bold,
                     VAlign valign, QStringList boldRuns = {})
{
    LabelSpec l;
    l.role = LabelRole::Caption;
    l.container = container;
    l.rect = rect;
    const int length = int(lines.join(QLatin1Char(' ')).size());
    l.rich = lines.size() > 1 || length > 60 || !boldRuns.isEmpty();
    l.font = l.rich ? richFont(bold) : captionFont();
    l.font.bold = bold;
    l.lines = std::move(lines);
    l.valign = valign;
    l.wrap = true;
    l.boldRuns = std::move(boldRuns);
    return l;
}

LabelSpec warningLabel(const char *name, const QString &container, Rect rect, const QString &text)
{
    LabelSpec l;
    l.name = QString::fromLatin1(name);
    l.role = LabelRole::Warning;
    l.container = container;
    l.rect = rect;
    l.lines = {text};
    l.font = warningFont();
    l.color = kRed;
    l.background = kButtonFace;
    l.align = Align::Center;
    l.valign = VAlign::Center;
    return l;
}

const QString kMandatory = QStringLiteral("FIGYELEM!!! A ROVAT KITÖLTÉSE KÖTELEZŐ!");

// One amount row of a numeric section.
struct AmountRow {
    const char *name;
    int y;
    QStringList caption;     // empty: none
    bool boldField = false;
    bool boldCaption = false;
    bool hidden = false;
    int x = kAmountX;
};

struct Catalogue {
    std::vector<TabSpec> tabs;
    std::vector<PanelSpec> panels;
    std::vector<GroupBoxSpec> boxes;
    std::vector<FieldLayout> fields;
    std::vector<LabelSpec> labels;
    std::vector<GridLayout> grids;
    WindowSpec window;
    QHash<QString, int> fieldIndex; // lower-case name
    QHash<QString, int> labelIndex;

    Catalogue();

    FieldLayout &add(const QString &name, const QString &tab, const QString &panel,
                     const QString &container, Rect rect, FontSpec f)
    {
        FieldLayout fl;
        fl.name = name;
        fl.tab = tab;
        fl.panel = panel;
        fl.container = container;
        fl.rect = rect;
        fl.font = f;
        fl.bold = f.bold;
        fields.push_back(std::move(fl));
        return fields.back();
    }

    // Rows of amounts: captions at captionX fill the room between the row
    // above and their own field, bottom-aligned; "Ft." after each amount.
    void amountRows(const QString &tab, const QString &panel, const QString &container,
                    int captionX, int firstTop, const std::vector<AmountRow> &rows)
    {
        int top = firstTop;
        for (const AmountRow &r : rows) {
            FieldLayout &f = add(QString::fromLatin1(r.name), tab, panel, container,
                                 {r.x, r.y, kAmountWidth, kFieldHeight}, numberFont(r.boldField));
            f.visible = !r.hidden;
            if (r.hidden)
                continue;
            const int bottom = r.y + kFieldHeight;
            // The last line of the caption sits level with the text of the field.
            if (!r.caption.isEmpty())
                f.caption = rowCaption(container, {captionX, top, kAmountX - 8 - captionX, bottom - 2 - top},
                                       r.caption, r.boldCaption, VAlign::Bottom);
            f.unit = unitLabel(container, kUnitX, r.y);
            top = bottom;
        }
    }

    void addPanel(const char *name, const char *tab, const char *title, Rect rect, const char *header,
                  int headerHeight, const QString &caption, const char *enter, const char *highlights,
                  bool highlightable = false)
    {
        PanelSpec p;
        p.name = QString::fromLatin1(name);
        p.tab = QString::fromLatin1(tab);
        p.title = QString::fromLatin1(title);
        p.rect = rect;
        p.header.name = QString::fromLatin1(header);
        p.header.rect = {1, 0, 703, headerHeight};
        p.header.caption = caption;
        p.header.font = headerFont();
        p.header.highlightable = highlightable;
        p.enterHandler = QString::fromLatin1(enter);
        p.highlights = QString::fromLatin1(highlights);
        panels.push_back(std::move(p));
    }

    void mainSheet();
    void sheetsAtoD();
    void sheetE();
    void sheetF();
    void sheetG();
    void sheetH();
};

Catalogue::Catalogue()
{
    fields.reserve(128);
    // Window -----------------------------------------------------------------
    window.caption = QStringLiteral("Elektronikus nyomtatvány - Kerekvárda Polgármesteri Hivatal");
    window.font = defaultFont();
    window.edit11 = {0, 0, 1, 21};
    window.panel1 = {16, 24, 761, 3400};
    window.pageControl = {16, 96, 729, 3297};

    tabs = {
        {QStringLiteral("1. oldal"), QStringLiteral("LMDTabSheet1"), 0},
        {QStringLiteral("\"A\" lap"), QStringLiteral("LMDTabSheet3"), 1},
        {QStringLiteral("\"B\" lap"), QStringLiteral("LMDTabSheet4"), 2},
        {QStringLiteral("\"C\" lap"), QStringLiteral("LMDTabSheet5"), 3},
        {QStringLiteral("\"D\" lap"), QStringLiteral("LMDTabSheet6"), 4},
        {QStringLiteral("\"E\" lap"), QStringLiteral("LMDTabSheet2"), 5},
        {QStringLiteral("\"F\" lap"), QStringLiteral("LMDTabSheet7"), 6},
        {QStringLiteral("\"G\" lap"), QStringLiteral("LMDTabSheet9"), 7},
        {QStringLiteral("\"H\" lap"), QStringLiteral("LMDTabSheet8"), 8},
    };

    // The heading of the return, inside Panel1.
    {
        LabelSpec h;
        h.name = QStringLiteral("LMDRichLabel1");
        h.role = LabelRole::Heading;
        h.container = QStringLiteral("Panel1");
        h.rect = {24, 8, 577, 129};
        h.font = font("Arial", 0, 12, false);
        h.rich = true;
        h.wrap = true;
        h.runs = {
            {QStringLiteral("HELYI IPARŰZÉSI ADÓBEVALLÁS"), 20, true},
            {blanks(2), 8, false},
            {QStringLiteral("2009. adóévről Kerekvárda Önkormányzat illetékességi területén folytatott "
                            "állandó jellegű iparűzési tevékenység után adókötelezettségről"),
             12, false},
        };
        QString plain;
        for (const TextRun &r : h.runs)
            plain += r.text;
        h.lines = {plain};
        labels.push_back(std::move(h));

        LabelSpec code;
        code.name = QStringLiteral("Label10");
        code.role = LabelRole::Heading;
        code.container = QStringLiteral("Panel1");
        code.rect = {616, 10, 130, 32};
        code.lines = {QStringLiteral("VKT10002")};
        code.font = font("Arial", 27, 0, true);
        labels.push_back(std::move(code));
    }

    mainSheet();
    sheetsAtoD();
    sheetE();
    sheetF();
    sheetG();
    sheetH();

    for (int i = 0; i < int(fields.size()); ++i)
        fieldIndex.insert(fields[i].name.toLower(), i);
    for (int i = 0; i < int(labels.size()); ++i)
        if (!labels[i].name.isEmpty())
            labelIndex.insert(labels[i].name.toLower(), i);
}

void Catalogue::mainSheet()
{
    const QString tab = QStringLiteral("LMDTabSheet1");
    const QString five = blanks(5);
    addPanel("Panel2", "LMDTabSheet1", "I", {8, 12, 705, 421}, "LMDFill1", 27,
             blanks(4) + QStringLiteral("I. AZONOSITÓ ADATOK"), "Panel2Enter", "LMDFill1", true);
    addPanel("Panel3", "LMDTabSheet1", "II", {8, 452, 705, 613}, "LMDFill2", 27,
             five + QStringLiteral("II. BEVALLÁS JELLEGE"), "Panel3Enter", "LMDFill2", true);
    addPanel("Panel4", "LMDTabSheet1", "III", {8, 1080, 705, 433}, "LMDFill3", 27,
             five + QStringLiteral("III. AZ ADÓ ALAPJÁNAK EGYSZERUSITETT MEGHATÁROZÁSÁNAK MÓDJÁT VÁLASZTÓK NYILATKOZATA"),
             "Panel4Enter", "LMDFill3", true);
    addPanel("Panel5", "LMDTabSheet1", "IV", {8, 1524, 705, 333}, "LMDFill4", 27,
             five + QStringLiteral("IV. EGYÉB ADATOK"), "Panel5Enter", "LMDFill4", true);
    addPanel("Panel6", "LMDTabSheet1", "V", {8, 1868, 705, 917}, "LMDFill5", 27,
             five + QStringLiteral("V. AZ ADÓ KISZÁMITÁSA"), "Panel6Enter", "LMDFill5", true);
    addPanel("Panel16", "LMDTabSheet1", "VI", {8, 2796, 705, 349}, "LMDFill15", 27,
             five + QStringLiteral("VI. ADÓELŐLEG BEVALLÁS"), "Panel7Enter", "LMDFill6", false);
    addPanel("Panel7", "LMDTabSheet1", "VII", {8, 3156, 705, 101}, "LMDFill6", 27,
             five + QStringLiteral("VII. ZÁRÓ NYILATKOZATOK"), "Panel7Enter", "LMDFill6", true);

    // Edit11, the focus holder, lies in the scrolling content itself.
    add(QStringLiteral("Edit11"), QString(), QString(), QString(), window.edit11, defaultFont());

    // Section I -------------------------------------------------------------
    {
        const QString p = QStringLiteral("Panel2");
        labels.push_back(warningLabel("Label125", p, {24, 40, 406, 20}, kMandatory));
        struct E { const char *name; int cx, cy; QString caption; int x, y, w; };
        const E edits[] = {
            {"Edit1", 24, 72, QStringLiteral("Adózó neve (cégneve):"), 184, 72, 505},
            {"Edit2", 24, 96, QStringLiteral("Címe (lakóhelye, székhelye):"), 48, 120, 641},
            {"Edit3", 24, 144, QStringLiteral("Telephelye:"), 48, 168, 641},
            {"Edit4", 24, 195, QStringLiteral("Levelezési címe:"), 144, 195, 545},
            {"Edit5", 24, 240, QStringLiteral("Adószáma:"), 104, 240, 201},
            {"Edit6", 344, 240, QStringLiteral("Statisztikai számjele:"), 488, 240, 201},
            {"Edit7", 24, 264, QStringLiteral("Adóazonosító jele (vagy technikai száma): "), 304, 264, 201},
            {"Edit8", 24, 288, QStringLiteral("Bankszámla száma:"), 168, 288, 337},
            {"Edit9", 24, 336, QStringLiteral("A bevallás kitöltőjének neve, telefonszáma:"), 48, 360, 641},
        };
        for (const E &e : edits) {
            FieldLayout &f = add(QString::fromLatin1(e.name), tab, p, p, {e.x, e.y, e.w, kFieldHeight},
                                 defaultFont());
            f.caption = plainLabel(p, e.cx, e.cy, {e.caption});
        }
        FieldLayout &d = add(QStringLiteral("DateTimePicker1"), tab, p, p, {352, 390, 89, kFieldHeight},
                             defaultFont());
        d.caption = plainLabel(p, 24, 392, {QStringLiteral("Iparűzési tevékenység megkezdésének időpontja:")});
    }

    // Section II ------------------------------------------------------------
    {
        const QString p = QStringLiteral("Panel3");
        labels.push_back(warningLabel("Label127", p, {32, 48, 406, 20}, kMandatory));
        FieldLayout &c = add(QStringLiteral("LMDCheckGroup1"), tab, p, p, {24, 80, 665, 193}, defaultFont());
        c.groupCaption = QStringLiteral("Bevallás jellege");
        c.groupCaptionFont = groupCaptionFont();
        FieldLayout &r = add(QStringLiteral("LMDRadioGroup2"), tab, p, p, {24, 288, 665, 273}, defaultFont());
        r.groupCaption = QStringLiteral("Záró bevallás oka");
        r.groupCaptionFont = groupCaptionFont();
        FieldLayout &from = add(QStringLiteral("DateTimePicker2"), tab, p, p, {152, 574, 89, kFieldHeight},
                                defaultFont());
        from.caption = plainLabel(p, 24, 576, {QStringLiteral("Bevallási időszak:")});
        from.suffix = plainLabel(p, 248, 576, {QStringLiteral("-tól")}, LabelRole::Suffix);
        FieldLayout &to = add(QStringLiteral("DateTimePicker3"), tab, p, p, {280, 574, 89, kFieldHeight},
                              defaultFont());
        to.suffix = plainLabel(p, 376, 576, {QStringLiteral("-ig")}, LabelRole::Suffix);
    }

    // Section III -----------------------------------------------------------
    {
        const QString p = QStringLiteral("Panel4");
        labels.push_back(warningLabel("Label128", p, {16, 40, 406, 20}, kMandatory));
        add(QStringLiteral("LMDRadioGroup5"), tab, p, p, {16, 64, 673, 177}, defaultFont());
        labels.push_back(warningLabel("egyszvaluzenet", p, {16, 248, 585, 20},
                                      QStringLiteral("FIGYELEM!!! A \"E\" JELŰ KIEGÉSZITŐ LAP KITÖLTÉSE KÖTELEZŐ!!!")));
        add(QStringLiteral("LMDRadioGroup6"), tab, p, p, {16, 280, 673, 137}, defaultFont());
    }

    // Section IV ------------------------------------------------------------
    {
        const QString p = QStringLiteral("Panel5");
        FieldLayout &g3 = add(QStringLiteral("LMDRadioGroup3"), tab, p, p, {16, 36, 665, 109}, defaultFont());
        g3.groupCaption = QStringLiteral("Könyvvezetés módja");
        g3.groupCaptionFont = groupCaptionFont();

        LabelSpec note;
        note.name = QStringLiteral("LMDRichLabel2");
        note.role = LabelRole::Note;
        note.container = p;
        note.rect = {16, 152, 657, 65};
        note.lines = {QStringLiteral("( A Htv. mellékletének 2.2 pontjában szereplő vezetékes gázszolgáltatást, "
                                     "villamosenergia-szolgáltatást közvetlenül a végső fogyasztó részére nyújtó "
                                     "szolgáltatóknak az alábbi pontot nem kell kitölteni.) ")};
        note.font = richFont(true);
        note.color = kRed;
        note.align = Align::Justify;
        note.wrap = true;
        note.rich = true;
        labels.push_back(std::move(note));

        FieldLayout &g4 = add(QStringLiteral("LMDRadioGroup4"), tab, p, p, {16, 216, 665, 89}, defaultFont());
        g4.groupCaption = QStringLiteral("Alkalmazott adóalap megosztás módszere");
        g4.groupCaptionFont = groupCaptionFont();

        LabelSpec warn;
        warn.name = QStringLiteral("LMDRichLabel17");
        warn.role = LabelRole::Warning;
        warn.container = p;
        warn.rect = {16, 308, 657, 25};
        warn.lines = {QStringLiteral("FIGYELEM!!! Az F jelű kiegészítő lap kitöltése kötelező!")};
        warn.font = richFont(true);
        warn.color = kRed;
        warn.wrap = true;
        warn.rich = true;
        labels.push_back(std::move(warn));
    }

    // Section V -------------------------------------------------------------
    amountRows(tab, QStringLiteral("Panel6"), QStringLiteral("Panel6"), 16, 28, {
        {"PBNumEdit30", 40, {QStringLiteral("9111. A számviteli törvény szerinti") + blanks(2) + QStringLiteral("nettó árbevétel")}},
        {"PBNumEdit31", 72, {QStringLiteral("9112. A társasági adóról és az") + blanks(2)
                             + QStringLiteral("osztalékadóról szóló törvény szerinti jogdíjbevétel")}},
        {"PBNumEdit32", 104, {QStringLiteral("9113. Egyéb szolgáltatások értékeként, illetve egyéb ráfordítások között kimutatott jövedéki adó")}},
        {"PBNumEdit33", 144, {QStringLiteral("9114. Egyéb ráfordítások között kimutatott regisztrációs, energia adó összege")}},
        {"PBNumEdit34", 184, {QStringLiteral("9115. Felszolgálási díj árbevétele")}},
        {"PBNumEdit1", 224, {QStringLiteral("911. A Htv. szerinti - vállalkozási szintű - éves nettó árbevétel"),
                             QStringLiteral("[9111-9112-9113-9114-9115]")}, true, true},
        {"PBNumEdit29", 232, {}, true, false, true, 416},
        {"PBNumEdit2", 256, {QStringLiteral("912. Eladott áruk beszerzési értéke")}},
        {"PBNumEdit3", 280, {QStringLiteral("913. Közvetített szolgáltatások értéke")}},
        {"PBNumEdit4", 304, {QStringLiteral("9131. A 913. sorból az alvállalkozói teljesítmények értéke")}},
        {"PBNumEdit5", 328, {QStringLiteral("914. Anyagköltség")}},
        {"PBNumEdit6", 352, {QStringLiteral("915 Htv. szerinti - vállalkozási szintű - adóalap [911-(912+913+914)]")}, true},
        {"PBNumEdit7", 376, {QStringLiteral("916. A foglalkoztatás növeléséhez kapcsolódó adóalap-mentesség")}},
        {"PBNumEdit8", 416, {QStringLiteral("917. Külföldön létesített telephelyen végzett tevékenységre jutó adóalap mentessége")}},
        {"PBNumEdit12", 440, {QStringLiteral("918 A foglalkoztatás csökkentéséhez kapcsolódó adóalap-növekmény")}},
        {"PBNumEdit9", 480, {QStringLiteral("919. Mentességekkel korrigált Htv. szerinti - vállalkozási szintű - adóalap [(915-916-917)+918]")},
         true, true},
        {"PBNumEdit10", 520, {QStringLiteral("920 Az önkormányzat illetékességi területére jutó - a 919. sorban lévő adóalap "
                                             "megosztása szerinti - települési szintű adóalap")}, false, true},
        {"PBNumEdit11", 592, {QStringLiteral("921. Adómentes adóalap önkormányzati döntés alapján: \"Mentes a helyi iparűzési "
                                             "adó alól az a Htv. 37.§ (1) bekezdése szerinti állandó jellegű iparűzési "
                                             "tevékenységet végző vállalkozó, akinek/amelynek vállalkozási szintű éves "
                                             "adóalapja nem haladja meg a 2,5 millió forintot.\"")}},
        {"PBNumEdit14", 616, {QStringLiteral("922. Az önkormányzati rendelet szerinti adóköteles adóalap ")}},
        {"PBNumEdit15", 640, {QStringLiteral("923. Adóalapra jutó iparűzési adó összege (922. sor x") + blanks(2)
                              + QStringLiteral("2 %)")}, true},
        {"PBNumEdit16", 680, {QStringLiteral("924. Az ideiglenes jellegű iparűzési tevékenység után az adóévben megfizetett "
                                             "és az önkormányzatnál levonható adóátalány összege")}},
        {"PBNumEdit17", 720, {QStringLiteral("925. Kommunális beruházás miatt magánszemély által levonható kedvezmény "
                                             "összege (1995. évi XCVIII. tv. 10. § (2) bek. alapján)")}},
        {"PBNumEdit18", 752, {QStringLiteral("926. Iparűzési adófizetési kötelezettség [923-(924+925)]")}, true},
        {"PBNumEdit19", 776, {QStringLiteral("927. Adóelőlegre befizetett összeg")}},
        {"PBNumEdit20", 800, {QStringLiteral("928. Feltöltési kötelezettség miatt befizetett összeg")}},
        {"PBNumEdit21", 824, {QStringLiteral("929. Különbözet [926-(927+928)]")}, true},
        {"PBNumEdit28", 880, {QStringLiteral("10. Az önkormányzatra jutó adóátalány összege:")}},
    });

    // Section VI ------------------------------------------------------------
    {
        const QString p = QStringLiteral("Panel16");
        FieldLayout &from = add(QStringLiteral("DateTimePicker4"), tab, p, p, {168, 40, 89, kFieldHeight},
                                defaultFont());
        from.caption = plainLabel(p, 16, 44, {QStringLiteral("Előlegfizetési időszak:")});
        from.suffix = plainLabel(p, 264, 44, {QStringLiteral("-tól")}, LabelRole::Suffix);
        FieldLayout &to = add(QStringLiteral("DateTimePicker5"), tab, p, p, {296, 40, 89, kFieldHeight},
                              defaultFont());
        to.suffix = plainLabel(p, 392, 44, {QStringLiteral("-ig")}, LabelRole::Suffix);

        labels.push_back(plainLabel(p, 424, 84, {QStringLiteral("Esedékesség")}, LabelRole::ColumnCaption, true));
        labels.push_back(plainLabel(p, 560, 84, {QStringLiteral("Összeg")}, LabelRole::ColumnCaption, true));

        struct Instalment {
            const char *date;
            const char *amount;
            int y;
            int captionY, captionH;
            QStringList caption;
            QStringList boldRuns;
        };
        const Instalment rows[] = {
            {"DateTimePicker6", "PBNumEdit72", 120, 108, 46,
             {QStringLiteral("1. Az adóhatóság által fizetési meghagyásban/határozatban közölt, "
                             "2010. március 16-ig esedékes előleg")},
             {}},
            {"DateTimePicker7", "PBNumEdit73", 240, 156, 110,
             {QStringLiteral("2. Első előlegrészlet az előlegfizetési időszakban") + blanks(2),
              QStringLiteral("(9. pont 926. sorában szereplő adóösszeg csökkentve az önkormányzat fizetési "
                             "meghagyása/határozata alapján 2010. március 16-án fizetendő előleggel)"),
              QStringLiteral("Általános esetben 2010.09.15-ig az APEH felé fizetendő előlegrész")},
             {QStringLiteral("Első előlegrészlet")}},
            {"DateTimePicker8", "PBNumEdit22", 312, 268, 78,
             {QStringLiteral("3. Második előlegrészlet az előlegfizetési időszakban "),
              QStringLiteral("(9.pont 926. sorában szereplő adóösszeg fele)"),
              QStringLiteral("Általános esetben 2011.03.15-ig az APEH felé fizetendő előlegrész")},
             {QStringLiteral("Második előlegrészlet")}},
        };
        for (const Instalment &r : rows) {
            add(QString::fromLatin1(r.date), tab, p, p, {424, r.y, 89, kFieldHeight}, defaultFont());
            FieldLayout &a = add(QString::fromLatin1(r.amount), tab, p, p,
                                 {kAmountX, r.y, kAmountWidth, kFieldHeight}, numberFont());
            a.caption = rowCaption(p, {16, r.captionY, 401, r.captionH}, r.caption, false, VAlign::Top,
                                   r.boldRuns);
            a.caption.rich = true;
            a.caption.font = richFont();
            a.unit = unitLabel(p, kUnitX, r.y);
        }
    }

    // Section VII -----------------------------------------------------------
    {
        const QString p = QStringLiteral("Panel7");
        labels.push_back(plainLabel(p, 24, 32, {QStringLiteral("Feltöltési kötelezettségről:")},
                                    LabelRole::ColumnCaption, true));
        FieldLayout &c = add(QStringLiteral("LMDCheckBox1"), tab, p, p, {24, 56, 657, 41}, defaultFont());
        // The tick box carries its caption itself, top-left, wrapping.
        c.caption.role = LabelRole::Caption;
        c.caption.container = p;
        c.caption.rect = c.rect;
        c.caption.lines = {QStringLiteral("Társasági adóelőlegnek az adóévi várható fizetendő adó összegére "
                                          "történő kiegészítésére"),
                           QStringLiteral("kötelezett 2009-ben")};
        c.caption.font = font("MS Sans Serif", 13, 0, false);
        c.caption.wrap = true;
        c.checkSpacing = 4;
    }
}

void Catalogue::sheetsAtoD()
{
    const QString five = blanks(5);
    addPanel("Panel9", "LMDTabSheet3", "A", {8, 12, 705, 293}, "LMDFill8", 27,
             five + QStringLiteral("HITELINTÉZETEK ÉS PÉNZÜGYI VÁLLALKOZÁSOK NETTÓ ÁRBEVÉTELÉNEK KISZÁMITÁSA"),
             "Panel3Enter", "LMDFill2");
    const QString line911 = QStringLiteral("911. A Htv. szerinti - vállalkozási szintű - éves nettó árbevétel");
    amountRows(QStringLiteral("LMDTabSheet3"), QStringLiteral("Panel9"), QStringLiteral("Panel9"), 16, 28, {
        {"PBNumEdit35", 56, {line911, QStringLiteral("[(9111+9112+9113+9114+9115+9116)-9117]")}, true},
        {"PBNumEdit36", 80, {QStringLiteral("9111. Kapott kamatok és kamatjellegű bevételek")}},
        {"PBNumEdit37", 104, {QStringLiteral("9112. Egyéb pénzügyi szolgáltatás bevételei")}},
        {"PBNumEdit38", 128, {QStringLiteral("9113. Nem pénzügyi és befektetési szolgáltatás nettó árbevétele")}},
        {"PBNumEdit39", 152, {QStringLiteral("9114. Befektetési szolgáltatás bevétele")}},
        {"PBNumEdit41", 192, {QStringLiteral("9115. Fedezeti ügyletek veszteségének/nyereségének nyereségjellegű különbözete")}},
        {"PBNumEdit40", 232, {QStringLiteral("9116. Alapügyletek (fedezett tételek) nyereségének/veszteségének nyereségjellegű különbözete")}},
        {"PBNumEdit42", 256, {QStringLiteral("9117. Fizetett kamatok és kamatjellegű ráfordítások")}},
    });

    addPanel("Panel10", "LMDTabSheet4", "B", {8, 12, 705, 357}, "LMDFill9", 27,
             five + QStringLiteral("BIZTOSITÓK NETTÓ ÁRBEVÉTELÉNEK KISZÁMITÁSA"), "Panel3Enter", "LMDFill2");
    amountRows(QStringLiteral("LMDTabSheet4"), QStringLiteral("Panel10"), QStringLiteral("Panel10"), 16, 28, {
        {"PBNumEdit43", 56, {line911, QStringLiteral("[(9111+9112+9113+9114+9115+9116)-9117]")}, true},
        {"PBNumEdit44", 80, {QStringLiteral("9111. Biztosítástechnikai eredmény")}},
        {"PBNumEdit45", 104, {QStringLiteral("9112. Nettó muködési költségek")}},
        {"PBNumEdit47", 160, {QStringLiteral("9113. Befektetésekből származó biztosítástechnikai ráfordítások (csak "
                                             "életbiztosítási ágnál) és az egyéb biztosítástechnikai ráfordítások "
                                             "együttes összege")}},
        {"PBNumEdit48", 200, {QStringLiteral("9114. Fedezeti ügyletek nyereségének/veszteségének nyereségjellegű különbözete")}},
        {"PBNumEdit49", 240, {QStringLiteral("9115. Alapügyletek (fedezett tételek) nyereségének/veszteségének nyereségjellegű különbözete")}},
        {"PBNumEdit46", 280, {QStringLiteral("9116. Nem biztosítási tevékenység bevétele, befektetések nettó árbevétele, "
                                             "a Htv. 52. § 22. c) alpontja szerint egyéb növelő tételek")}},
        {"PBNumEdit50", 320, {QStringLiteral("9117. Htv. 52. § 22. c) alpontjában foglalt csökkentések")}},
    });

    addPanel("Panel11", "LMDTabSheet5", "C", {8, 12, 705, 245}, "LMDFill10", 27,
             five + QStringLiteral("BEFEKTETÉSI VÁLLALKOZÁSOK NETTÓ ÁRBEVÉTELÉNEK KISZÁMITÁSA"), "Panel3Enter",
             "LMDFill2");
    amountRows(QStringLiteral("LMDTabSheet5"), QStringLiteral("Panel11"), QStringLiteral("Panel11"), 16, 28, {
        {"PBNumEdit51", 56, {line911, QStringLiteral("(9111+9112+9113+9114+9115)")}, true},
        {"PBNumEdit52", 80, {QStringLiteral("9111. Kapott kamatok és kamatjellegű bevételek együttes összege")}},
        {"PBNumEdit53", 104, {QStringLiteral("9112. Befektetési szolgáltatási tevékenység bevételei")}},
        {"PBNumEdit54", 128, {QStringLiteral("9113. Nem befektetési szolgáltatási tevékenység bevétele")}},
        {"PBNumEdit55", 168, {QStringLiteral("9114. Fedezeti ügyletek nyereségének/veszteségének nyereségjellegű különbözete")}},
        {"PBNumEdit56", 208, {QStringLiteral("9115. Alapügyletek (fedezett tételek) nyereségének/veszteségének nyereségjellegű különbözete")}},
    });

    addPanel("Panel12", "LMDTabSheet6", "D", {8, 12, 705, 317}, "LMDFill11", 27,
             five + QStringLiteral("KOCKÁZATI TŐKETÁRSASÁGOK ÉS KOCKÁZATI TŐKEALAPOK NETTÓ ÁRBEVÉTELÉNEK KISZÁMITÁSA"),
             "Panel3Enter", "LMDFill2");
    amountRows(QStringLiteral("LMDTabSheet6"), QStringLiteral("Panel12"), QStringLiteral("Panel12"), 16, 28, {
        {"PBNumEdit57", 56, {line911, QStringLiteral("[9111+9112-(9113+9114+9115)]")}, true},
        {"PBNumEdit58", 80, {QStringLiteral("9111. A számviteli törvény szerinti nettó árbevétel")}},
        {"PBNumEdit62", 152, {QStringLiteral("9112. Befektetett pénzügyi eszközöknek minősülő részvények, részesedések a "
                                             "mérlegkészítés időpontjáig pénzügyileg realizált árfolyamnyereség, továbbá "
                                             "az ilyen befektetések után kapott (járó) osztalék és részesedés együttes "
                                             "összege")}},
        {"PBNumEdit59", 200, {QStringLiteral("9113. A társasági adóról és az osztalékadóról szóló törvény szerinti "
                                             "jogdíjból származó, árbevételként elszámolt ellenérték")}},
        {"PBNumEdit61", 240, {QStringLiteral("9114. Egyéb szolgáltatások értékeként, illetve egyéb ráfordítások között "
                                             "kimutatott jövedéki adó")}},
        {"PBNumEdit60", 280, {QStringLiteral("9115. Egyéb ráfordítások között kimutatott, az adóhatósággal elszámolt "
                                             "regisztrációs adó, energia adó összege")}},
    });
}

void Catalogue::sheetE()
{
    const QString tab = QStringLiteral("LMDTabSheet2");
    const QString p = QStringLiteral("Panel8");
    addPanel("Panel8", "LMDTabSheet2", "E", {16, 20, 705, 517}, "LMDFill7", 27,
             blanks(9) + QStringLiteral("IPARŰZÉSI ADÓ EGYSZERŰSITETT MEGHATÁROZÁSI MÓDJA"), "Panel3Enter",
             "LMDFill2");
    struct E { const char *name; int cy; QString caption; int x, y, w; };
    const E edits[] = {
        {"Edit12", 48, QStringLiteral("Adózó neve (cégneve):"), 184, 48, 505},
        {"Edit10", 83, QStringLiteral("Adószáma:"), 184, 80, 201},
        {"Edit13", 115, QStringLiteral("Adóazonosító jele (vagy technikai száma): "), 312, 112, 305},
    };
    for (const E &e : edits) {
        FieldLayout &f = add(QString::fromLatin1(e.name), tab, p, p, {e.x, e.y, e.w, kFieldHeight}, defaultFont());
        f.caption = plainLabel(p, 24, e.cy, {e.caption});
    }

    const FontSpec boxFont = font("Arial", 13, 0, true);
    FontSpec smallBoxFont = boxFont;
    smallBoxFont.pixelSize = 11;
    boxes = {
        {QStringLiteral("GroupBox1"), p, {17, 160, 672, 121},
         QStringLiteral("I. A személyi jövedelemadóról szóló törvény szerinti átalányadózó magánszemélyek"), boxFont},
        {QStringLiteral("GroupBox2"), p, {17, 296, 672, 89},
         QStringLiteral("II. Egyéb (nem átalányadózó) adózók iparűzési adóalapjának egyszerűsített "
                        "meghatározási módja"),
         boxFont},
        {QStringLiteral("GroupBox3"), p, {17, 408, 672, 89},
         QStringLiteral("III. Egyszerűsített vállalkozói adó hatálya alá tartozó adózók iparűzési adóalapjának "
                        "egyszerűsített meghatározási módja"),
         smallBoxFont},
    };
    amountRows(tab, p, QStringLiteral("GroupBox1"), 24, 18, {
        {"PBNumEdit23", 28, {QStringLiteral("Személyi jövedelemadóról szóló törvény szerinti átalányadó alapja ")}},
        {"PBNumEdit13", 52, {QStringLiteral("Személyi jövedelemadóról szóló törvény szerinti átalányadó alapjának 20%-a ")},
         true},
        {"PBNumEdit24", 76, {QStringLiteral("Átalányadózók iparűzési adóalapja ")}, true},
    });
    amountRows(tab, p, QStringLiteral("GroupBox2"), 24, 18, {
        {"PBNumEdit26", 28, {QStringLiteral("Helyi adókról szóló 1990. évi C. törvény szerinti nettó árbevétel")}},
        {"PBNumEdit25", 52, {QStringLiteral("Nettó árbevétel 80%-a ")}, true},
    });
    amountRows(tab, p, QStringLiteral("GroupBox3"), 24, 18, {
        {"PBNumEdit69", 28, {QStringLiteral("Egyszerűsített vállalkozói adó alapja")}},
        {"PBNumEdit27", 52, {QStringLiteral("Egyszerűsített vállalkozói adó alapjának 50%-a")}, true},
    });
}

void Catalogue::sheetF()
{
    addPanel("Panel13", "LMDTabSheet7", "F", {8, 12, 705, 557}, "LMDFill12", 27,
             blanks(5) + QStringLiteral("A VÁLLALKOZÁSI SZINTŰ ADÓALAP MEGOSZTÁSA"), "Panel3Enter", "LMDFill2");
    amountRows(QStringLiteral("LMDTabSheet7"), QStringLiteral("Panel13"), QStringLiteral("Panel13"), 16, 28, {
        {"PBNumEdit63", 56, {QStringLiteral("101. A vállalkozás által az adóévben - a Htv. melléklete szerint - "
                                            "figyelembe veendő összes személyi jellegű ráfordítás összege")}},
        {"PBNumEdit67", 112, {QStringLiteral("102. Az önkormányzat illetékességi területén foglalkoztatottak után az "
                                             "adóévben - a Htv. melléklete szerint - figyelembe veendő személyi jellegű "
                                             "ráfordítás összege")}},
        {"PBNumEdit65", 168, {QStringLiteral("103. A vállalkozásnak az adóévben a székhely, telephely szerinti "
                                             "településekhez tartozó - a Htv. melléklete szerinti - összes eszközérték "
                                             "összege")}},
        {"PBNumEdit66", 208, {QStringLiteral("104. Az önkormányzat illetékességi területén figyelembe veendő - a Htv. "
                                             "melléklete szerinti - eszközérték összege")}},
        {"PBNumEdit68", 264, {QStringLiteral("105. Egyetemes vagy közüzemi szolgáltató, villamosenergia- vagy") + blanks(4)
                              + QStringLiteral("földgázkereskedő villamosenergia vagy földgáz végső fogyasztók részére "
                                               "történő értékesítéséből származó összes számviteli törvény szerinti "
                                               "nettó árbevétele")}},
        {"PBNumEdit64", 360, {QStringLiteral("106. Egyetemes vagy közüzemi szolgáltató, villamosenergia- vagy "
                                             "földgázkereskedő villamosenergia vagy földgáz végső fogyasztók részére "
                                             "történő értékesítéséből származó az önkormányzat illetékességi területére "
                                             "jutó számviteli törvény szerinti nettó árbevétele.")}},
        {"PBNumEdit70", 424, {QStringLiteral("107. Villamos energia elosztó hálózati engedélyes és földgázelosztói "
                                             "engedélyes esetén az összes végső fogyasztónak továbbított "
                                             "villamosenergia vagy földgáz mennyisége")}},
        {"PBNumEdit71", 488, {QStringLiteral("108. Villamos energia elosztó hálózati engedélyes és földgázelosztói "
                                             "engedélyes esetén az önkormányzat illetékességi területén lévő végső "
                                             "fogyasztónak továbbított villamosenergia vagy földgáz mennyisége")}},
    });
}

GridLayout grid(const char *name, QStringList captions, std::vector<int> widths, int rows)
{
    GridLayout g;
    g.name = QString::fromLatin1(name);
    g.columnCaptions = std::move(captions);
    g.columnWidths = std::move(widths);
    for (int r = 1; r <= rows; ++r)
        g.rowNumbers << QString::number(r);
    g.font = font("Tahoma", 11, 0, false);
    g.fixedFont = font("Tahoma", 11, 0, true);
    return g;
}

void Catalogue::sheetG()
{
    const QString p = QStringLiteral("Panel15");
    addPanel("Panel15", "LMDTabSheet9", "G", {8, 12, 705, 421}, "LMDFill14", 41,
             blanks(5) + QStringLiteral("NYILATKOZAT AZ ÖNKORMÁNYZAT ILLETÉTÉKESSÉGI TERÜLETÉRE JUTÓ ALVÁLLALKOZÓI "
                                        "TELJESITMÉNYEK ÉRTÉKÉROL (9131 SOR)"),
             "Panel3Enter", "LMDFill2");
    panels.back().header.centered = true;
    panels.back().header.wrap = true;
    add(QStringLiteral("AdvStringGrid2"), QStringLiteral("LMDTabSheet9"), p, p, {16, 56, 673, 257},
        font("Tahoma", 11, 0, false));
    grids.push_back(grid("AdvStringGrid2",
                         {QString(), QStringLiteral("Alvállalkozó neve"), QStringLiteral("Pontos címe"),
                          QStringLiteral("Adószáma"), QStringLiteral("Kifizetett összeg")},
                         {20, 228, 232, 136, 106}, 10));

    LabelSpec note;
    note.role = LabelRole::Note;
    note.container = p;
    note.rect = {16, 320, 673, 97};
    note.lines = {QStringLiteral("Alvállalkozói teljesítések értéke: az adóalany által továbbszámlázott, olyan "
                                 "alvállalkozói teljesítés értéke, amelynek végzése során az adóalany mind "
                                 "megrendelőjével, mind alvállalkozójával a Polgári Törvényköny szerinti vállalkozási "
                                 "szerződéses kapcsolatban áll, feltéve azzal az adóalany eladott áruk beszerzési "
                                 "értékeként vagy anyagköltségként nettó árbevételét nem csökkentette"),
                  QStringLiteral("(Helyi adókról szóló - többször módosított - 1990. évi C. törvény VII. fejezet "
                                 "40. pontja") + blanks(19)};
    note.font = richFont();
    note.wrap = true;
    note.rich = true;
    labels.push_back(std::move(note));
}

void Catalogue::sheetH()
{
    const QString tab = QStringLiteral("LMDTabSheet8");
    const QString up = QStringLiteral("Panel14");
    const QString down = QStringLiteral("Panel17");
    addPanel("Panel14", "LMDTabSheet8", "H", {8, 12, 705, 277}, "LMDFill13", 25,
             blanks(5) + QStringLiteral("NYILATKOZAT TÚLFIZETÉSRŐL"), "Panel3Enter", "LMDFill2");
    addPanel("Panel17", "LMDTabSheet8", "H", {8, 300, 705, 197}, "LMDFill16", 25,
             blanks(5) + QStringLiteral("MÁS ADÓNEMBEN NYILVÁNTARTOTT LEJÁRT ESEDÉKESSÉGŰ KÖZTARTOZÁSRA ÁTVEZETENDŐ "
                                        "ÖSSZEGEK"),
             "Panel3Enter", "LMDFill2");
    add(QStringLiteral("LMDRadioGroup1"), tab, up, up, {16, 36, 673, 229}, defaultFont());
    struct A { const char *name; int x, y; };
    const A amounts[] = {{"PBNumEdit74", 160, 96}, {"PBNumEdit75", 160, 128},
                         {"PBNumEdit76", 408, 128}, {"PBNumEdit77", 160, 176}};
    for (const A &a : amounts) {
        FieldLayout &f = add(QString::fromLatin1(a.name), tab, up, up, {a.x, a.y, kAmountWidth, kFieldHeight},
                             numberFont());
        f.overlays = QStringLiteral("LMDRadioGroup1");
    }
    add(QStringLiteral("AdvStringGrid1"), tab, down, down, {16, 36, 673, 153}, font("Tahoma", 11, 0, false));
    grids.push_back(grid("AdvStringGrid1",
                         {QString(), QStringLiteral("Köztartozást nyilvántartó intézmény"),
                          QStringLiteral("Köztartozás fajtája"), QStringLiteral("Összege"),
                          QStringLiteral("Köztartozáshoz tartozó pénzintézeti számlaszám")},
                         {20, 295, 232, 121, 290}, 5));
}

const Catalogue &cat()
{
    static const Catalogue c;
    return c;
}

QString htmlEscaped(const QString &s) { return s.toHtmlEscaped(); }

} // namespace

// ---------------------------------------------------------------------------

QString LabelSpec::text() const { return lines.join(QLatin1Char('\n')); }

QString LabelSpec::html() const
{
    const QString pre = QStringLiteral("white-space:pre-wrap;");
    if (!runs.empty()) {
        QString out = QStringLiteral("<p style=\"margin:0;%1\">").arg(pre);
        for (const TextRun &r : runs) {
            QString style;
            if (r.pointSize > 0)
                style += QStringLiteral("font-size:%1pt;").arg(r.pointSize);
            if (r.bold)
                style += QStringLiteral("font-weight:bold;");
            out += QStringLiteral("<span style=\"%1\">%2</span>").arg(style, htmlEscaped(r.text));
        }
        return out + QStringLiteral("</p>");
    }
    const char *alignName = align == Align::Center ? "center"
        : align == Align::Right                    ? "right"
        : align == Align::Justify                  ? "justify"
                                                   : "left";
    QString out;
    for (const QString &line : lines) {
        QString body = htmlEscaped(line);
        for (const QString &run : boldRuns) {
            const QString escaped = htmlEscaped(run);
            const int at = int(body.indexOf(escaped));
            if (at >= 0)
                body.replace(at, escaped.size(), QStringLiteral("<b>") + escaped + QStringLiteral("</b>"));
        }
        out += QStringLiteral("<p style=\"margin:0;%1\" align=\"%2\">%3</p>")
                   .arg(pre, QLatin1String(alignName), body);
    }
    return out;
}

const HeaderLook &highlightedLook()
{
    static const HeaderLook look{0xFBE694, 0xEE9515, 0x000000, false};
    return look;
}

const HeaderLook &dimmedLook()
{
    static const HeaderLook look{0xD2CFBE, 0xD2CFBE, 0x4F5045, false};
    return look;
}

const HeaderLook &formLook()
{
    static const HeaderLook look{0xFBE694, 0xEE9515, 0x000000, true};
    return look;
}

const WindowSpec &mainWindow() { return cat().window; }

FontSpec captionFont() { return font("Arial", 15, 0, false); }
FontSpec richFont(bool bold) { return font("Arial", 0, 11, bold); }
FontSpec numberFont(bool bold) { return font("MS Sans Serif", 11, 0, bold); }
FontSpec warningFont() { return font("MS Sans Serif", 16, 0, true); }
FontSpec headerFont() { return font("Tahoma", 13, 0, true); }
FontSpec groupCaptionFont() { return font("MS Sans Serif", 13, 0, true); }

std::span<const TabSpec> tabs() { return cat().tabs; }

const TabSpec *tab(QStringView sheet)
{
    for (const TabSpec &t : cat().tabs)
        if (t.sheet.compare(sheet, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

std::span<const PanelSpec> panels() { return cat().panels; }

const PanelSpec *panel(QStringView name)
{
    for (const PanelSpec &p : cat().panels)
        if (p.name.compare(name, Qt::CaseInsensitive) == 0)
            return &p;
    return nullptr;
}

std::vector<const PanelSpec *> panelsOf(QStringView sheet)
{
    std::vector<const PanelSpec *> out;
    for (const PanelSpec &p : cat().panels)
        if (p.tab.compare(sheet, Qt::CaseInsensitive) == 0)
            out.push_back(&p);
    std::stable_sort(out.begin(), out.end(),
                     [](const PanelSpec *a, const PanelSpec *b) { return a->rect.y < b->rect.y; });
    return out;
}

std::span<const GroupBoxSpec> groupBoxes() { return cat().boxes; }

const GroupBoxSpec *groupBox(QStringView name)
{
    for (const GroupBoxSpec &g : cat().boxes)
        if (g.name.compare(name, Qt::CaseInsensitive) == 0)
            return &g;
    return nullptr;
}

std::span<const FieldLayout> fieldLayouts() { return cat().fields; }

const FieldLayout *fieldLayout(QStringView name)
{
    const Catalogue &c = cat();
    const auto it = c.fieldIndex.constFind(name.toString().toLower());
    return it == c.fieldIndex.cend() ? nullptr : &c.fields[*it];
}

std::span<const LabelSpec> labels() { return cat().labels; }

const LabelSpec *label(QStringView name)
{
    const Catalogue &c = cat();
    const auto it = c.labelIndex.constFind(name.toString().toLower());
    return it == c.labelIndex.cend() ? nullptr : &c.labels[*it];
}

std::vector<const LabelSpec *> labelsIn(QStringView container)
{
    std::vector<const LabelSpec *> out;
    for (const LabelSpec &l : cat().labels)
        if (l.container.compare(container, Qt::CaseInsensitive) == 0)
            out.push_back(&l);
    return out;
}

std::span<const GridLayout> grids() { return cat().grids; }

const GridLayout *gridLayout(QStringView name)
{
    for (const GridLayout &g : cat().grids)
        if (g.name.compare(name, Qt::CaseInsensitive) == 0)
            return &g;
    return nullptr;
}

QString sheetOf(QStringView container)
{
    if (const TabSpec *t = tab(container))
        return t->sheet;
    if (const GroupBoxSpec *g = groupBox(container))
        container = g->panel;
    if (const PanelSpec *p = panel(container))
        return p->tab;
    return QString();
}

} // namespace vkt::layout
