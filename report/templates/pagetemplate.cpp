#include "report/templates/pagetemplate.h"

#include "model/error.h"

#include <QFile>
#include <QPageSize>
#include <QRegularExpression>

#include <algorithm>

// The resources of a static library must be registered by hand, from the
// global namespace.
static void initTemplateResources()
{
    Q_INIT_RESOURCE(templates);
}

namespace vkt::report {

// ---------------------------------------------------------------- fonts ---

const std::vector<FontSpec> &fontSpecs()
{
    static const std::vector<FontSpec> specs = {
        {QStringLiteral("S6"), QStringLiteral("Tahoma"), 8, 6.0, false, false},
        {QStringLiteral("S8"), QStringLiteral("Tahoma"), 11, 8.25, false, false},
        {QStringLiteral("S8B"), QStringLiteral("Tahoma"), 11, 8.25, true, false},
        {QStringLiteral("S10"), QStringLiteral("Tahoma"), 13, 9.75, false, false},
        {QStringLiteral("S10B"), QStringLiteral("Tahoma"), 13, 9.75, true, false},
        {QStringLiteral("S10W"), QStringLiteral("Tahoma"), 13, 9.75, true, true},
        {QStringLiteral("S11B"), QStringLiteral("Tahoma"), 15, 11.25, true, false},
        {QStringLiteral("S28B"), QStringLiteral("Tahoma"), 37, 27.75, true, false},
        {QStringLiteral("G9B"), QStringLiteral("Franklin Gothic Medium"), 12, 9.0, true, false},
        {QStringLiteral("G14B"), QStringLiteral("Franklin Gothic Medium"), 19, 14.25, true, false},
        {QStringLiteral("A16"), QStringLiteral("Arial"), 21, 15.75, false, false},
    };
    return specs;
}

const FontSpec *findFont(const QString &key)
{
    for (const FontSpec &f : fontSpecs())
        if (f.key == key)
            return &f;
    return nullptr;
}

QFont makeFont(const FontSpec &def)
{
    QFont font(def.family);
    font.setPointSizeF(def.pointSize);
    font.setBold(def.bold);
    return font;
}

// -------------------------------------------------------------- objects ---

Qt::Alignment TextBox::qtAlignment() const
{
    Qt::Alignment a;
    switch (hAlign) {
    case HAlign::Left: a = Qt::AlignLeft; break;
    case HAlign::Center: a = Qt::AlignHCenter; break;
    case HAlign::Right: a = Qt::AlignRight; break;
    case HAlign::Justify: a = Qt::AlignJustify; break;
    }
    switch (vAlign) {
    case VAlign::Top: a |= Qt::AlignTop; break;
    case VAlign::Middle: a |= Qt::AlignVCenter; break;
    case VAlign::Bottom: a |= Qt::AlignBottom; break;
    }
    return a;
}

QColor Box::fillColor() const
{
    return grey ? QColor(240, 240, 240) : QColor();
}

QSizeF PageTemplate::printableMm() const
{
    return {paperMm.width() - marginsMm.left() - marginsMm.right(),
            paperMm.height() - marginsMm.top() - marginsMm.bottom()};
}

QPageLayout PageTemplate::pageLayout() const
{
    return QPageLayout(QPageSize(QPageSize::A4),
                       orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       marginsMm, QPageLayout::Millimeter);
}

namespace {

template <typename T> T *findNamed(std::vector<T> &items, const QString &name)
{
    if (name.isEmpty())
        return nullptr;
    auto it = std::find_if(items.begin(), items.end(), [&](const T &item) {
        return item.name.compare(name, Qt::CaseInsensitive) == 0;
    });
    return it == items.end() ? nullptr : &*it;
}

template <typename T> const T *findNamed(const std::vector<T> &items, const QString &name)
{
    return findNamed(const_cast<std::vector<T> &>(items), name);
}

} // namespace

TextBox *PageTemplate::findText(const QString &name) { return findNamed(texts, name); }
const TextBox *PageTemplate::findText(const QString &name) const { return findNamed(texts, name); }
Box *PageTemplate::findBox(const QString &name) { return findNamed(boxes, name); }
const Box *PageTemplate::findBox(const QString &name) const { return findNamed(boxes, name); }
Line *PageTemplate::findLine(const QString &name) { return findNamed(lines, name); }
const Line *PageTemplate::findLine(const QString &name) const { return findNamed(lines, name); }
Picture *PageTemplate::findPicture(const QString &name) { return findNamed(pictures, name); }
Barcode *PageTemplate::findBarcode(const QString &name) { return findNamed(barcodes, name); }
const Barcode *PageTemplate::findBarcode(const QString &name) const { return findNamed(barcodes, name); }

bool PageTemplate::hasObject(const QString &name) const
{
    return findText(name) || findBox(name) || findLine(name) || findBarcode(name)
        || findNamed(pictures, name);
}

QStringList PageTemplate::slotNames() const
{
    QStringList names;
    for (const TextBox &t : texts)
        names += report::slotNames(t.text);
    names.sort();
    names.removeDuplicates();
    return names;
}

PageTemplate *findPage(std::vector<PageTemplate> &pages, const QString &name)
{
    return findNamed(pages, name);
}

const PageTemplate *findPage(const std::vector<PageTemplate> &pages, const QString &name)
{
    return findNamed(pages, name);
}

// ---------------------------------------------------------------- slots ---

static const QRegularExpression &slotPattern()
{
    static const QRegularExpression re(QStringLiteral(R"(\[([A-Za-z][A-Za-z0-9_]*)\])"));
    return re;
}

QStringList slotNames(const QString &text)
{
    QStringList names;
    auto it = slotPattern().globalMatch(text);
    while (it.hasNext())
        names << it.next().captured(1);
    return names;
}

QString expandSlots(const QString &text,
                    const std::function<std::optional<QString>(const QString &name)> &value)
{
    QString out;
    qsizetype pos = 0;
    auto it = slotPattern().globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(text).mid(pos, m.capturedStart() - pos);
        if (std::optional<QString> v = value(m.captured(1)))
            out += *v;
        else
            out += m.captured(0);
        pos = m.capturedEnd();
    }
    out += QStringView(text).mid(pos);
    return out;
}

