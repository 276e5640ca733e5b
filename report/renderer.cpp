#include "report/renderer.h"

#include "report/printcommand.h"

#include <QFile>
#include <QFontDatabase>
#include <QHash>
#include <QMutex>
#include <QPainter>
#include <QPen>
#include <QTextLayout>
#include <QTextOption>

static void initReportResources()
{
    Q_INIT_RESOURCE(report_resources);
}

namespace vkt::report {

namespace {

struct FaceFile {
    const char *family; // the family the file registers
    const char *path;
};

// Candidate faces of each template family, best first.
struct FamilyChoice {
    const char *templateFamily;
    std::vector<FaceFile> candidates;
};

const std::vector<FamilyChoice> &familyChoices()
{
    static const std::vector<FamilyChoice> choices = {
        {"Tahoma",
         {{"Tahoma", "/usr/share/wine/fonts/tahoma.ttf"},
          {"Liberation Sans", "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf"},
          {"Liberation Sans", "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf"},
          {"DejaVu Sans", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"},
          {"DejaVu Sans", "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"}}},
        {"Arial",
         {{"Liberation Sans", "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf"},
          {"Liberation Sans", "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf"},
          {"DejaVu Sans", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"}}},
        {"Franklin Gothic Medium",
         {{"Liberation Sans", "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf"},
          {"Liberation Sans", "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf"},
          {"DejaVu Sans", "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"}}},
    };
    return choices;
}

struct FontState {
    QMutex mutex;
    bool registered = false;
    QHash<QString, QString> resolved; // template family -> family used
    QHash<QString, QFont> fonts;      // font key -> font
};

FontState &fontState()
{
    static FontState state;
    return state;
}

void registerLocked(FontState &state)
{
    if (state.registered)
        return;
    state.registered = true;
    QHash<QString, QStringList> loaded; // path -> families it registered
    for (const FamilyChoice &choice : familyChoices()) {
        QString used;
        for (const FaceFile &face : choice.candidates) {
            const QString path = QString::fromLatin1(face.path);
            if (!loaded.contains(path)) {
                QStringList families;
                if (QFile::exists(path)) {
                    const int id = QFontDatabase::addApplicationFont(path);
                    if (id >= 0)
                        families = QFontDatabase::applicationFontFamilies(id);
                }
                loaded.insert(path, families);
            }
            const QString family = QString::fromLatin1(face.family);
            if (used.isEmpty() && loaded.value(path).contains(family))
                used = family;
        }
        if (used.isEmpty()) {
            // None of our files: whatever the system offers under the name,
            // else its default sans-serif face.
            const QString wanted = QString::fromLatin1(choice.templateFamily);
            used = QFontDatabase::families().contains(wanted)
                       ? wanted
                       : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
        }
        state.resolved.insert(QString::fromLatin1(choice.templateFamily), used);
    }
}

} // namespace

void registerReportFonts()
{
    FontState &state = fontState();
    QMutexLocker lock(&state.mutex);
    registerLocked(state);
}

QString resolvedFamily(const QString &templateFamily)
{
    FontState &state = fontState();
    QMutexLocker lock(&state.mutex);
    registerLocked(state);
    return state.resolved.value(templateFamily, templateFamily);
}

QFont reportFont(const QString &fontKey)
{
    FontState &state = fontState();
    QMutexLocker lock(&state.mutex);
    registerLocked(state);
    const auto it = state.fonts.constFind(fontKey);
    if (it != state.fonts.cend())
        return it.value();
    const FontSpec *def = findFont(fontKey);
    QFont font;
    if (def) {
        font.setFamily(state.resolved.value(def->family, def->family));
        font.setPixelSize(def->pixelSize);
        font.setBold(def->bold);
    } else {
        font.setFamily(state.resolved.value(QStringLiteral("Tahoma")));
        font.setPixelSize(11);
    }
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    state.fonts.insert(fontKey, font);
    return font;
}

const QImage &logoImage()
{
    static const QImage image = [] {
        initReportResources();
        QImage img(QStringLiteral(":/vkt/report/logo.jpg"));
        return img;
    }();
    return image;
}

QPageLayout pageLayoutOf(const PageTemplate &page)
{
    return QPageLayout(QPageSize(QPageSize::A4),
                       page.orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                  : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

namespace {

QRectF px(const QRectF &mm)
{
    return QRectF(mm.x() * kPixelsPerMm, mm.y() * kPixelsPerMm, mm.width() * kPixelsPerMm,
                  mm.height() * kPixelsPerMm);
}

QPointF px(const QPointF &mm)
{
    return mm * kPixelsPerMm;
}

void drawText(QPainter &painter, const TextBox &box, const QString &text)
{
    const QRectF outer = px(box.mm);
    if (box.fillColor.isValid())
        painter.fillRect(outer, box.fillColor);
    if (text.isEmpty())
        return;
    const QRectF inner = outer.adjusted(box.insetMm.left() * kPixelsPerMm, box.insetMm.top() * kPixelsPerMm,
                                        -box.insetMm.right() * kPixelsPerMm,
                                        -box.insetMm.bottom() * kPixelsPerMm);
    QString laidOut = text;
    laidOut.replace(QLatin1Char('\n'), QChar::LineSeparator);

    QTextLayout layout(laidOut, reportFont(box.fontKey));
    QTextOption option;
    option.setWrapMode(box.wordWrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    option.setUseDesignMetrics(true);
    switch (box.hAlign) {
    case HAlign::Left: option.setAlignment(Qt::AlignLeft); break;
    case HAlign::Center: option.setAlignment(Qt::AlignHCenter); break;
    case HAlign::Right: option.setAlignment(Qt::AlignRight); break;
    case HAlign::Justify: option.setAlignment(Qt::AlignJustify); break;
    }
    layout.setTextOption(option);
    if (!box.bold.isEmpty()) {
        QList<QTextLayout::FormatRange> formats;
        // The bold parts index the template text; once slots have changed
        // the text only a part that spans the whole text still applies.
        const bool sameText = text == box.text;
        for (const TextRange &range : box.bold) {
            QTextLayout::FormatRange f;
            const bool whole = range.start == 0 && range.length >= box.text.size();
            if (!sameText && !whole)
                continue;
            f.start = whole ? 0 : int(range.start);
            f.length = whole ? int(laidOut.size()) : int(range.length);
            f.format.setFontWeight(QFont::Bold);
            formats << f;
        }
        layout.setFormats(formats);
    }

    // A text that does not fit its box is drawn smaller: first the whole
    // font (down to 80 %), then also narrower (down to 60 % of the width),
    // until the wrapped lines fit the inner height. The last steps, down to
    // 45 %, are for the longest choice texts (all eight declaration types
    // on one row) so that they do not run over the rows around them. A text
    // that does not fit even so overflows the box evenly as its alignment
    // places it.
    struct Fit {
        double size;   // scale of the font
        double narrow; // extra horizontal scale
    };
    static constexpr Fit kFits[] = {{1.0, 1.0},  {0.95, 1.0}, {0.9, 1.0},  {0.85, 1.0}, {0.8, 1.0},
                                    {0.8, 0.92}, {0.8, 0.84}, {0.8, 0.76}, {0.8, 0.68}, {0.8, 0.6},
                                    {0.7, 0.6},  {0.6, 0.55}, {0.5, 0.5},  {0.45, 0.45}};
    const double gap = box.lineGapMm * kPixelsPerMm;
    const double available = inner.height() + 0.25;
    Fit fit = kFits[0];
    double block = 0;
    for (const Fit &candidate : kFits) {
        fit = candidate;
        const double sx = fit.size * fit.narrow;
        const double width = std::max(1.0, inner.width() / sx);
        const double lineGap = gap / fit.size;
        double y = 0;
        layout.beginLayout();
        for (;;) {
            QTextLine line = layout.createLine();
            if (!line.isValid())
                break;
            line.setLineWidth(width);
            line.setPosition(QPointF(0, y));
            y += line.height() + lineGap;
        }
        layout.endLayout();
        block = (layout.lineCount() > 0 ? y - lineGap : 0) * fit.size;
        // Empty lines at the end take room only when there is room for them.
        double inked = block;
        for (int n = layout.lineCount(); n > 1 && layout.lineAt(n - 1).textLength() == 0; --n)
            inked = layout.lineAt(n - 2).rect().bottom() * fit.size;
        if (block <= available)
            break;
        if (inked <= available) {
            block = std::min(block, inner.height());
            break;
        }
    }

    double top = inner.top();
    switch (box.vAlign) {
    case VAlign::Top: break;
    case VAlign::Middle: top += (inner.height() - block) / 2; break;
    case VAlign::Bottom: top += inner.height() - block; break;
    }
    painter.save();
    painter.setPen(box.textColor);
    painter.translate(inner.left(), top);
    painter.scale(fit.size * fit.narrow, fit.size);
    layout.draw(&painter, QPointF(0, 0));
    painter.restore();
}

} // namespace

void renderPage(QPainter &painter, const PreparedPage &prepared)
{
    const PageTemplate &page = *prepared.page;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.translate(page.marginsMm.left() * kPixelsPerMm, page.marginsMm.top() * kPixelsPerMm);

    QPen thin(Qt::black);
    thin.setWidthF(1.0); // one pixel of 1/96 inch
    thin.setCapStyle(Qt::FlatCap);

    // Boxes first: their grey lies under everything inside them.
    for (const Box &box : page.boxes) {
        const QRectF r = px(box.mm);
        if (box.grey)
            painter.fillRect(r, box.fillColor());
        painter.setPen(thin);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r);
    }

    // Rules and the X marks that are shown.
    for (const Line &line : page.lines) {
        if (line.isRule()) {
            if (!line.visible)
                continue;
        } else if (!prepared.shownLines.contains(line.name, Qt::CaseInsensitive)) {
            continue;
        }
        QPen pen = thin;
        pen.setWidthF(line.widthMm * kPixelsPerMm);
        painter.setPen(pen);
        painter.drawLine(px(line.from), px(line.to));
    }

    for (const Picture &picture : page.pictures) {
        if (!picture.visible)
            continue;
        if (picture.source == QLatin1String("logo") && !logoImage().isNull())
            painter.drawImage(px(picture.mm), logoImage());
    }

    // Text boxes (barcodes are hidden and never drawn).
    for (std::size_t i = 0; i < page.texts.size(); ++i) {
        const TextBox &box = page.texts[i];
        if (!box.visible)
            continue;
        drawText(painter, box, i < prepared.texts.size() ? prepared.texts[i] : box.text);
    }
    painter.restore();
}

} // namespace vkt::report
