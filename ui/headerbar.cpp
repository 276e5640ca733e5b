#include "ui/headerbar.h"

#include "ui/style.h"

#include <QLinearGradient>
#include <QFontMetrics>
#include <QPainter>

namespace vkt::ui {

HeaderBar::HeaderBar(const layout::HeaderSpec &def, QWidget *parent)
    : QWidget(parent), m_caption(def.caption), m_centered(def.centered), m_wrap(def.wrap)
{
    setObjectName(def.name);
    setFont(toFont(def.font));
    setAccessibleName(def.caption.trimmed());
    setLook(layout::formLook());
}

void HeaderBar::setLook(const layout::HeaderLook &look)
{
    m_start = toColor(look.start);
    m_end = toColor(look.end);
    m_captionColor = toColor(look.caption);
    m_systemCaption = look.systemCaption;
    update();
}

QColor HeaderBar::captionColor() const
{
    return m_systemCaption ? palette().color(QPalette::WindowText) : m_captionColor;
}

void HeaderBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient gradient(rect().topLeft(), rect().topRight());
    gradient.setColorAt(0, m_start);
    gradient.setColorAt(1, m_end);
    p.fillRect(rect(), gradient);
    p.setPen(captionColor());
    p.setFont(font());
    if (m_centered || m_wrap) {
        p.drawText(rect().adjusted(8, 0, -8, 0), Qt::AlignCenter | Qt::TextWordWrap, m_caption.trimmed());
    } else {
        // The leading blanks of the caption are its indent. A caption wider
        // than the bar in this desktop's face is drawn a little smaller.
        QFont f = font();
        const int original = f.pixelSize();
        while (original > 0 && f.pixelSize() > (original * 3) / 4
               && QFontMetrics(f).horizontalAdvance(m_caption) > width() - 4)
            f.setPixelSize(f.pixelSize() - 1);
        p.setFont(f);
        p.drawText(rect().adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_caption);
    }
}

} // namespace vkt::ui
