// The main window driven by real mouse, key and wheel events: section
// highlighting, wheel scrolling, tab change, the method choice of section III,
// the keyboard path through the sheet and the menu.

#include "uitest.h"

#include "model/layout.h"
#include "ui/fieldwidgets.h"
#include "ui/headerbar.h"
#include "ui/guidewindow.h"
#include "ui/mainwindow.h"
#include "ui/printpreview.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace vkt;
using namespace vkt::ui;
using uitest::spaced;

namespace {

QString fieldNameOf(QWidget *w)
{
    for (; w; w = w->parentWidget())
        if (FieldControl *c = controlOf(w))
            return c->field().name();
    return {};
}

bool hasLook(HeaderBar *bar, const layout::HeaderLook &look)
{
    return bar->startColor() == QColor::fromRgb(QRgb(0xFF000000u | look.start))
        && bar->endColor() == QColor::fromRgb(QRgb(0xFF000000u | look.end))
        && (look.systemCaption || bar->captionColor() == QColor::fromRgb(QRgb(0xFF000000u | look.caption)));
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ReturnModel> m_model;
    std::unique_ptr<TForm1> m_window;

    QScrollBar *scrollBar() const { return m_window->scrollArea()->verticalScrollBar(); }

    // A control by field name, or an item of a group as "Group_N".
    QWidget *find(const QString &name) const
    {
        if (QWidget *w = m_window->control(name))
            return w;
        m_window->control(name.section(u'_', 0, 0)); // made when first asked for
        return m_window->findChild<QWidget *>(name);
    }

    // A click as the user makes it: the target is scrolled into view first.
    void click(QWidget *w)
    {
        QVERIFY2(w, "no such widget");
        m_window->scrollArea()->ensureWidgetVisible(w, 0, 0);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(std::min(8, w->width() / 2), w->height() / 2));
    }

    void clickTab(int index)
    {
        QTabBar *bar = m_window->pageControl()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        QCOMPARE(m_window->pageControl()->currentIndex(), index);
    }

    // "tab:N" clicks a tab; anything else names a control or a radio/tick item.
    void perform(const QString &step)
    {
        if (step.startsWith(u"tab:"))
            clickTab(step.mid(4).toInt());
        else
            click(find(step));
    }

    void wheel(QWidget *target, int notches)
    {
        const QPointF at(target->width() / 2.0, target->height() / 2.0);
        QWheelEvent e(at, target->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &e);
    }

