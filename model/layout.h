#pragma once

// The look of the main window as data: tabs, panels with their header bars,
// the place, size and captions of every field, the fixed labels (warnings,
// notes, column captions), the group boxes of sheet "E" and the two tables.
// The desktop window is built from this; the fields' kinds, items, start values
// and handlers are in catalogue.h.
//
// Coordinates are pixels. A field's or label's rect is relative to its
// container: a section panel, a group box of sheet "E", or "Panel1" (the
// framed area that holds the heading and the tab control). A panel's rect is
// relative to its tab sheet. Elements of the scrolling content itself
// (Edit11, Panel1) have the container "".

#include <QString>
#include <QStringList>
#include <QStringView>
#include <span>
#include <vector>

namespace vkt::layout {

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    int right() const { return x + w; }   // exclusive
    int bottom() const { return y + h; }  // exclusive
    bool isEmpty() const { return w <= 0 || h <= 0; }
    bool intersects(const Rect &o) const
    {
        return !isEmpty() && !o.isEmpty() && x < o.right() && o.x < right() && y < o.bottom()
            && o.y < bottom();
    }
    bool contains(const Rect &o) const
    {
        return o.x >= x && o.y >= y && o.right() <= right() && o.bottom() <= bottom();
    }
    friend bool operator==(const Rect &, const Rect &) = default;
};

// A font: family with either a pixel height or a point size.
struct FontSpec {
    QString family;
    int pixelSize = 0;  // > 0: height in pixels
    int pointSize = 0;  // > 0 (and pixelSize == 0): size in points
    bool bold = false;
};

// Colours are 0xRRGGBB.
using Rgb = unsigned;
inline constexpr int kTransparent = -1; // LabelSpec::background: none
inline constexpr int kButtonFace = -2;  // LabelSpec::background: the system's button face

enum class Align { Left, Center, Right, Justify };
enum class VAlign { Top, Center, Bottom };

// What a label is for.
enum class LabelRole {
    Caption,       // a field's caption (beside or above it)
    Unit,          // the "Ft." after an amount
    Suffix,        // "-tól" / "-ig" after a date picker
    Warning,       // red warning (Label125, egyszvaluzenet, LMDRichLabel17, ...)
    Note,          // explanatory rich text (LMDRichLabel2, the note of sheet "G")
    ColumnCaption, // "Esedékesség", "Összeg", "Feltöltési kötelezettségről:"
    Heading,       // the heading of the return (LMDRichLabel1, Label10)
};

// A run of a rich text with its own size (only the heading LMDRichLabel1
// mixes sizes). pointSize 0: the label's font size.
struct TextRun {
    QString text;
    int pointSize = 0;
    bool bold = false;
};

// A label, plain or rich. A label that is not present has no lines and no runs.
struct LabelSpec {
    QString name;          // control name where the form gives one, else ""
    LabelRole role = LabelRole::Caption;
    QString container;     // rect's coordinates (panel, group box, "Panel1")
    Rect rect;             // w == 0: the label sizes itself to its text (one line)
    QStringList lines;     // the text, one entry per line; runs of blanks kept
    FontSpec font;
    Rgb color = 0x000000;
    int background = kTransparent; // 0xRRGGBB, kTransparent or kButtonFace
    Align align = Align::Left;
    VAlign valign = VAlign::Top;
    bool wrap = false;     // word-wraps within rect.w
    bool rich = false;     // shown as rich text (see html())
    QStringList boldRuns;  // substrings of the text shown in bold (rich labels)
    std::vector<TextRun> runs; // if not empty, the text as runs (then lines == {plain text})

    bool present() const { return !lines.isEmpty() || !runs.empty(); }
    // The plain text: the lines joined by '\n'.
    QString text() const;
    // Rich text for a rich-text label: HTML-escaped, runs of blanks kept
    // (white-space: pre-wrap), the bold runs in <b>, one paragraph per line,
    // the runs with their sizes.
    QString html() const;
};

// A gradient header bar at the top of a panel.
struct HeaderSpec {
    QString name;          // LMDFill1 ...
    Rect rect;             // in the panel: (1, 0, 703, height)
    QString caption;       // with its leading blanks
    FontSpec font;         // bold Tahoma 13 px
    bool centered = false; // sheet "G": centred and wrapping onto two lines
    bool wrap = false;
    bool highlightable = false; // LMDFill1..LMDFill6: recoloured by the enter handlers
};

// The colours of a header bar.
struct HeaderLook {
    Rgb start;
    Rgb end;
    Rgb caption;
    bool systemCaption = false; // caption in the system's window-text colour
};
const HeaderLook &highlightedLook(); // #FBE694 -> #EE9515, black
const HeaderLook &dimmedLook();      // #D2CFBE -> #D2CFBE, #4F5045
const HeaderLook &formLook();        // highlighted colours, system window-text caption