// --------------------------------------------------------------- parser ---

namespace {

struct Token {
    QString text;
    bool quoted = false;
};

class Parser {
public:
    Parser(const QString &source, const QString &fileName) : m_source(source), m_file(fileName) {}

    PageTemplate parse();

private:
    [[noreturn]] void fail(const QString &what) const
    {
        throw Error(QStringLiteral("%1:%2: %3").arg(m_file).arg(m_lineNo).arg(what));
    }

    QList<Token> tokenize(const QString &line) const;
    double number(const Token &t) const;
    int integer(const Token &t) const;
    void expectWord(const QList<Token> &toks, int i, const char *word) const;
    void needCount(const QList<Token> &toks, int min, int max, const char *usage) const;
    void checkNewName(const QString &name) const;
    // The rectangle of the tokens X Y W H from `first` on, in millimetres.
    QRectF place(const QList<Token> &toks, int first) const;

    void parsePage(const QList<Token> &toks);
    void parseStrip(const QList<Token> &toks);
    void parseText(const QList<Token> &toks);
    void parseTextLine(const QList<Token> &toks);
    void parseBold(const QList<Token> &toks);
    void parseBox(const QList<Token> &toks);
    void parseHRule(const QList<Token> &toks);
    void parseVRule(const QList<Token> &toks);
    void parseXMark(const QList<Token> &toks);
    void parsePicture(const QList<Token> &toks);
    void parseBarcode(const QList<Token> &toks);
    void finishText();

    const QString &m_source;
    const QString &m_file;
    int m_lineNo = 0;
    PageTemplate m_page;
    bool m_havePage = false;

