#include "ui/style.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>
#include <QWidget>

namespace vkt::ui {

namespace {
QString sansFamily()
{
    static const QString family = [] {
        for (const char *candidate : {"Liberation Sans", "Arimo", "Arial"}) {
            const QString name = QString::fromLatin1(candidate);
            if (QFontDatabase::hasFamily(name))
                return name;
        }
        return QStringLiteral("Sans Serif");
    }();
    return family;
}
} // namespace

QFont toFont(const layout::FontSpec &spec)
{
    QFont font;
    const QString family = spec.family.trimmed();
    if (family.isEmpty() || family.compare(u"Arial", Qt::CaseInsensitive) == 0
        || family.compare(u"MS Sans Serif", Qt::CaseInsensitive) == 0
        || family.compare(u"Tahoma", Qt::CaseInsensitive) == 0
        || family.compare(u"Verdana", Qt::CaseInsensitive) == 0)
        font.setFamily(sansFamily());
    else
        font.setFamily(family);
    if (spec.pixelSize > 0)
        font.setPixelSize(spec.pixelSize);
    else if (spec.pointSize > 0)
        font.setPixelSize((spec.pointSize * 96 + 36) / 72); // points at 96 dpi
    font.setBold(spec.bold);
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
