#include "ui/mainwindow.h"

#include "model/dialogs.h"
#include "model/error.h"
#include "model/layout.h"
#include "ui/errorbox.h"
#include "ui/fieldwidgets.h"
#include "ui/headerbar.h"
#include "ui/style.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>
#include <limits>
#include <algorithm>

#include "storage/filling.h"
#include "ui/dialogs.h"
#include "ui/guidewindow.h"
#include "ui/printpreview.h"

namespace vkt::ui {

namespace {

const char *const kEnterProperty = "vktEnterHandler";

QString key(QStringView name)
{
    return name.toString().toLower();
}

Qt::Alignment toAlignment(const layout::LabelSpec &def)
{
    Qt::Alignment a;
    switch (def.align) {
    case layout::Align::Left: a = Qt::AlignLeft; break;
    case layout::Align::Center: a = Qt::AlignHCenter; break;
    case layout::Align::Right: a = Qt::AlignRight; break;
    case layout::Align::Justify: a = Qt::AlignJustify; break;
    }
    switch (def.valign) {
    case layout::VAlign::Top: a |= Qt::AlignTop; break;
    case layout::VAlign::Center: a |= Qt::AlignVCenter; break;
    case layout::VAlign::Bottom: a |= Qt::AlignBottom; break;
    }
    return a;
}

// Makes the face of a widget smaller, a pixel at a time down to four fifths
// of its size, until fits() holds.
template <class Fits>
void shrinkToFit(QWidget *widget, Fits fits)
{
    QFont font = widget->font();
    const int original = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    int size = original;
    while (!fits() && size > (original * 4) / 5) {
        font.setPixelSize(--size);
        widget->setFont(font);
    }
}

// The height that a wrapping label needs at a width.
int neededHeight(const QLabel *label, int width)
{
    if (label->textFormat() != Qt::PlainText)
        return label->heightForWidth(width);
    return QFontMetrics(label->font())
        .boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap | Qt::AlignLeft, label->text())
        .height();
}

QLabel *makeLabel(const layout::LabelSpec &def, QWidget *parent)
{
    auto *label = new QLabel(parent);
    if (!def.name.isEmpty())
        label->setObjectName(def.name);
    label->setFont(toFont(def.font));
    // Only a text with runs of its own weight or size needs the rich-text
    // machinery; the others are drawn as plain text, which is far cheaper to
    // lay out and looks the same (runs of blanks kept).
    if (!def.runs.empty() || !def.boldRuns.isEmpty()) {
        label->setTextFormat(Qt::RichText);
        label->setText(def.html());
    } else {
        label->setTextFormat(Qt::PlainText);
        label->setText(def.text());
    }
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, toColor(def.color));
    pal.setColor(QPalette::Text, toColor(def.color));
    label->setPalette(pal);
    if (def.background == layout::kButtonFace)
        setBackground(label, buttonFace());
    else if (def.background >= 0)
        setBackground(label, toColor(layout::Rgb(def.background)));
    label->setAlignment(toAlignment(def));
    label->setWordWrap(def.wrap);
    label->setAccessibleName(def.text().simplified());
    if (def.rect.w <= 0) {
        label->move(def.rect.x, def.rect.y);
        label->adjustSize();
    } else {
        int h = def.rect.h;
        int y = def.rect.y;
        // (A text of runs of its own sizes, the heading, has room enough by design.)
        if (def.wrap && def.runs.empty() && neededHeight(label, def.rect.w) > h) {
            // This desktop's face needs more lines than the form's: a slightly
            // smaller face first, then more room (upwards for a caption that
            // stands on its field's row).
            shrinkToFit(label, [&] { return neededHeight(label, def.rect.w) <= h; });
            const int needed = neededHeight(label, def.rect.w);
            if (needed > h) {
                if (def.valign == layout::VAlign::Bottom)
                    y -= needed - h;
                h = needed;
            }
        } else if (def.wrap && def.runs.empty() && def.valign == layout::VAlign::Top && def.background == layout::kTransparent) {
            // A see-through text takes no more room than its lines need.
            h = std::min(h, std::max(neededHeight(label, def.rect.w), 1));
        }
        label->setGeometry(def.rect.x, y, def.rect.w, std::max(h, 1));
    }
    return label;
}

} // namespace