    // The text box being read, with its lines and bold parts.
    std::optional<TextBox> m_text;
    QStringList m_textLines;
    QStringList m_boldParts;
    bool m_boldAll = false;
};

QList<Token> Parser::tokenize(const QString &line) const
{
    QList<Token> toks;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n) {
        const QChar c = line.at(i);
        if (c.isSpace()) {
            ++i;
        } else if (c == u'#') {
            break;
        } else if (c == u'"') {
            Token t{QString(), true};
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar d = line.at(i++);
                if (d == u'\\') {
                    if (i >= n)
                        fail(QStringLiteral("a backslash ends the line"));
                    const QChar e = line.at(i++);
                    if (e != u'"' && e != u'\\')
                        fail(QStringLiteral("unknown escape \\%1").arg(e));
                    t.text += e;
                } else if (d == u'"') {
                    closed = true;
                    break;
                } else {
                    t.text += d;
                }
            }
            if (!closed)
                fail(QStringLiteral("unterminated quoted text"));
            toks << t;
        } else {
            Token t;
            while (i < n && !line.at(i).isSpace() && line.at(i) != u'"')
                t.text += line.at(i++);
            toks << t;
        }
    }
    return toks;
}

double Parser::number(const Token &t) const
{
    bool ok = false;
    const double v = t.quoted ? 0 : t.text.toDouble(&ok);
    if (!ok)
        fail(QStringLiteral("'%1' is not a number").arg(t.text));
    return v;
}

int Parser::integer(const Token &t) const
{
    bool ok = false;
    const int v = t.quoted ? 0 : t.text.toInt(&ok);
    if (!ok)
        fail(QStringLiteral("'%1' is not a whole number").arg(t.text));
    return v;
}

void Parser::expectWord(const QList<Token> &toks, int i, const char *word) const
{
    if (i >= toks.size() || toks[i].quoted || toks[i].text != QLatin1String(word))
        fail(QStringLiteral("'%1' expected").arg(QLatin1String(word)));
}

void Parser::needCount(const QList<Token> &toks, int min, int max, const char *usage) const
{
    if (toks.size() < min || (max >= 0 && toks.size() > max))
        fail(QStringLiteral("usage: %1").arg(QLatin1String(usage)));
}

void Parser::checkNewName(const QString &name) const
{
    if (name.isEmpty())
        fail(QStringLiteral("an object needs a name"));
    if (m_page.hasObject(name) || (m_text && m_text->name.compare(name, Qt::CaseInsensitive) == 0))
        fail(QStringLiteral("object %1 declared twice").arg(name));
}

QRectF Parser::place(const QList<Token> &toks, int first) const
{
    return QRectF(number(toks[first]), number(toks[first + 1]), number(toks[first + 2]),
                  number(toks[first + 3]));
}

PageTemplate Parser::parse()
{
    const QStringList lines = m_source.split(u'\n');
    for (const QString &raw : lines) {
        ++m_lineNo;
        QString line = raw;
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QList<Token> toks = tokenize(line);
        if (toks.isEmpty())
            continue;
        const Token &head = toks.first();
        if (head.quoted) {
            parseTextLine(toks);
            continue;
        }
        const QString &d = head.text;
        if (d == QLatin1String("bold")) {
            parseBold(toks);
            continue;
        }
        finishText();
        if (d == QLatin1String("page")) {
            parsePage(toks);
            continue;
        }
        if (!m_havePage)
            fail(QStringLiteral("the file must start with 'page'"));
        if (d == QLatin1String("strip"))
            parseStrip(toks);
        else if (d == QLatin1String("text"))
            parseText(toks);
        else if (d == QLatin1String("box"))
            parseBox(toks);
        else if (d == QLatin1String("hrule"))
            parseHRule(toks);
        else if (d == QLatin1String("vrule"))
            parseVRule(toks);
        else if (d == QLatin1String("xmark"))
            parseXMark(toks);
        else if (d == QLatin1String("picture"))
            parsePicture(toks);
        else if (d == QLatin1String("barcode"))
            parseBarcode(toks);
        else
            fail(QStringLiteral("unknown directive '%1'").arg(d));
    }
    ++m_lineNo;
    finishText();
    if (!m_havePage)
        fail(QStringLiteral("no 'page' directive"));
    return std::move(m_page);
}