// A panel with a lowered bevel: a section of the main sheet or a supplementary sheet.
struct PanelSpec {
    QString name;          // Panel2 ...
    QString tab;           // tab sheet: LMDTabSheet1 ...
    QString title;         // "I" .. "VII" on the main sheet, "A" .. "H" on the others
    Rect rect;             // in the tab sheet
    HeaderSpec header;
    QString enterHandler;  // Panel2Enter ... (Panel16 -> Panel7Enter, sheets -> Panel3Enter)
    QString highlights;    // the header that handler highlights (LMDFill1 .. LMDFill6)
};

// A tab of LMDPageControl1, in display order.
struct TabSpec {
    QString caption;       // "1. oldal", "\"A\" lap", ...
    QString sheet;         // LMDTabSheet1 ...
    int index = 0;         // 0-based position among the tabs
};

// A group box of sheet "E".
struct GroupBoxSpec {
    QString name;          // GroupBox1 ..
    QString panel;         // Panel8
    Rect rect;             // in the panel
    QString caption;
    FontSpec font;         // bold Arial 13 px (the third: 11 px)
};

// The place of one field of the model.
struct FieldLayout {
    QString name;          // control name (catalogue.h)
    QString tab;           // tab sheet; "" for Edit11
    QString panel;         // section panel; "" for Edit11
    QString container;     // panel or group box in which rect lies
    Rect rect;
    FontSpec font;         // the field's font (bold for derived rows)
    bool bold = false;     // same as font.bold
    bool visible = true;   // PBNumEdit29 is never shown
    LabelSpec caption;     // the row caption (may be absent)
    LabelSpec unit;        // "Ft." (may be absent)
    LabelSpec suffix;      // "-tól" / "-ig" (may be absent)
    QString groupCaption;  // caption in the frame of a radio or check group
    FontSpec groupCaptionFont;
    int checkSpacing = 0;  // tick box: pixels between box and text
    QString overlays;      // a field this one lies on by design (sheet "H" amounts)
};

// One of the two tables.
struct GridLayout {
    QString name;              // AdvStringGrid1, AdvStringGrid2
    QStringList columnCaptions;// row 0; column 0 is ""
    std::vector<int> columnWidths; // column 0 first (20)
    QStringList rowNumbers;    // column 0 of rows 1..: "1", "2", ...
    int rowHeight = 21;
    FontSpec font;             // Tahoma 11 px
    FontSpec fixedFont;        // the same, bold
};

// The main window of the program.
struct WindowSpec {
    QString caption;           // "Elektronikus nyomtatvány - Kerekvárda Polgármesteri Hivatal"
    int width = 824, height = 717; // when not filling the work area
    Rgb background = 0xC5B698;
    FontSpec font;             // MS Sans Serif 11 px
    int contentHeight = 3424;  // scroll range
    int wheelStep = 20;        // pixels per wheel notch
    Rect edit11;               // (0, 0, 1, 21) in the content
    Rect panel1;               // (16, 24, 761, 3400) in the content, raised bevel
    Rgb panel1Color = 0xEAE5CF;
    Rect pageControl;          // (16, 96, 729, 3297) in Panel1
};
const WindowSpec &mainWindow();

// Fonts used throughout.
FontSpec captionFont();        // Arial 15 px: plain captions
FontSpec richFont(bool bold = false); // Arial 11 pt: rich captions and notes
FontSpec numberFont(bool bold = false); // MS Sans Serif 11 px: amounts
FontSpec warningFont();        // bold MS Sans Serif 16 px: red warnings
FontSpec headerFont();         // bold Tahoma 13 px: header bars
FontSpec groupCaptionFont();   // bold MS Sans Serif 13 px: frames of the groups

// The nine tabs in display order.
std::span<const TabSpec> tabs();
const TabSpec *tab(QStringView sheet);

// Every panel: the seven sections of the main sheet top to bottom (VI between
// V and VII), then the panels of sheets "A" to "H" in tab order.
std::span<const PanelSpec> panels();
const PanelSpec *panel(QStringView name);
// The panels of one tab sheet, top to bottom.
std::vector<const PanelSpec *> panelsOf(QStringView sheet);

std::span<const GroupBoxSpec> groupBoxes();
const GroupBoxSpec *groupBox(QStringView name);

// Every field of the model once, sheet by sheet in tab order, panel by panel
// top to bottom, rows top to bottom (Edit11 first).
std::span<const FieldLayout> fieldLayouts();
const FieldLayout *fieldLayout(QStringView name); // case-insensitive; nullptr if none

// The fixed labels: heading, warnings, notes and column captions (field
// captions, units and suffixes are in FieldLayout).
std::span<const LabelSpec> labels();
const LabelSpec *label(QStringView name); // by control name, case-insensitive
// The fixed labels of one container (panel, group box or "Panel1").
std::vector<const LabelSpec *> labelsIn(QStringView container);

std::span<const GridLayout> grids();
const GridLayout *gridLayout(QStringView name);

// The tab sheet on which a container (tab sheet, panel or group box) lies; ""
// when unknown.
QString sheetOf(QStringView container);

} // namespace vkt::layout
