#include "ui/dialogs.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace vkt::ui {

namespace {

constexpr Qt::WindowFlags kDialogFrame = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

QScreen *screenOf(QWidget *parent)
{
    if (parent && parent->screen())
        return parent->screen();
    return QGuiApplication::primaryScreen();
}

// Fixed client size, centred on the screen.
void placeCentered(QDialog *dialog, int width, int height, QWidget *parent)
{
    dialog->setFixedSize(width, height);
    if (QScreen *screen = screenOf(parent)) {
        const QRect area = screen->geometry();
        dialog->move(area.x() + (area.width() - width) / 2, area.y() + (area.height() - height) / 2);
    }
}

} // namespace

DialogUnits DialogUnits::of(const QFont &font)
{
    const QFontMetrics fm(font);
    const int letters = fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    DialogUnits u;
    u.averageWidth = std::max(1, (letters / 26 + 1) / 2);
    u.height = std::max(1, fm.height());
    return u;
}

QFont dialogFont()
{
    return QApplication::font("QMessageBox");
}

// ---------------------------------------------------------------------------

PromptDialog::PromptDialog(const QString &caption, const QString &prompt, const QString &text, QWidget *parent)
    : QDialog(parent, kDialogFrame)
{
    setWindowTitle(caption);
    setFont(dialogFont());
    setSizeGripEnabled(false);
    const DialogUnits u = DialogUnits::of(font());
    const QFontMetrics fm(font());

    // 180 x 63 units; wider when the prompt would not fit, so that it is
    // never cut off.
    const int promptWidth = fm.horizontalAdvance(prompt);
    const int width = std::max(u.x(180), u.x(8) + promptWidth + u.x(8));
    const int height = u.y(63);

    m_prompt = new QLabel(prompt, this);
    m_prompt->setTextFormat(Qt::PlainText);
    m_prompt->move(u.x(8), u.y(8));
    m_prompt->resize(promptWidth + 2, fm.height());

    m_entry = new QLineEdit(this);
    m_entry->setMaxLength(kMaxLength);
    m_entry->setEchoMode(QLineEdit::Normal); // what is typed stays readable
    m_entry->setText(text);
    m_entry->selectAll();
    const int entryHeight = std::max(m_entry->sizeHint().height(), fm.height() + 8);
    m_entry->setGeometry(u.x(8), u.y(19), width - u.x(16), entryHeight);
    m_prompt->setBuddy(m_entry);

    // The two buttons stand side by side, 4 units apart, centred.
    const int buttonY = std::max(u.y(41), m_entry->geometry().bottom() + 1 + u.y(6));
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setGeometry(width / 2 - u.x(52), buttonY, u.x(50), u.y(14));
    m_ok->setDefault(true);
    m_ok->setAutoDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Mégsem"), this);
    m_cancel->setGeometry(width / 2 + u.x(2), buttonY, u.x(50), u.y(14));
    m_cancel->setAutoDefault(true); // Enter presses it while it has the focus
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    placeCentered(this, width, std::max(height, buttonY + u.y(14) + u.y(8)), parent);
    m_entry->setFocus();
}

QString PromptDialog::text() const
{
    return m_entry->text();
}

bool PromptDialog::ask(const QString &caption, const QString &prompt, QString &text, QWidget *parent)
{
    QPointer<PromptDialog> dialog = new PromptDialog(caption, prompt, text, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    const bool ok = dialog->exec() == QDialog::Accepted;
    if (dialog) {
        if (ok)
            text = dialog->text();
        delete dialog;
    }
    return ok;
}

// ---------------------------------------------------------------------------

NoticeDialog::NoticeDialog(const QString &message, QWidget *parent)
    : QDialog(parent, kDialogFrame)
{
    setWindowTitle(QStringLiteral("Információ"));
    setFont(dialogFont());
    setSizeGripEnabled(false);
    const DialogUnits u = DialogUnits::of(font());

    m_icon = new QLabel(this);
    m_icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    m_icon->setGeometry(u.x(8), u.y(8), 32, 32);

    QFont messageFont(QStringLiteral("Verdana"));
    messageFont.setPointSize(10);
    messageFont.setBold(true);
    m_message = new QLabel(this);
    m_message->setTextFormat(Qt::PlainText);
    m_message->setFont(messageFont);
    m_message->setWordWrap(true);
    m_message->setText(message);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Wrapped at half the screen width; trailing blanks count, as shown.
    const QScreen *screen = screenOf(parent);
    const int wrapWidth = std::max(200, (screen ? screen->geometry().width() : 1024) / 2);
    const QFontMetrics fm(messageFont);
    QRect textRect = fm.boundingRect(QRect(0, 0, wrapWidth, 100000), Qt::TextWordWrap, message);
    textRect.setWidth(std::max(textRect.width(), std::min(wrapWidth, fm.horizontalAdvance(message))) + 2);
    const int messageX = u.x(8) + 32 + u.x(10);
    m_message->setGeometry(messageX, u.y(8), textRect.width(), std::max(textRect.height(), fm.height()));

    const int contentWidth = std::max(32 + u.x(10) + textRect.width(), u.x(50));
    const int width = u.x(8) + contentWidth + u.x(8);
    const int buttonY = u.y(8) + std::max(32, m_message->height()) + u.y(10);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setGeometry((width - u.x(50)) / 2, buttonY, u.x(50), u.y(14));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    placeCentered(this, width, buttonY + u.y(14) + u.y(8), parent);
    m_ok->setFocus();
}

void NoticeDialog::inform(const QString &message, QWidget *parent)
{
    QPointer<NoticeDialog> dialog = new NoticeDialog(message, parent);
    dialog->exec();
    delete dialog;
}

// ---------------------------------------------------------------------------

bool WidgetDialogs::prompt(const QString &caption, const QString &label, QString &text)
{
    return PromptDialog::ask(caption, label, text, m_parent);
}

void WidgetDialogs::notice(const QString &message)
{
    NoticeDialog::inform(message, m_parent);
}

} // namespace vkt::ui
