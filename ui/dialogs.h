#pragma once

#include "model/dialogs.h"

#include <QDialog>
#include <QFont>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vkt::ui {

// Dialog units of a font: a horizontal unit is a quarter of the average width
// of the letters A-Z and a-z, a vertical unit an eighth of the font height.
struct DialogUnits {
    int averageWidth = 0;
    int height = 0;
    static DialogUnits of(const QFont &font);
    int x(int units) const { return (units * averageWidth + 2) / 4; }
    int y(int units) const { return (units * height + 4) / 8; }
};

// The font of the dialogs: the system's message-box font.
QFont dialogFont();

// The password prompt: a caption, a prompt and one entry of at most 255
// characters that shows what is typed. "OK" (Enter) accepts; "Mégsem", Esc and
// the close box cancel. The entry starts with the given text, all selected.
class PromptDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxLength = 255;

    PromptDialog(const QString &caption, const QString &prompt, const QString &text,
                 QWidget *parent = nullptr);

    QString text() const;
    QLabel *promptLabel() const { return m_prompt; }
    QLineEdit *entry() const { return m_entry; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

    // Shows the dialog modally. Returns true after "OK" and sets text to the
    // entry's content; returns false otherwise and leaves text unchanged.
    static bool ask(const QString &caption, const QString &prompt, QString &text, QWidget *parent = nullptr);

private:
    QLabel *m_prompt;
    QLineEdit *m_entry;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

// The information message: caption "Információ", the information icon, the
// message in bold Verdana and one "OK" button that Enter and Esc press too.
class NoticeDialog : public QDialog {
    Q_OBJECT
public:
    explicit NoticeDialog(const QString &message, QWidget *parent = nullptr);

    QLabel *iconLabel() const { return m_icon; }
    QLabel *messageLabel() const { return m_message; }
    QPushButton *okButton() const { return m_ok; }

    // Shows the message modally and returns when it is closed.
    static void inform(const QString &message, QWidget *parent = nullptr);

private:
    QLabel *m_icon;
    QLabel *m_message;
    QPushButton *m_ok;
};

// The dialogs of the desktop program for the save and load commands.
class WidgetDialogs : public vkt::Dialogs {
public:
    explicit WidgetDialogs(QWidget *parent = nullptr) : m_parent(parent) {}
    bool prompt(const QString &caption, const QString &label, QString &text) override;
    void notice(const QString &message) override;

private:
    QWidget *m_parent;
};

} // namespace vkt::ui