TForm1::TForm1(ReturnModel &model, QWidget *parent) : QMainWindow(parent), m_model(model)
{
    const layout::WindowSpec &def = layout::mainWindow();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(def.caption);
    // Slim caption bar with the close box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(toFont(def.font));
    setBackground(this, toColor(def.background));
    resize(def.width, def.height);

    m_dialogs = std::make_unique<WidgetDialogs>(this);

    buildMenu();
    buildContent();
    buildTabOrder();

    connect(&m_model, &ReturnModel::elementChanged, this, &TForm1::onElementChanged);
    connect(qApp, &QApplication::focusChanged, this, &TForm1::onFocusChanged);
    qApp->installEventFilter(this);

    FormCreate();
    // The first control in tab order takes the focus when the window becomes active.
    m_edit11->setFocus(Qt::OtherFocusReason);
}

TForm1::~TForm1()
{
    // The children go after this part of the window: nothing may call back into it.
    qApp->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(&m_model, nullptr, this, nullptr);
    disconnect(m_pageControl, nullptr, this, nullptr);
    disconnect(m_scroll->verticalScrollBar(), nullptr, this, nullptr);
}

void TForm1::buildMenu()
{
    struct Item {
        const char *name;
        const char *caption;
        void (TForm1::*handler)();
    };
    static const Item items[] = {
        {"Nyomtats1", "Nyomtatás", &TForm1::Nyomtats1Click},
        {"Kitltsmentse1", "Űrlap mentése", &TForm1::Kitltsmentse1Click},
        {"Kitltttrlapbetltse1", "Kitöltött űrlap betöltése", &TForm1::Kitltttrlapbetltse1Click},
        {"Kitltsitmutat1", "Kitöltési útmutató", &TForm1::Kitltsitmutat1Click},
        {"Kilps1", "Kilépés", &TForm1::Kilps1Click},
    };
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("AdvMainMenu1"));
    for (const Item &item : items) {
        QAction *action = bar->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        const auto handler = item.handler;
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        m_menu.insert(key(action->objectName()), action);
    }
}

