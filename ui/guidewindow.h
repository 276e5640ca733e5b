#pragma once

#include <QDialog>
#include <QPlainTextEdit>

namespace vkt::ui {

// The memo of the guide window: wraps at its width, tab width 4, a thin
// right-margin line, selected text white on navy.
class GuideMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit GuideMemo(QWidget *parent = nullptr);
    static constexpr int kMarginColumn = 80;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// Form2: the filling guide. Created once at start-up and kept until the end,
// so that the text, any edits made in it, the scroll position and the
// selection remain from one showing to the next. The memo is editable; its
// text is never stored anywhere.
class GuideWindow : public QDialog {
    Q_OBJECT
public:
    explicit GuideWindow(QWidget *parent = nullptr);

    QPlainTextEdit *memo() const { return m_memo; }
    QWidget *panel() const { return m_panel; }

    // Kitltsitmutat1Click: shows the guide modally until the user closes it.
    void showModally();

    // The guide text as the program carries it.
    static QString guideText();

protected:
    // A window, not a message: Esc does not close it (the close box does).
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *m_panel;
    GuideMemo *m_memo;
};

} // namespace vkt::ui
