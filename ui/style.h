#pragma once

#include "model/layout.h"

#include <QColor>
#include <QFont>
#include <QProxyStyle>

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

// The platform's own style, but with the icons of the tool and menu bar
// overflow buttons fetched only when one is first drawn. Every menu bar makes
// its overflow button at once, and fetching that icon from the style's image
// files looks up the image plugins, several milliseconds of the start, for a
// button that shows only when the menu does not fit its window.
class ProgramStyle : public QProxyStyle
{
public:
    ProgramStyle();
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

} // namespace vkt::ui