void Parser::parsePage(const QList<Token> &toks)
{
    if (m_havePage)
        fail(QStringLiteral("a second 'page' directive"));
    needCount(toks, 2, -1, "page NAME key=value...");
    m_havePage = true;
    m_page.name = toks[1].text;
    bool haveIndex = false, haveMargins = false;
    QString paper = QStringLiteral("A4");
    for (int i = 2; i < toks.size(); ++i) {
        const QString key = toks[i].text.section(u'=', 0, 0);
        QString value = toks[i].text.section(u'=', 1);
        if (!toks[i].text.contains(u'='))
            fail(QStringLiteral("key=value expected, not '%1'").arg(toks[i].text));
        if (value.isEmpty() && i + 1 < toks.size() && toks[i + 1].quoted)
            value = toks[++i].text; // sheet="1. oldal"
        if (key == QLatin1String("index")) {
            m_page.index = integer(Token{value, false});
            haveIndex = true;
        } else if (key == QLatin1String("sheet")) {
            m_page.sheet = value;
        } else if (key == QLatin1String("paper")) {
            paper = value;
        } else if (key == QLatin1String("orientation")) {
            if (value == QLatin1String("portrait"))
                m_page.orientation = Orientation::Portrait;
            else if (value == QLatin1String("landscape"))
                m_page.orientation = Orientation::Landscape;
            else
                fail(QStringLiteral("orientation is portrait or landscape"));
        } else if (key == QLatin1String("margins")) {
            const QStringList m = value.split(u',');
            if (m.size() != 4)
                fail(QStringLiteral("margins=LEFT,RIGHT,TOP,BOTTOM"));
            m_page.marginsMm = QMarginsF(number(Token{m[0], false}), number(Token{m[2], false}),
                                         number(Token{m[1], false}), number(Token{m[3], false}));
            haveMargins = true;
        } else if (key == QLatin1String("visible")) {
            if (value != QLatin1String("yes") && value != QLatin1String("no"))
                fail(QStringLiteral("visible is yes or no"));
            m_page.visible = value == QLatin1String("yes");
        } else {
            fail(QStringLiteral("unknown page key '%1'").arg(key));
        }
    }
    if (paper != QLatin1String("A4"))
        fail(QStringLiteral("only A4 paper is known"));
    if (!haveIndex || !haveMargins)
        fail(QStringLiteral("a page needs index= and margins="));
    m_page.paperMm = m_page.orientation == Orientation::Portrait ? QSizeF(210, 297) : QSizeF(297, 210);
}

void Parser::parseStrip(const QList<Token> &toks)
{
    needCount(toks, 2, 3, "strip Y [\"page number\"]");
    PageStrip strip;
    strip.y = number(toks[1]);
    if (toks.size() == 3) {
        if (!toks[2].quoted)
            fail(QStringLiteral("the page number text is quoted"));
        strip.pageNumber = toks[2].text;
    }
    const int index = int(m_page.strips.size());
    m_page.strips.push_back(strip);

    struct Part {
        const char *suffix;
        double x, w;
        const char *font;
        HAlign h;
        VAlign v;
        QString text;
    };
    std::vector<Part> parts = {
        {"Label", 0.0, 21.0, "S6", HAlign::Left, VAlign::Bottom, QStringLiteral("Nyomtatvány száma:")},
        {"Form", 21.0, 17.0, "G9B", HAlign::Left, VAlign::Middle, QStringLiteral("VKT10002")},
        {"Azon", 38.0, 26.0, "S6", HAlign::Left, VAlign::Bottom, QStringLiteral("([azon])")},
        {"Datum", 65.0, 13.0, "S6", HAlign::Left, VAlign::Bottom, QStringLiteral("[datum]")},
    };
    if (!strip.pageNumber.isEmpty())
        parts.push_back({"Page", 147.0, 21.0, "S6", HAlign::Left, VAlign::Bottom, strip.pageNumber});
    for (const Part &p : parts) {
        TextBox t;
        t.name = QStringLiteral("Strip%1%2").arg(index + 1).arg(QLatin1String(p.suffix));
        checkNewName(t.name);
        t.mm = QRectF(p.x, strip.y, p.w, 4.0);
        t.text = p.text;
        t.fontKey = QLatin1String(p.font);
        t.hAlign = p.h;
        t.vAlign = p.v;
        t.strip = index;
        m_page.texts.push_back(t);
    }
}

