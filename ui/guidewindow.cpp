#include "ui/guidewindow.h"

#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <QScreen>

// The guide text is a resource of the data library.
static void initGuideResource()
{
    Q_INIT_RESOURCE(guide);
}

namespace vkt::ui {

namespace {

void paintBackground(QWidget *widget, const QColor &color)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, color);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

} // namespace

GuideMemo::GuideMemo(QWidget *parent)
    : QPlainTextEdit(parent)
{
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPointSize(10);
    setFont(mono);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setTabStopDistance(4 * QFontMetricsF(mono).horizontalAdvance(QLatin1Char(' ')));
    setReadOnly(false);

    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Highlight, QColor(0, 0, 128));
        pal.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    setPalette(pal);
}

void GuideMemo::paintEvent(QPaintEvent *event)
{
    QPlainTextEdit::paintEvent(event);
    // The right-margin line, when the memo is wide enough to show it.
    const qreal x = contentOffset().x() + document()->documentMargin()
        + kMarginColumn * QFontMetricsF(font()).horizontalAdvance(QLatin1Char('M'));
    if (x < viewport()->width()) {
        QPainter p(viewport());
        p.setPen(QColor(226, 226, 226));
        p.drawLine(QPointF(x, 0), QPointF(x, viewport()->height()));
    }
}

GuideWindow::GuideWindow(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Kitöltési útmutató"));
    paintBackground(this, QColor(197, 182, 152));
    // Outer size 701 x 489 with the usual frame: the client area below.
    resize(685, 451);

    m_panel = new QWidget(this);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setGeometry(16, 16, 657, 417);
    paintBackground(m_panel, QColor(246, 244, 231));

    m_memo = new GuideMemo(m_panel);
    m_memo->setObjectName(QStringLiteral("AdvMemo1"));
    m_memo->setGeometry(8, 8, 641, 401);
    m_memo->setPlainText(guideText());
}

void GuideWindow::showModally()
{
    // Centred on the screen each time it is shown.
    if (QScreen *s = screen()) {
        const QRect area = s->geometry();
        const QSize outer = frameGeometry().size();
        move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
    }
    exec();
}

void GuideWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QString GuideWindow::guideText()
{
    static const QString text = [] {
        initGuideResource();
        QFile file(QStringLiteral(":/guide/guide.txt"));
        if (!file.open(QIODevice::ReadOnly))
            return QString();
        return QString::fromUtf8(file.readAll());
    }();
    return text;
}

} // namespace vkt::ui