void TForm1::buildContent()
{
    const layout::WindowSpec &def = layout::mainWindow();

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("ScrollBox"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scroll->setWidgetResizable(false);
    setBackground(m_scroll->viewport(), toColor(def.background));
    setCentralWidget(m_scroll);

    m_content = new QWidget;
    m_content->setObjectName(QStringLiteral("Content"));
    setBackground(m_content, toColor(def.background));
    const int contentWidth = def.panel1.right() + def.panel1.x;
    m_content->setFixedSize(contentWidth, def.contentHeight);

    auto *panel1 = new QFrame(m_content);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel1->setLineWidth(1);
    panel1->setGeometry(def.panel1.x, def.panel1.y, def.panel1.w, def.panel1.h);
    setBackground(panel1, toColor(def.panel1Color));
    m_panels.insert(key(u"Panel1"), panel1);
    for (const layout::LabelSpec *l : layout::labelsIn(u"Panel1")) {
        QLabel *label = makeLabel(*l, panel1);
        if (!l->name.isEmpty())
            m_labels.insert(key(l->name), label);
    }

    m_pageControl = new QTabWidget(panel1);
    m_pageControl->setObjectName(QStringLiteral("LMDPageControl1"));
    m_pageControl->setGeometry(def.pageControl.x, def.pageControl.y, def.pageControl.w,
                               def.pageControl.h);
    m_pageControl->setDocumentMode(false);
    m_pageControl->tabBar()->setFont(toFont(def.font));
    m_pageControl->tabBar()->setAccessibleName(QStringLiteral("Lapok"));

    // The tab sheets; each is filled when it is first shown (or asked for).
    for (const layout::TabSpec &tab : layout::tabs()) {
        auto *sheet = new QWidget;
        sheet->setObjectName(tab.sheet);
        setBackground(sheet, toColor(def.panel1Color));
        m_pageControl->addTab(sheet, tab.caption);
        m_panels.insert(key(tab.sheet), sheet);
    }

    // The focus holder lies in the content itself, above the sheets.
    for (const layout::FieldLayout &look : layout::fieldLayouts()) {
        if (!look.tab.isEmpty())
            continue;
        if (Field *field = m_model.find(look.name)) {
            QWidget *w = createControl(*field, &look, m_content);
            w->setGeometry(look.rect.x, look.rect.y, look.rect.w, look.rect.h);
            m_controls.insert(key(field->name()), w);
        }
    }
    m_edit11 = qobject_cast<TextEdit *>(m_controls.value(key(u"Edit11")));
    Q_ASSERT(m_edit11);

    m_scroll->setWidget(m_content);
    m_scroll->verticalScrollBar()->setSingleStep(def.wheelStep);
    // The main sheet: what the first screen shows now, the rest as soon as
    // the window has been painted (or when anything asks for it).
    const QString first = layout::tabs().front().sheet;
    int screenHeight = def.height;
    if (QScreen *screen = QGuiApplication::primaryScreen())
        screenHeight = screen->availableGeometry().height();
    buildPanels(first, screenHeight - def.panel1.y - def.pageControl.y);
    if (!m_builtSheets.contains(first))
        m_content->installEventFilter(this);
    connect(m_scroll->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (QWidget *page = m_pageControl->currentWidget())
            buildSheet(page->objectName());
    });
    connect(m_pageControl, &QTabWidget::currentChanged, this, [this](int index) {
        if (QWidget *page = m_pageControl->widget(index))
            buildSheet(page->objectName());
        m_shownTab = index;
        LMDPageControl1Change();
    });
}

void TForm1::buildSheet(const QString &sheetName)
{
    buildPanels(sheetName, std::numeric_limits<int>::max());
}