void Parser::parseText(const QList<Token> &toks)
{
    needCount(toks, 8, 8, "text NAME X Y W H FONTKEY ALIGN");
    TextBox t;
    t.name = toks[1].text;
    checkNewName(t.name);
    t.mm = place(toks, 2);
    t.fontKey = toks[6].text;
    const FontSpec *font = findFont(t.fontKey);
    if (!font)
        fail(QStringLiteral("unknown font key '%1'").arg(t.fontKey));
    if (font->whiteOnBlack) {
        t.textColor = Qt::white;
        t.fillColor = Qt::black;
    }
    QString align = toks[7].text;
    align.remove(u'-');
    if (align.size() != 2)
        fail(QStringLiteral("alignment is two letters, such as L-M"));
    switch (align.at(0).unicode()) {
    case 'L': t.hAlign = HAlign::Left; break;
    case 'C': t.hAlign = HAlign::Center; break;
    case 'R': t.hAlign = HAlign::Right; break;
    case 'J': t.hAlign = HAlign::Justify; break;
    default: fail(QStringLiteral("horizontal alignment is L, C, R or J"));
    }
    switch (align.at(1).unicode()) {
    case 'T': t.vAlign = VAlign::Top; break;
    case 'M': t.vAlign = VAlign::Middle; break;
    case 'B': t.vAlign = VAlign::Bottom; break;
    default: fail(QStringLiteral("vertical alignment is T, M or B"));
    }
    m_text = t;
    m_textLines.clear();
    m_boldParts.clear();
    m_boldAll = false;
}

void Parser::parseTextLine(const QList<Token> &toks)
{
    if (!m_text)
        fail(QStringLiteral("a text line outside a text"));
    QString line = toks[0].text;
    int i = 1;
    while (i < toks.size()) {
        // + N blanks + "piece"
        if (i + 4 >= toks.size() || toks[i].quoted || toks[i].text != QLatin1String("+"))
            fail(QStringLiteral("'+ N blanks + \"text\"' expected"));
        const int count = integer(toks[i + 1]);
        expectWord(toks, i + 2, "blanks");
        expectWord(toks, i + 3, "+");
        if (count < 1 || !toks[i + 4].quoted)
            fail(QStringLiteral("'+ N blanks + \"text\"' expected"));
        line += QString(count, u' ') + toks[i + 4].text;
        i += 5;
    }
    m_textLines << line;
}

void Parser::parseBold(const QList<Token> &toks)
{
    if (!m_text)
        fail(QStringLiteral("'bold' outside a text"));
    needCount(toks, 2, 2, "bold \"part\" | bold all");
    if (toks[1].quoted) {
        if (toks[1].text.isEmpty() || !m_textLines.join(u'\n').contains(toks[1].text))
            fail(QStringLiteral("bold part '%1' is not in text %2").arg(toks[1].text, m_text->name));
        m_boldParts << toks[1].text;
    }
    else if (toks[1].text == QLatin1String("all"))
        m_boldAll = true;
    else
        fail(QStringLiteral("usage: bold \"part\" | bold all"));
}

void Parser::finishText()
{
    if (!m_text)
        return;
    TextBox t = std::move(*m_text);
    m_text.reset();
    if (m_textLines.isEmpty())
        fail(QStringLiteral("text %1 has no lines").arg(t.name));
    t.text = m_textLines.join(u'\n');
    if (m_boldAll)
        t.bold << TextRange{0, t.text.size()};
    for (const QString &part : m_boldParts) {
        const qsizetype at = t.text.indexOf(part);
        if (part.isEmpty() || at < 0)
            fail(QStringLiteral("bold part '%1' is not in text %2").arg(part, t.name));
        t.bold << TextRange{at, part.size()};
    }
    m_page.texts.push_back(std::move(t));
}

void Parser::parseBox(const QList<Token> &toks)
{
    needCount(toks, 6, 7, "box NAME X Y W H [grey]");
    Box b;
    b.name = toks[1].text;
    checkNewName(b.name);
    b.mm = place(toks, 2);
    if (toks.size() == 7) {
        expectWord(toks, 6, "grey");
        b.grey = true;
    }
    m_page.boxes.push_back(b);
}

void Parser::parseHRule(const QList<Token> &toks)
{
    needCount(toks, 7, -1, "hrule from X1 to X2 at Y...");
    expectWord(toks, 1, "from");
    expectWord(toks, 3, "to");
    expectWord(toks, 5, "at");
    const double x1 = number(toks[2]), x2 = number(toks[4]);
    for (int i = 6; i < toks.size(); ++i) {
        Line l;
        l.from = QPointF(x1, number(toks[i]));
        l.to = QPointF(x2, l.from.y());
        m_page.lines.push_back(l);
    }
}

