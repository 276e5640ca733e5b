#include "ui/flowlayout.h"

#include <QWidget>

namespace vkt::ui {

FlowLayout::FlowLayout(QWidget *parent, int hSpacing, int vSpacing)
    : QLayout(parent), m_hSpacing(hSpacing), m_vSpacing(vSpacing)
{
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void FlowLayout::addItem(QLayoutItem *item)
{
    m_items.append(item);
}

QLayoutItem *FlowLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    return m_items.takeAt(index);
}

QSize FlowLayout::minimumSize() const
{
    QSize size;
    for (const QLayoutItem *item : m_items)
        size = size.expandedTo(item->minimumSize());
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

void FlowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    doLayout(rect, false);
}

int FlowLayout::doLayout(const QRect &rect, bool testOnly) const
{
    const QMargins m = contentsMargins();
    const QRect area = rect.adjusted(m.left(), m.top(), -m.right(), -m.bottom());
    int y = area.y();
    int i = 0;
    const int n = int(m_items.size());
    while (i < n) {
        // Gather one line.
        int x = area.x();
        int lineHeight = 0;
        int first = i;
        while (i < n) {
            const QSize hint = m_items[i]->sizeHint();
            const int next = x + hint.width();
            if (i > first && next > area.right() + 1)
                break;
            x = next + m_hSpacing;
            lineHeight = std::max(lineHeight, hint.height());
            ++i;
        }
        if (!testOnly) {
            int lx = area.x();
            for (int k = first; k < i; ++k) {
                const QSize hint = m_items[k]->sizeHint();
                m_items[k]->setGeometry(
                    QRect(QPoint(lx, y + (lineHeight - hint.height()) / 2), hint));
                lx += hint.width() + m_hSpacing;
            }
        }
        y += lineHeight + m_vSpacing;
    }
    return y - m_vSpacing - rect.y() + m.bottom();
}

} // namespace vkt::ui