    QString highlighted() const
    {
        QStringList lit;
        for (int i = 1; i <= 6; ++i) {
            const QString name = QStringLiteral("LMDFill%1").arg(i);
            if (hasLook(m_window->header(name), layout::highlightedLook()))
                lit << name;
            else if (!hasLook(m_window->header(name), layout::dimmedLook()))
                lit << name + QStringLiteral("?");
        }
        return lit.join(u',');
    }

private slots:
    void init()
    {
        m_model = uitest::newReturn();
        m_window = std::make_unique<TForm1>(*m_model);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup()
    {
        m_window.reset();
        m_model.reset();
    }

    void windowAndTabs()
    {
        QCOMPARE(m_window->windowTitle(),
                 QStringLiteral("Elektronikus nyomtatvány - Kerekvárda Polgármesteri Hivatal"));
        const QStringList captions{"1. oldal", "\"A\" lap", "\"B\" lap", "\"C\" lap", "\"D\" lap",
                                   "\"E\" lap", "\"F\" lap", "\"G\" lap", "\"H\" lap"};
        QCOMPARE(m_window->pageControl()->count(), 9);
        for (int i = 0; i < 9; ++i)
            QCOMPARE(m_window->pageControl()->tabText(i), captions[i]);
        QCOMPARE(m_window->pageControl()->currentIndex(), 0);

        QStringList menu;
        for (QAction *a : m_window->menuBar()->actions())
            menu << a->text();
        QCOMPARE(menu, (QStringList{"Nyomtatás", "Űrlap mentése", "Kitöltött űrlap betöltése",
                                    "Kitöltési útmutató", "Kilépés"}));
        QVERIFY(m_window->menuItem(u"Kilps1"));

        // The content scrolls over its whole height; Edit11 is the one-pixel holder at the top.
        QCOMPARE(m_window->scrollArea()->widget()->height(), 3424);
        QCOMPARE(m_window->control(u"Edit11")->geometry(), QRect(0, 0, 1, 21));
        QCOMPARE(m_window->scrollArea()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }

    void startState()
    {
        QCOMPARE(QApplication::focusWidget(), m_window->control(u"Edit11"));
        QCOMPARE(scrollBar()->value(), 0);
        QCOMPARE(highlighted(), QStringLiteral("LMDFill1"));
        // Section VI and the sheets keep the colours of the form description.
        QVERIFY(hasLook(m_window->header(u"LMDFill15"), layout::formLook()));
        QVERIFY(hasLook(m_window->header(u"LMDFill7"), layout::formLook()));
        // Warnings at start: section III shown, section IV hidden.
        QVERIFY(!m_window->label(u"egyszvaluzenet")->isHidden());
        QVERIFY(m_window->label(u"LMDRichLabel17")->isHidden());
        QVERIFY(m_window->control(u"PBNumEdit29")->isHidden());
    }

    void headerHighlighting_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("expected");
        QTest::newRow("III") << QStringList{"LMDRadioGroup6_1"} << "LMDFill3";
        QTest::newRow("back to I") << QStringList{"LMDRadioGroup6_1", "Edit2"} << "LMDFill1";
        QTest::newRow("II by the date") << QStringList{"DateTimePicker3"} << "LMDFill2";
        QTest::newRow("IV by a radio item") << QStringList{"LMDRadioGroup3_2"} << "LMDFill4";
        QTest::newRow("V") << QStringList{"PBNumEdit2"} << "LMDFill5";
        QTest::newRow("VI lights VII") << QStringList{"PBNumEdit72"} << "LMDFill6";
        QTest::newRow("VII") << QStringList{"LMDCheckBox1"} << "LMDFill6";
        QTest::newRow("sheet B lights II") << QStringList{"tab:2", "PBNumEdit44", "tab:0"} << "LMDFill2";
        QTest::newRow("sheet H lights II") << QStringList{"tab:8", "PBNumEdit75", "tab:0"} << "LMDFill2";
        QTest::newRow("a disabled field is not entered") << QStringList{"PBNumEdit1"} << "LMDFill1";
        QTest::newRow("a tab change alone keeps the colours")
            << QStringList{"PBNumEdit2", "tab:3", "tab:0"} << "LMDFill5";
    }
    void headerHighlighting()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, expected);
        for (const QString &step : steps)
            perform(step);
        QCOMPARE(highlighted(), expected);
        QVERIFY(hasLook(m_window->header(u"LMDFill15"), layout::formLook()));
    }

    void enterRunsOnlyWhenComingFromOutside()
    {
        click(find(QStringLiteral("PBNumEdit2")));
        QCOMPARE(highlighted(), QStringLiteral("LMDFill5"));
        m_window->Panel4Enter(); // paint another look to see whether the handler runs again
        click(find(QStringLiteral("PBNumEdit3")));
        QCOMPARE(highlighted(), QStringLiteral("LMDFill3")); // same section: nothing ran
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(highlighted(), QStringLiteral("LMDFill3"));
        // After a tab change the same section counts as entered again.
        clickTab(1);
        clickTab(0);
        click(find(QStringLiteral("PBNumEdit3")));
        QCOMPARE(highlighted(), QStringLiteral("LMDFill5"));
    }

    void wheelScrollsTwentyPixelsPerNotch()
    {
        auto *picker = qobject_cast<DatePicker *>(m_window->control(u"DateTimePicker1"));
        const QDate date = picker->date();
        wheel(picker, -1); // towards the user: content up
        QCOMPARE(scrollBar()->value(), 20);
        wheel(m_window->control(u"Edit1"), -2);
        QCOMPARE(scrollBar()->value(), 60);
        wheel(m_window->label(u"Label10"), 1);
        QCOMPARE(scrollBar()->value(), 40);
        QCOMPARE(picker->date(), date); // the picker under the mouse keeps its date
        wheel(m_window->pageControl()->tabBar(), -1);
        QCOMPARE(m_window->pageControl()->currentIndex(), 0); // the tab bar does not switch tabs
        QCOMPARE(scrollBar()->value(), 60);

        // At the ends the wheel does nothing more.
        scrollBar()->setValue(scrollBar()->maximum());
        wheel(m_window->control(u"PBNumEdit28"), -1);
        QCOMPARE(scrollBar()->value(), scrollBar()->maximum());
        scrollBar()->setValue(0);
        wheel(m_window->control(u"Edit1"), 1);
        QCOMPARE(scrollBar()->value(), 0);
    }

    void focusedTableKeepsTheWheel()
    {
        clickTab(7); // sheet "G"
        auto *grid = qobject_cast<StringGrid *>(m_window->control(u"AdvStringGrid2"));
        QVERIFY(grid);
        m_window->scrollArea()->ensureWidgetVisible(grid, 0, 0);
        const QModelIndex cell = grid->model()->index(3, 1);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
        QCOMPARE(grid->currentIndex().row(), 3);
        const int scrolled = scrollBar()->value();
        wheel(grid->viewport(), -1);
        QCOMPARE(grid->currentIndex().row(), 4);
        wheel(m_window->label(u"Label10"), 2); // anywhere in the window
        QCOMPARE(grid->currentIndex().row(), 2);
        QCOMPARE(scrollBar()->value(), scrolled);

        // Without the focus the table leaves the wheel to the window.
        clickTab(0);
        clickTab(7);
        wheel(grid->viewport(), -1);
        QCOMPARE(scrollBar()->value(), 20);
        QCOMPARE(grid->currentIndex().row(), 2);
    }

    void tabChangeGoesBackToTheTop()
    {
        click(find(QStringLiteral("PBNumEdit28")));
        QVERIFY(scrollBar()->value() > 1000);
        clickTab(4);
        QCOMPARE(scrollBar()->value(), 0);
        QCOMPARE(QApplication::focusWidget(), m_window->control(u"Edit11"));
        // Keys typed now go to the focus holder, which takes no typed text.
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("xyz"));
        QCOMPARE(m_model->field(u"Edit11").text(), QStringLiteral("Edit11"));
    }

    void methodChoiceSwitchesTheRevenueRows_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<bool>("revenueRows"); // 9111 .. 9115
        QTest::addColumn<bool>("costRows");    // 912 .. 914
        QTest::addColumn<QString>("boxes");    // GroupBox1..3 enabled
        QTest::addColumn<bool>("warning");
        QTest::newRow("flat-rate") << 0 << false << false << "100" << true;
        QTest::newRow("80 %") << 1 << false << false << "010" << true;
        QTest::newRow("simplified tax") << 2 << false << false << "001" << true;
        QTest::newRow("none") << 3 << true << true << "100" << false;
    }
    void methodChoiceSwitchesTheRevenueRows()
    {
        QFETCH(int, method);
        QFETCH(bool, revenueRows);
        QFETCH(bool, costRows);
        QFETCH(QString, boxes);
        QFETCH(bool, warning);
        if (method == 0)
            click(find(QStringLiteral("LMDRadioGroup5_3"))); // leave 0 first, so that 0 is a change
        click(find(QStringLiteral("LMDRadioGroup5_%1").arg(method)));
        for (const char *name : {"PBNumEdit30", "PBNumEdit31", "PBNumEdit32", "PBNumEdit33", "PBNumEdit34"})
            QCOMPARE(m_window->control(QString::fromLatin1(name))->isEnabled(), revenueRows);
        for (const char *name : {"PBNumEdit2", "PBNumEdit3", "PBNumEdit4", "PBNumEdit5"})
            QCOMPARE(m_window->control(QString::fromLatin1(name))->isEnabled(), costRows);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(m_window->panel(QStringLiteral("GroupBox%1").arg(i + 1))->isEnabled(), boxes[i] == u'1');
        QCOMPARE(!m_window->label(u"egyszvaluzenet")->isHidden(), warning);
    }

    void typingRow9111FillsRows911And915()
    {
        uitest::ErrorRecorder errors;
        QWidget *row9111 = m_window->control(u"PBNumEdit30");
        QVERIFY(!row9111->isEnabled()); // until a method is chosen
        click(find(QStringLiteral("LMDRadioGroup5_3")));
        QVERIFY(row9111->isEnabled());
        click(row9111);
        QCOMPARE(QApplication::focusWidget(), row9111);
        QTest::keyClicks(row9111, QStringLiteral("1234567"));
        QCOMPARE(spaced(qobject_cast<QLineEdit *>(row9111)->text()), QStringLiteral("1 234 567"));
        auto shown = [&](const char *name) {
            return spaced(qobject_cast<QLineEdit *>(m_window->control(QString::fromLatin1(name)))->text());
        };
        QCOMPARE(shown("PBNumEdit1"), QStringLiteral("1 234 567")); // 911
        QCOMPARE(shown("PBNumEdit6"), QStringLiteral("1 234 567")); // 915
        QCOMPARE(highlighted(), QStringLiteral("LMDFill5"));
        // The minus key toggles the sign, and the rows follow.
        QTest::keyClick(row9111, '-');
        QCOMPARE(shown("PBNumEdit30"), QStringLiteral("-1 234 567"));
        QCOMPARE(spaced(m_model->field(u"PBNumEdit29").text()), QStringLiteral("-1 234 567"));
        QVERIFY(errors.messages.isEmpty());
    }

    void fieldInDisabledGroupBoxRefusesInput()
    {
        QWidget *netRevenue = m_window->control(u"PBNumEdit26"); // in GroupBox2, disabled at start
        clickTab(5);
        click(netRevenue);
        QVERIFY(QApplication::focusWidget() != netRevenue);
        QTest::keyClicks(netRevenue, QStringLiteral("500"));
        QCOMPARE(m_model->field(u"PBNumEdit26").text(), QStringLiteral("0"));
        // The enabled box takes input.
        QWidget *flatRate = m_window->control(u"PBNumEdit23");
        click(flatRate);
        QTest::keyClicks(flatRate, QStringLiteral("500"));
        QCOMPARE(m_model->field(u"PBNumEdit23").text(), QStringLiteral("500"));
    }

    void failingRuleShowsTheErrorBoxAndGoesOn()
    {
        uitest::ErrorRecorder errors;
        QWidget *row916 = m_window->control(u"PBNumEdit7");
        click(row916);
        QTest::keyClicks(row916, QStringLiteral("2E"));
        QCOMPARE(errors.messages, QStringList{QStringLiteral("'2E' is not a valid floating point value.")});
        QTest::keyClicks(row916, QStringLiteral("3"));
        QCOMPARE(spaced(m_model->field(u"PBNumEdit7").text()), QStringLiteral("2 000"));
        QCOMPARE(spaced(m_model->field(u"PBNumEdit9").text()), QStringLiteral("-2 000")); // 919 follows
    }

    void tabOrderFollowsTheSheet()
    {
        // Tab from the focus holder walks the tabs, then every field of the
        // sheet in reading order; the disabled ones are passed over.
        QStringList expected;
        for (const layout::FieldLayout &look : layout::fieldLayouts()) {
            QWidget *w = m_window->control(look.name);
            if (look.tab == u"LMDTabSheet1" && w && w->isEnabled() && !w->isHidden())
                expected << look.name;
        }
        QStringList visited;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m_window->pageControl()->tabBar());
        for (int i = 0; i < 400; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const QString name = fieldNameOf(QApplication::focusWidget());
            if (name == u"Edit11" || name.isEmpty())
                break;
            if (visited.isEmpty() || visited.last() != name)
                visited << name;
        }
        QCOMPARE(visited, expected);
    }

    void accessibleNamesAreTheCaptions_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("name");
        QTest::newRow("text") << "Edit1" << "Adózó neve (cégneve):";
        QTest::newRow("amount") << "PBNumEdit2" << "912. Eladott áruk beszerzési értéke";
        QTest::newRow("group") << "LMDRadioGroup3" << "Könyvvezetés módja";
        QTest::newRow("date") << "DateTimePicker1" << "Iparűzési tevékenység megkezdésének időpontja:";
    }
    void accessibleNamesAreTheCaptions()
    {
        QFETCH(QString, field);
        QFETCH(QString, name);
        QCOMPARE(m_window->control(field)->accessibleName(), name);
    }

    void everyFieldHasASpokenName()
    {
        for (const layout::FieldLayout &look : layout::fieldLayouts()) {
            if (look.name == u"Edit11" || !look.visible)
                continue;
            QWidget *w = m_window->control(look.name);
            QVERIFY2(w, qPrintable(look.name));
            QVERIFY2(!w->accessibleName().isEmpty() && w->accessibleName() != look.name, qPrintable(look.name));
        }
    }

    void sheetHAmountsStandInTheirSentences()
    {
        QWidget *group = m_window->control(u"LMDRadioGroup1");
        for (const char *name : {"PBNumEdit74", "PBNumEdit75", "PBNumEdit76", "PBNumEdit77"}) {
            QWidget *amount = m_window->control(QString::fromLatin1(name));
            QVERIFY2(group->isAncestorOf(amount), name);
            QVERIFY(amount->isEnabled());
        }
        // Item 2 holds two amounts, in the order of its sentence.
        QWidget *refund = m_window->control(u"PBNumEdit75");
        QWidget *transfer = m_window->control(u"PBNumEdit76");
        QCOMPARE(refund->parentWidget(), transfer->parentWidget());
        const QPoint a = refund->mapTo(group, QPoint());
        const QPoint b = transfer->mapTo(group, QPoint());
        QVERIFY(a.y() < b.y() || (a.y() == b.y() && a.x() < b.x()));
    }

    void noControlsOverlap()
    {
        // Within each panel and group box, no two field controls overlap and
        // no caption lies over a field. Every sheet is shown once first.
        for (int i = m_window->pageControl()->count() - 1; i >= 0; --i)
            clickTab(i);
        const auto containers = m_window->findChildren<QWidget *>();
        for (QWidget *c : containers) {
            if (!c->property("vktEnterHandler").isValid() && !qobject_cast<QGroupBox *>(c))
                continue;
            QList<QWidget *> fields;
            QList<QLabel *> labels;
            for (QObject *o : c->children()) {
                auto *w = qobject_cast<QWidget *>(o);
                if (!w || w->isHidden())
                    continue;
                if (controlOf(w))
                    fields << w;
                else if (auto *l = qobject_cast<QLabel *>(w))
                    labels << l;
            }
            for (int i = 0; i < fields.size(); ++i) {
                for (int j = i + 1; j < fields.size(); ++j)
                    QVERIFY2(!fields[i]->geometry().intersects(fields[j]->geometry()),
                             qPrintable(fields[i]->objectName() + " / " + fields[j]->objectName()));
                for (QLabel *l : labels) {
                    QVERIFY2(!fields[i]->geometry().intersects(l->geometry()),
                             qPrintable(fields[i]->objectName() + " / " + l->text().left(40)));
                }
            }
        }
    }

    void exitEndsTheProgramAtOnce_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Kilépés") << false;
        QTest::newRow("close box") << true;
    }
    void exitEndsTheProgramAtOnce()
    {
        QFETCH(bool, closeBox);
        QWidget *row916 = m_window->control(u"PBNumEdit7");
        click(row916);
        QTest::keyClicks(row916, QStringLiteral("1234")); // unsaved input: no question
        QTimer::singleShot(0, m_window.get(), [this, closeBox] {
            if (closeBox)
                m_window->close();
            else
                m_window->menuItem(u"Kilps1")->trigger();
        });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
    }

    void printMenuShowsThePreview()
    {
        int previews = 0;
        QStringList pages;
        setPreviewPresenter([&](QWidget *parent, const report::PreparedReport &report) {
            QCOMPARE(parent, m_window.get());
            pages = report.pageNames();
            ++previews;
        });
        m_model->field(u"Edit1").setText(QStringLiteral("Próba Kft."));
        m_window->menuItem(u"Nyomtats1")->trigger();
        setPreviewPresenter({});
        QCOMPARE(previews, 1);
        QCOMPARE(pages.size(), 3); // the three pages of the main sheet
        QVERIFY(!m_window->printIdentifier().isEmpty());
    }

    void guideMenuShowsTheGuideAndKeepsIt()
    {
        QTimer::singleShot(0, [] {
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        });
        m_window->menuItem(u"Kitltsitmutat1")->trigger();
        GuideWindow *guide = m_window->guideWindow();
        QVERIFY(guide);
        QVERIFY(!guide->isVisible());
        QVERIFY(guide->memo()->toPlainText().contains(QStringLiteral("Figyelem!")));
        guide->memo()->setPlainText(QStringLiteral("saját jegyzet"));
        QTimer::singleShot(0, [] {
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        });
        m_window->menuItem(u"Kitltsitmutat1")->trigger();
        QCOMPARE(m_window->guideWindow(), guide);
        QCOMPARE(guide->memo()->toPlainText(), QStringLiteral("saját jegyzet"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