void TForm1::buildPanels(const QString &sheetName, int above)
{
    if (m_builtSheets.contains(sheetName))
        return;
    QWidget *sheet = m_panels.value(key(sheetName));
    if (!sheet)
        return;

    // Panels with their header bars, the group boxes, the fixed labels.
    QList<QWidget *> containers;
    QList<QWidget *> panels;
    QSet<QString> batch;
    bool complete = true;
    for (const layout::PanelSpec *p : layout::panelsOf(sheetName)) {
        if (m_panels.contains(key(p->name)))
            continue;
        if (p->rect.y >= above) {
            complete = false;
            continue;
        }
        batch.insert(p->name);
        auto *frame = new QFrame(sheet);
        frame->setObjectName(p->name);
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        frame->setLineWidth(1);
        frame->setGeometry(p->rect.x, p->rect.y, p->rect.w, p->rect.h);
        frame->setProperty(kEnterProperty, p->enterHandler);
        frame->setAccessibleName(p->header.caption.trimmed());
        m_panels.insert(key(p->name), frame);
        containers.append(frame);
        panels.append(frame);
        auto *bar = new HeaderBar(p->header, frame);
        bar->setGeometry(p->header.rect.x, p->header.rect.y, p->header.rect.w, p->header.rect.h);
        m_headers.insert(p->header.name, bar);
        if (p->header.highlightable && !m_lit.isEmpty())
            bar->setLook(p->header.name == m_lit ? layout::highlightedLook() : layout::dimmedLook());
        for (const layout::GroupBoxSpec &g : layout::groupBoxes()) {
            if (g.panel != p->name)
                continue;
            auto *box = new QGroupBox(g.caption, frame);
            box->setObjectName(g.name);
            box->setFont(toFont(g.font));
            box->setGeometry(g.rect.x, g.rect.y, g.rect.w, g.rect.h);
            m_panels.insert(key(g.name), box);
            containers.append(box);
        }
    }
    for (QWidget *c : std::as_const(containers)) {
        for (const layout::LabelSpec *l : layout::labelsIn(c->objectName())) {
            QLabel *label = makeLabel(*l, c);
            if (!l->name.isEmpty())
                m_labels.insert(key(l->name), label);
        }
    }

    // The fields of the sheet in reading order.
    QList<QPair<layout::Rect, QWidget *>> gapAmounts;
    QString gapGroup;
    for (const layout::FieldLayout &look : layout::fieldLayouts()) {
        if (look.tab != sheetName || !batch.contains(look.panel))
            continue;
        Field *field = m_model.find(look.name);
        if (!field)
            continue;
        QWidget *container = m_panels.value(key(look.container), sheet);
        if (look.caption.present() && field->kind() != FieldKind::CheckBox) {
            QLabel *caption = makeLabel(look.caption, m_panels.value(key(look.caption.container), container));
            // A one-line caption in front of its field must end before it.
            const QRect r = caption->geometry();
            if (look.caption.rect.w <= 0 && r.x() < look.rect.x && r.right() + 3 >= look.rect.x
                && r.bottom() >= look.rect.y && r.top() <= look.rect.bottom()) {
                shrinkToFit(caption, [&] {
                    caption->adjustSize();
                    return caption->geometry().right() + 3 < look.rect.x;
                });
                caption->adjustSize();
            }
        }
        QWidget *w = createControl(*field, &look, container);
        if (!w)
            continue;
        w->setGeometry(look.rect.x, look.rect.y, look.rect.w, look.rect.h);
        m_controls.insert(key(field->name()), w);
        if (w->accessibleName() == field->name())
            if (const layout::PanelSpec *p = layout::panel(look.panel))
                w->setAccessibleName(p->header.caption.simplified()); // a table: its panel's title
        if (look.unit.present())
            makeLabel(look.unit, m_panels.value(key(look.unit.container), container));
        if (look.suffix.present())
            makeLabel(look.suffix, m_panels.value(key(look.suffix.container), container));
        if (!look.overlays.isEmpty()) {
            gapAmounts.append({look.rect, w});
            gapGroup = look.overlays;
        }
    }

    // The amounts of sheet "H" stand in the gaps of the sentences of their items.
    if (auto *group = dynamic_cast<ItemGroup *>(m_controls.value(key(gapGroup)))) {
        std::stable_sort(gapAmounts.begin(), gapAmounts.end(), [](const auto &a, const auto &b) {
            return a.first.y != b.first.y ? a.first.y < b.first.y : a.first.x < b.first.x;
        });
        QList<QWidget *> widgets;
        for (const auto &a : gapAmounts) {
            a.second->setFixedSize(a.first.w, a.first.h);
            widgets.append(a.second);
        }
        group->placeInGaps(widgets);
    }

    // Display elements: the warnings and the group boxes of sheet "E".
    for (const auto &element : m_model.elements())
        onElementChanged(element.get());
    for (QWidget *p : std::as_const(panels))
        p->show();
    if (complete)
        m_builtSheets.insert(sheetName);
    if (!batch.isEmpty())
        buildTabOrder();
}

void TForm1::buildSheetOf(const QString &container) const
{
    const QString sheet = layout::sheetOf(container);
    if (!sheet.isEmpty())
        const_cast<TForm1 *>(this)->buildSheet(sheet);
}

void TForm1::buildTabOrder()
{
    // Edit11 first, then the tabs, then each sheet's fields in reading order.
    QList<QWidget *> chain{m_edit11, m_pageControl->tabBar()};
    for (const layout::FieldLayout &look : layout::fieldLayouts()) {
        QWidget *w = m_controls.value(key(look.name));
        if (!w || w == m_edit11)
            continue;
        if (auto *group = dynamic_cast<ItemGroup *>(w)) {
            for (int i = 0; i < group->buttonCount(); ++i)
                chain.append(group->button(i));
        } else {
            chain.append(w);
        }
    }
    for (int i = 0; i + 1 < chain.size(); ++i)
        QWidget::setTabOrder(chain[i], chain[i + 1]);
}

