#pragma once

#include "model/layout.h"

#include <QColor>
#include <QFont>

class QWidget;

namespace vkt::ui {

// A font of the form description on this desktop: the Windows sans-serif
// families are shown in the metric-compatible sans-serif face when there is one.
QFont toFont(const layout::FontSpec &def);

inline QColor toColor(layout::Rgb rgb)
{
    return QColor::fromRgb(QRgb(0xFF000000u | rgb));
}

// The system's button-face colour (background of disabled amounts and warnings).
QColor buttonFace();

// Paints the widget's background in a fixed colour.
void setBackground(QWidget *widget, const QColor &color);

} // namespace vkt::ui
