#include "ui/style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QWidget>

#include <optional>

namespace vkt::ui {

namespace {

// An icon of the base style, fetched when it is first drawn or measured.
class DeferredIconEngine : public QIconEngine
{
public:
    DeferredIconEngine(QPointer<QStyle> style, QStyle::StandardPixmap which)
        : m_style(std::move(style)), m_which(which)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine *clone() const override
    {
        auto *copy = new DeferredIconEngine(m_style, m_which);
        copy->m_icon = m_icon;
        return copy;
    }
    QString key() const override { return QStringLiteral("vkt-deferred"); }
    // Known not to be null without fetching it.
    bool isNull() override { return false; }

private:
    const QIcon &icon()
    {
        if (!m_icon)
            m_icon = m_style ? m_style->standardIcon(m_which) : QIcon();
        return *m_icon;
    }

    QPointer<QStyle> m_style;
    QStyle::StandardPixmap m_which;
    std::optional<QIcon> m_icon;
};

} // namespace

ProgramStyle::ProgramStyle() : QProxyStyle(nullptr)
{
}

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption *option,
                                 const QWidget *widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredIconEngine(baseStyle(), icon));
    return QProxyStyle::standardIcon(icon, option, widget);
}

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