QWidget *TForm1::control(QStringView fieldName) const
{
    if (!m_controls.contains(key(fieldName)))
        if (const layout::FieldLayout *look = layout::fieldLayout(fieldName))
            buildSheetOf(look->tab);
    return m_controls.value(key(fieldName));
}

HeaderBar *TForm1::header(QStringView name) const
{
    if (!m_headers.contains(name.toString()))
        for (const layout::PanelSpec &p : layout::panels())
            if (p.header.name == name)
                buildSheetOf(p.tab);
    return m_headers.value(name.toString());
}

QWidget *TForm1::panel(QStringView name) const
{
    if (!m_panels.contains(key(name)))
        buildSheetOf(name.toString());
    return m_panels.value(key(name));
}

QLabel *TForm1::label(QStringView name) const
{
    if (!m_labels.contains(key(name)))
        if (const layout::LabelSpec *l = layout::label(name))
            buildSheetOf(l->container);
    return m_labels.value(key(name));
}

QAction *TForm1::menuItem(QStringView name) const
{
    return m_menu.value(key(name));
}

void TForm1::onElementChanged(DisplayElement *element)
{
    if (QWidget *box = m_panels.value(key(element->name()))) {
        box->setEnabled(element->isEnabled());
        return;
    }
    if (QLabel *label = m_labels.value(key(element->name())))
        label->setHidden(!element->isVisible());
}

// ------------------------------------------------------------ highlighting

void TForm1::FormCreate()
{
    Panel2Enter();
}

void TForm1::highlight(const QString &headerName)
{
    m_lit = headerName;
    static const char *const highlightable[] = {"LMDFill1", "LMDFill2", "LMDFill3",
                                                "LMDFill4", "LMDFill5", "LMDFill6"};
    for (const char *name : highlightable) {
        if (HeaderBar *bar = m_headers.value(QString::fromLatin1(name)))
            bar->setLook(headerName == QLatin1String(name) ? layout::highlightedLook()
                                                           : layout::dimmedLook());
    }
}

void TForm1::Panel2Enter() { highlight(QStringLiteral("LMDFill1")); }
void TForm1::Panel3Enter() { highlight(QStringLiteral("LMDFill2")); }
void TForm1::Panel4Enter() { highlight(QStringLiteral("LMDFill3")); }
void TForm1::Panel5Enter() { highlight(QStringLiteral("LMDFill4")); }
void TForm1::Panel6Enter() { highlight(QStringLiteral("LMDFill5")); }
void TForm1::Panel7Enter() { highlight(QStringLiteral("LMDFill6")); }

void TForm1::runEnterHandler(const QString &handler)
{
    static const QHash<QString, void (TForm1::*)()> handlers{
        {QStringLiteral("Panel2Enter"), &TForm1::Panel2Enter},
        {QStringLiteral("Panel3Enter"), &TForm1::Panel3Enter},
        {QStringLiteral("Panel4Enter"), &TForm1::Panel4Enter},
        {QStringLiteral("Panel5Enter"), &TForm1::Panel5Enter},
        {QStringLiteral("Panel6Enter"), &TForm1::Panel6Enter},
        {QStringLiteral("Panel7Enter"), &TForm1::Panel7Enter},
    };
    if (const auto fn = handlers.value(handler))
        (this->*fn)();
}

QWidget *TForm1::panelOf(QWidget *widget) const
{
    for (QWidget *w = widget; w && w != this; w = w->parentWidget())
        if (w->property(kEnterProperty).isValid())
            return w;
    return nullptr;
}