void Parser::parseVRule(const QList<Token> &toks)
{
    needCount(toks, 7, 7, "vrule at X from Y1 to Y2");
    expectWord(toks, 1, "at");
    expectWord(toks, 3, "from");
    expectWord(toks, 5, "to");
    Line l;
    l.from = QPointF(number(toks[2]), number(toks[4]));
    l.to = QPointF(l.from.x(), number(toks[6]));
    m_page.lines.push_back(l);
}

void Parser::parseXMark(const QList<Token> &toks)
{
    needCount(toks, 5, 5, "xmark LINE1 LINE2 in BOX");
    expectWord(toks, 3, "in");
    const Box *box = m_page.findBox(toks[4].text);
    if (!box)
        fail(QStringLiteral("box %1 is not declared").arg(toks[4].text));
    const QRectF r = box->mm;
    Line first, second;
    first.name = toks[1].text;
    second.name = toks[2].text;
    checkNewName(first.name);
    checkNewName(second.name);
    if (first.name.compare(second.name, Qt::CaseInsensitive) == 0)
        fail(QStringLiteral("the two lines of an X mark need two names"));
    first.from = r.topLeft();
    first.to = r.bottomRight();
    second.from = r.topRight();
    second.to = r.bottomLeft();
    first.visible = second.visible = false;
    first.xmarkBox = second.xmarkBox = box->name;
    m_page.xmarks.push_back(XMark{first.name, second.name, box->name});
    m_page.lines.push_back(first);
    m_page.lines.push_back(second);
}

void Parser::parsePicture(const QList<Token> &toks)
{
    needCount(toks, 8, 8, "picture NAME X Y W H SOURCE WxH");
    Picture p;
    p.name = toks[1].text;
    checkNewName(p.name);
    p.mm = place(toks, 2);
    p.source = toks[6].text;
    const QStringList px = toks[7].text.split(u'x');
    if (px.size() != 2)
        fail(QStringLiteral("picture size is WxH pixels"));
    p.pixels = QSize(integer(Token{px[0], false}), integer(Token{px[1], false}));
    m_page.pictures.push_back(p);
}

void Parser::parseBarcode(const QList<Token> &toks)
{
    needCount(toks, 9, 9, "barcode NAME X Y W H TYPE \"TEXT\" hidden|visible");
    Barcode b;
    b.name = toks[1].text;
    checkNewName(b.name);
    b.mm = place(toks, 2);
    b.type = toks[6].text;
    if (!toks[7].quoted)
        fail(QStringLiteral("the barcode text is quoted"));
    b.text = toks[7].text;
    if (toks[8].text == QLatin1String("hidden"))
        b.visible = false;
    else if (toks[8].text == QLatin1String("visible"))
        b.visible = true;
    else
        fail(QStringLiteral("barcode is hidden or visible"));
    m_page.barcodes.push_back(b);
}

} // namespace

PageTemplate parsePageTemplate(const QString &source, const QString &fileName)
{
    return Parser(source, fileName).parse();
}

std::vector<PageTemplate> loadPageTemplates()
{
    initTemplateResources();
    static const char *const order[] = {"Page1", "Page2", "Page2b", "Page5", "Page6", "Page7",
                                        "Page8", "Page4", "Page9", "Page11", "Page10"};
    std::vector<PageTemplate> pages;
    pages.reserve(std::size(order));
    for (const char *name : order) {
        const QString path = QStringLiteral(":/vkt/report/templates/%1.page").arg(QLatin1String(name));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw Error(QStringLiteral("Cannot open page template %1").arg(path));
        PageTemplate page = parsePageTemplate(QString::fromUtf8(file.readAll()), path);
        if (page.name != QLatin1String(name) || page.index != int(pages.size()))
            throw Error(QStringLiteral("%1: the page must be %2 at index %3")
                            .arg(path, QLatin1String(name))
                            .arg(pages.size()));
        pages.push_back(std::move(page));
    }
    return pages;
}

} // namespace vkt::report
