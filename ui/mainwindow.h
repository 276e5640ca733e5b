#pragma once

#include "model/returnmodel.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <memory>

class QAction;
class QLabel;
class QScrollArea;
class QTabWidget;

namespace vkt {
class Dialogs;
}

namespace vkt::ui {

class GuideWindow;
class HeaderBar;
class TextEdit;

// The main window: the heading, the tab control with the main sheet and the
// supplementary sheets, every field of the return, the section highlighting,
// the wheel, and the menu with the program's commands.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(ReturnModel &model, QWidget *parent = nullptr);
    ~TForm1() override;

    ReturnModel &model() const { return m_model; }

    // What the window is made of (tests and the commands look at it).
    QScrollArea *scrollArea() const { return m_scroll; }
    QTabWidget *pageControl() const { return m_pageControl; }
    QWidget *control(QStringView fieldName) const;   // the control of a field
    HeaderBar *header(QStringView name) const;       // LMDFill1 ...
    QWidget *panel(QStringView name) const;          // Panel2 ...
    QLabel *label(QStringView name) const;           // the named fixed labels
    QAction *menuItem(QStringView name) const;       // Nyomtats1 ...
    QString &printIdentifier() { return m_printIdentifier; }
    GuideWindow *guideWindow() const { return m_guide; }

    // FormCreate, the window's part: section I highlighted.
    void FormCreate();

    // Section header highlighting (enter handlers of the section panels).
    void Panel2Enter();
    void Panel3Enter();
    void Panel4Enter();
    void Panel5Enter();
    void Panel6Enter();
    void Panel7Enter();

    // One wheel notch: 20 pixels down (towards the user) or up.
    void FormMouseWheelDown();
    void FormMouseWheelUp();

    // Another tab was chosen: the focus goes back to the focus holder.
    void LMDPageControl1Change();

    // The menu.
    void Nyomtats1Click();
    void Kitltsmentse1Click();
    void Kitltttrlapbetltse1Click();
    void Kitltsitmutat1Click();
    void Kilps1Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildContent();
    void buildMenu();
    void buildTabOrder();
    // The panels, labels and fields of one tab sheet, built when the sheet is
    // first shown or asked for.
    void buildSheet(const QString &sheetName);
    // The panels of a sheet whose top lies above the given height (in the sheet).
    void buildPanels(const QString &sheetName, int above);
    void buildSheetOf(const QString &container) const;
    void highlight(const QString &header);
    void runEnterHandler(const QString &handler);
    void onFocusChanged(QWidget *old, QWidget *now);
    void scrollIntoView(QWidget *widget);
    QWidget *panelOf(QWidget *widget) const;
    void onElementChanged(DisplayElement *element);

    ReturnModel &m_model;
    QScrollArea *m_scroll = nullptr;
    QWidget *m_content = nullptr;
    QTabWidget *m_pageControl = nullptr;
    TextEdit *m_edit11 = nullptr;
    QHash<QString, QWidget *> m_controls;   // lower-case field name
    QHash<QString, HeaderBar *> m_headers;  // header name
    QHash<QString, QWidget *> m_panels;     // panel and group box name
    QHash<QString, QLabel *> m_labels;      // fixed label name
    QHash<QString, QAction *> m_menu;
    QSet<QString> m_builtSheets;
    QString m_lit;                          // the highlighted one of LMDFill1..LMDFill6
    QPointer<QWidget> m_lastPanel;          // section panel of the last focused control
    int m_shownTab = 0;
    int m_wheelRest = 0;
    QString m_printIdentifier;
    std::unique_ptr<Dialogs> m_dialogs;
    GuideWindow *m_guide = nullptr;         // TForm2, made on first use
};

} // namespace vkt::ui