void TForm1::onFocusChanged(QWidget *, QWidget *now)
{
    if (!now || now->window() != this)
        return; // a dialog, a menu or the calendar: the window keeps its state
    // Bring the focused control into view.
    if (m_content->isAncestorOf(now)) {
        QWidget *target = now;
        // A radio or tick item shows with its text: keep the whole item in view.
        if (qobject_cast<QAbstractButton *>(now) && now->parentWidget())
            target = now->parentWidget();
        scrollIntoView(target);
    }
    QWidget *entered = panelOf(now);
    if (m_pageControl->currentIndex() != m_shownTab) {
        // The tab control moves the focus onto the new sheet while it switches;
        // that is no entering: LMDPageControl1Change follows at once.
        m_lastPanel = nullptr;
        return;
    }
    if (entered && entered != m_lastPanel.data())
        runEnterHandler(entered->property(kEnterProperty).toString());
    m_lastPanel = entered;
}

// ------------------------------------------------------------ wheel and tabs

void TForm1::scrollIntoView(QWidget *widget)
{
    // Just so far that the whole control is in view (its top when it is
    // taller than the view).
    QScrollBar *bar = m_scroll->verticalScrollBar();
    const QRect r(widget->mapTo(m_content, QPoint(0, 0)), widget->size());
    const int view = m_scroll->viewport()->height();
    int value = bar->value();
    if (r.bottom() >= value + view)
        value = r.bottom() - view + 1;
    if (r.top() < value)
        value = r.top();
    bar->setValue(value);
}

void TForm1::FormMouseWheelDown()
{
    QScrollBar *bar = m_scroll->verticalScrollBar();
    bar->setValue(bar->value() + layout::mainWindow().wheelStep);
}

void TForm1::FormMouseWheelUp()
{
    QScrollBar *bar = m_scroll->verticalScrollBar();
    bar->setValue(bar->value() - layout::mainWindow().wheelStep);
}

void TForm1::LMDPageControl1Change()
{
    m_edit11->setFocus(Qt::OtherFocusReason);
    scrollIntoView(m_edit11);
    m_lastPanel = nullptr;
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_content && event->type() == QEvent::Paint) {
        // The first screen is painted: the rest of the main sheet follows.
        m_content->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { buildSheet(layout::tabs().front().sheet); });
        return false;
    }
    if (event->type() != QEvent::Wheel || !watched->isWidgetType())
        return QMainWindow::eventFilter(watched, event);
    auto *target = static_cast<QWidget *>(watched);
    if (target->window() != this)
        return false;
    auto *wheel = static_cast<QWheelEvent *>(event);
    // The control with the focus has the first say: a focused table moves its
    // current row; every other control leaves the wheel to the window.
    QWidget *focus = QApplication::focusWidget();
    for (QWidget *w = focus; w && w != this; w = w->parentWidget()) {
        if (auto *grid = qobject_cast<StringGrid *>(w)) {
            grid->wheelRows(wheel->angleDelta().y());
            wheel->accept();
            return true;
        }
    }
    m_wheelRest += wheel->angleDelta().y();
    while (m_wheelRest <= -120) {
        m_wheelRest += 120;
        FormMouseWheelDown();
    }
    while (m_wheelRest >= 120) {
        m_wheelRest -= 120;
        FormMouseWheelUp();
    }
    wheel->accept();
    return true;
}

// ------------------------------------------------------------ menu

void TForm1::Nyomtats1Click()
{
    guarded(this, [&] { runPrintCommand(this, m_model, m_printIdentifier); });
}

void TForm1::Kitltsmentse1Click()
{
    guarded(this, [&] { storage::saveFilling(m_model, *m_dialogs, storage::fillingPathBesideProgram()); });
}

void TForm1::Kitltttrlapbetltse1Click()
{
    guarded(this, [&] { storage::loadFilling(m_model, *m_dialogs, storage::fillingPathBesideProgram()); });
}

void TForm1::Kitltsitmutat1Click()
{
    // Modal: the main window waits until the guide is closed. The window is
    // made on first use and kept, with what the user typed into it, until
    // the program ends.
    guarded(this, [&] {
        if (!m_guide)
            m_guide = new GuideWindow(this);
        m_guide->showModally();
    });
}

void TForm1::Kilps1Click()
{
    // Ends at once: no question, nothing saved.
    QCoreApplication::exit(0);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    event->accept();
    QCoreApplication::exit(0);
}

} // namespace vkt::ui
