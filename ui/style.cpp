#include "ui/style.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace vkt::ui {

QFont toFont(const layout::FontSpec &def)
{
    QFont font;
    const QString family = def.family.trimmed();
    if (family.isEmpty() || family.compare(u"Arial", Qt::CaseInsensitive) == 0
        || family.compare(u"MS Sans Serif", Qt::CaseInsensitive) == 0
        || family.compare(u"Tahoma", Qt::CaseInsensitive) == 0
        || family.compare(u"Verdana", Qt::CaseInsensitive) == 0)
        // The metric-compatible faces first: found without asking the font
        // configuration for substitutes, which is slow.
        font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial")});
    else
        font.setFamily(family);
    if (def.pixelSize > 0)
        font.setPixelSize(def.pixelSize);
    else if (def.pointSize > 0)
        font.setPixelSize((def.pointSize * 96 + 36) / 72); // points at 96 dpi
    font.setBold(def.bold);
    return font;
}

QColor buttonFace()
{
    return QColor(0xF0, 0xF0, 0xF0);
}

void setBackground(QWidget *widget, const QColor &color)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, color);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

} // namespace vkt::ui
