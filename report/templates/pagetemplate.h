#pragma once

// The eleven printed pages of the return as data.
//
// Each page lives in one text file (report/templates/pages/*.page, UTF-8),
// compiled into the resource file templates.qrc and read by
// loadPageTemplates(). All positions and sizes are millimetres from the
// top-left corner of the printable area (paper corner moved by the left and
// top margins); x grows to the right, y downward.
//
// File format: one directive per line; blanks separate tokens; a token in
// double quotes may hold blanks and two escapes: backslash-quote for a double
// quote and backslash-backslash for a backslash; '#' outside quotes starts a
// comment to the end of the line.
//
//   page NAME index=N sheet="..." paper=A4 orientation=portrait|landscape
//        margins=LEFT,RIGHT,TOP,BOTTOM visible=yes|no        (first directive)
//   strip Y ["Oldal: 1/3"]         page strip (form number, [azon], [datum],
//                                  optional page number), 4.0 mm high
//   text NAME X Y W H FONTKEY ALIGN   ALIGN is two letters: L/C/R/J then T/M/B
//       "first line"               the text follows, one quoted line per line
//       "a" + 26 blanks + "b"      pieces joined by a run of blanks
//       ""                         an empty line
//       bold "part"                that part is bold although the font is not
//       bold all                   the whole text is bold
//   box NAME X Y W H [grey]        outlined box, optionally light grey
//   hrule from X1 to X2 at Y...    horizontal rules
//   vrule at X from Y1 to Y2       a vertical rule
//   xmark LINE1 LINE2 in BOX       two hidden diagonals over a box declared
//                                  before: LINE1 top-left to bottom-right,
//                                  LINE2 top-right to bottom-left
//   picture NAME X Y W H SOURCE WxH   SOURCE names the image ("logo"),
//                                  WxH its size in pixels
//   barcode NAME X Y W H TYPE "TEXT" hidden|visible
//
// Slots are report variable names in square brackets ("[m1]"); a bracketed
// text that is not a plain name ("[(915-916-917)+918]") is printed as it is.

#include <QColor>
#include <QFont>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <Qt>

#include <functional>
#include <optional>
#include <vector>

namespace vkt::report {

// The pages were laid out in pixels of 1/96 inch.
inline constexpr double kMmPerPixel = 25.4 / 96.0;

enum class HAlign { Left, Center, Right, Justify };
enum class VAlign { Top, Middle, Bottom };
enum class Orientation { Portrait, Landscape };

// A font key of the templates ("S8", "S10W", "G14B", ...).
struct FontSpec {
    QString key;
    QString family;       // "Tahoma", "Franklin Gothic Medium", "Arial"
    int pixelSize = 0;    // character height in pixels of 1/96 inch
    double pointSize = 0; // the same in points
    bool bold = false;
    bool whiteOnBlack = false; // section title bars: white text on a black box
};

const std::vector<FontSpec> &fontSpecs();
const FontSpec *findFont(const QString &key); // exact key, or nullptr
QFont makeFont(const FontSpec &def);         // point size, bold as the key says

// A span of a text box's template text.
struct TextRange {
    qsizetype start = 0;
    qsizetype length = 0;
};

struct TextBox {
    QString name;
    QRectF mm;
    QString text; // lines joined by '\n', with [slot] names
    QString fontKey;
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Top;
    QList<TextRange> bold; // parts printed bold although the font is regular;
                           // they index `text` (such texts hold no slots)
    QMarginsF insetMm{2 * kMmPerPixel, 1 * kMmPerPixel, 2 * kMmPerPixel, 1 * kMmPerPixel};
    double lineGapMm = 2 * kMmPerPixel; // extra space between lines
    bool wordWrap = true;
    QColor textColor = Qt::black;
    QColor fillColor; // invalid: no background; black for the title bars
    bool visible = true;
    int strip = -1; // index into PageTemplate::strips for the texts of a strip

