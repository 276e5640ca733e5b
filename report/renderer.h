#pragma once

// Draws prepared pages with QPainter. The same code paints the preview, the
// printer's pages and the PDF.

#include "report/templates/pagetemplate.h"

#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QString>

class QPainter;

namespace vkt::report {

struct PreparedPage;

// The faces that stand in for the form's fonts, registered once with the
// application's font database: Tahoma (the Tahoma-compatible face of
// /usr/share/wine/fonts), Arial (Liberation Sans) and Franklin Gothic Medium
// (Liberation Sans, whose widths are closest among the free faces). A face
// that is missing falls back to the next one of its list and finally to the
// default sans-serif face. Needs a QGuiApplication.
void registerReportFonts();
// The family actually used for a template family ("Tahoma", "Arial",
// "Franklin Gothic Medium").
QString resolvedFamily(const QString &templateFamily);
// The font of a font key (pixel size, bold), unhinted so that the layout is
// the same on every device.
QFont reportFont(const QString &fontKey);

// The emblem of the first page (60 x 62 pixels), from the resources.
const QImage &logoImage();

// A4 in the page's orientation, no margins.
QPageLayout pageLayoutOf(const PageTemplate &page);

// Paints one page. The painter's unit must be one pixel of 1/96 inch with
// the origin at the paper's top-left corner (see pixelsPerMm).
void renderPage(QPainter &painter, const PreparedPage &page);

inline constexpr double kPixelsPerMm = 96.0 / 25.4;

} // namespace vkt::report