    Qt::Alignment qtAlignment() const; // Qt::AlignJustify for J
};

// An outlined rectangle, empty or light grey; drawn under everything else.
struct Box {
    QString name;
    QRectF mm;
    bool grey = false;
    QColor fillColor() const; // rgb(240,240,240) when grey, else invalid
};

// A thin black line: a rule (no name, always visible) or one diagonal of an
// X mark (named, hidden until the print command shows it).
struct Line {
    QString name;   // empty for rules
    QPointF from;
    QPointF to;
    double widthMm = kMmPerPixel;
    bool visible = true;
    QString xmarkBox; // the box an X mark diagonal crosses; empty for rules
    bool isRule() const { return xmarkBox.isEmpty(); }
};

// The two diagonals of one X mark (both are also in PageTemplate::lines).
struct XMark {
    QString line1; // top-left to bottom-right
    QString line2; // top-right to bottom-left
    QString box;
};

struct Picture {
    QString name;
    QRectF mm;
    QString source; // "logo": the emblem picture of data/
    QSize pixels;
    bool visible = true;
};

struct Barcode {
    QString name;
    QRectF mm;
    QString type; // "Code39"
    QString text;
    bool showText = false;
    bool visible = false;
};

// The line of small texts at the top or bottom of a page; its texts are also
// in PageTemplate::texts (TextBox::strip names the strip), named StripNLabel,
// StripNForm, StripNAzon, StripNDatum and StripNPage for the N-th strip of
// the page (1-based).
struct PageStrip {
    double y = 0;
    QString pageNumber; // "Oldal: 1/3" or empty
};

struct PageTemplate {
    QString name;  // "Page1", "Page2b", "Page5", ...
    int index = -1; // position in the report, 0..10
    QString sheet; // "1. oldal", "A", ... "H"
    Orientation orientation = Orientation::Portrait;
    QSizeF paperMm{210, 297}; // as the paper lies (landscape: 297 x 210)
    QMarginsF marginsMm;      // left, top, right, bottom
    bool visible = true;

    std::vector<PageStrip> strips;
    std::vector<Box> boxes;
    std::vector<Line> lines; // rules and X mark diagonals
    std::vector<XMark> xmarks;
    std::vector<Picture> pictures;
    std::vector<Barcode> barcodes;
    std::vector<TextBox> texts; // template texts in file order, strip texts included

    QSizeF printableMm() const;
    QPageLayout pageLayout() const; // A4, orientation and margins in millimetres

    // Lookup by object name, letter case ignored; nullptr when absent.
    TextBox *findText(const QString &name);
    const TextBox *findText(const QString &name) const;
    Box *findBox(const QString &name);
    const Box *findBox(const QString &name) const;
    Line *findLine(const QString &name);
    const Line *findLine(const QString &name) const;
    Picture *findPicture(const QString &name);
    Barcode *findBarcode(const QString &name);
    const Barcode *findBarcode(const QString &name) const;
    bool hasObject(const QString &name) const;

    QStringList slotNames() const; // every slot name of the page, sorted, once each
};

// All eleven pages in report order (Page1, Page2, Page2b, Page5, Page6,
// Page7, Page8, Page4, Page9, Page11, Page10), read from the resources.
// A file that does not parse throws vkt::Error naming the file and line.
std::vector<PageTemplate> loadPageTemplates();

// Parses one page file (the format above); throws vkt::Error.
PageTemplate parsePageTemplate(const QString &source, const QString &fileName);

// Page lookup by name, letter case ignored; nullptr when absent.
PageTemplate *findPage(std::vector<PageTemplate> &pages, const QString &name);
const PageTemplate *findPage(const std::vector<PageTemplate> &pages, const QString &name);

// The names of the slots of a text, in order of appearance: every "[name]"
// whose name is letters, digits and '_' starting with a letter.
QStringList slotNames(const QString &text);

// Replaces each slot for which `value` answers a text; a slot without an
// answer stays as written, brackets included.
QString expandSlots(const QString &text,
                    const std::function<std::optional<QString>(const QString &name)> &value);

} // namespace vkt::report
