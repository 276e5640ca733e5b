// The field controls driven by real key and mouse events, each bound to a
// field of a return in its start-up state.

#include "uitest.h"

#include "model/layout.h"
#include "ui/fieldwidgets.h"
#include "ui/style.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QTest>
#include <QVBoxLayout>

using namespace vkt;
using namespace vkt::ui;
using uitest::grouped;
using uitest::spaced;

class TestControls : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ReturnModel> m_model;
    std::unique_ptr<QWidget> m_host;

    template <class W>
    W *make(const char *name)
    {
        Field &f = m_model->field(QString::fromLatin1(name));
        QWidget *w = createControl(f, layout::fieldLayout(f.name()), m_host.get());
        m_host->layout()->addWidget(w);
        return qobject_cast<W *>(w);
    }

    void showHost()
    {
        m_host->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
        m_host->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_host.get()));
    }

    // '<' Home, '>' End, '#' Backspace, '~' Delete; other characters typed.
    static void typeKeys(QWidget *w, const QString &keys)
    {
        for (QChar c : keys) {
            switch (c.unicode()) {
            case '<': QTest::keyClick(w, Qt::Key_Home); break;
            case '>': QTest::keyClick(w, Qt::Key_End); break;
            case '#': QTest::keyClick(w, Qt::Key_Backspace); break;
            case '~': QTest::keyClick(w, Qt::Key_Delete); break;
            default: QTest::keyClick(w, c.toLatin1()); break;
            }
        }
    }

private slots:
    void init()
    {
        m_model = uitest::newReturn();
        m_host = std::make_unique<QWidget>();
        new QVBoxLayout(m_host.get());
    }
    void cleanup()
    {
        m_host.reset();
        m_model.reset();
    }

    void numEditTyping_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("caret"); // -1: not checked

        QTest::newRow("grouped while typed") << "0" << "1234567" << "1 234 567" << 9;
        QTest::newRow("a digit replaces a lone 0") << "0" << "5" << "5" << 1;
        QTest::newRow("minus toggles the sign") << "0" << "12-" << "-12" << 3;
        QTest::newRow("minus twice") << "0" << "12--" << "12" << 2;
        QTest::newRow("minus with the caret in front") << "0" << "1234<-" << "-1 234" << 1;
        QTest::newRow("minus on a lone 0") << "0" << "-" << "-0" << -1;
        QTest::newRow("decimal separator") << "0" << "1234,5" << "1 234,5" << 7;
        QTest::newRow("point is no separator here") << "0" << "12.5" << "125" << -1;
        QTest::newRow("letters and blanks refused") << "0" << "1x 2" << "12" << -1;
        QTest::newRow("exponent as typed") << "0" << "1e3" << "1 000" << -1;
        QTest::newRow("caret keeps its digits") << "0" << "1234<567" << "5 671 234" << 4;
        QTest::newRow("backspace regroups") << "0" << "1234>#" << "123" << 3;
        QTest::newRow("delete regroups") << "0" << "12345<~" << "2 345" << 0;
        QTest::newRow("loaded text regrouped by the next key") << "1000" << ">" << "1 000" << 5;
        QTest::newRow("fraction digits kept while typed") << "0" << "1,50" << "1,50" << -1;
    }
    void numEditTyping()
    {
        QFETCH(QString, start);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        QFETCH(int, caret);
        uitest::ErrorRecorder errors;
        auto *edit = make<NumEdit>("PBNumEdit7");
        Field &field = m_model->field(u"PBNumEdit7");
        field.setText(start);
        edit->setCursorPosition(int(edit->text().size()));
        typeKeys(edit, keys);
        QCOMPARE(spaced(edit->text()), expected);
        QCOMPARE(spaced(field.text()), expected); // one value: the field's
        if (caret >= 0)
            QCOMPARE(edit->cursorPosition(), caret);
    }

    void numEditRowChainRunsOnEveryKey()
    {
        // Row 916 feeds 919; every key recomputes the chain.
        uitest::ErrorRecorder errors;
        auto *edit = make<NumEdit>("PBNumEdit12"); // 918 adds to 919
        typeKeys(edit, QStringLiteral("2500"));
        QCOMPARE(spaced(m_model->field(u"PBNumEdit9").text()), QStringLiteral("2 500"));
        typeKeys(edit, QStringLiteral("-"));
        QCOMPARE(spaced(m_model->field(u"PBNumEdit9").text()), QStringLiteral("-2 500"));
        QVERIFY(errors.messages.isEmpty());
    }

    void numEditConversionErrorGoesToTheBox()
    {
        uitest::ErrorRecorder errors;
        auto *edit = make<NumEdit>("PBNumEdit7");
        typeKeys(edit, QStringLiteral("1E"));
        QCOMPARE(errors.messages,
                 QStringList{QStringLiteral("'1E' is not a valid floating point value.")});
        QCOMPARE(m_model->field(u"PBNumEdit7").text(), QStringLiteral("1E"));
        // The program goes on: the next digit makes a number again.
        typeKeys(edit, QStringLiteral("4"));
        QCOMPARE(spaced(edit->text()), QStringLiteral("10 000"));
    }

    void numEditLeave_data()
    {
        QTest::addColumn<int>("reason");
        QTest::addColumn<QString>("expected");
        QTest::newRow("tab to another field") << int(Qt::TabFocusReason) << "1 000";
        QTest::newRow("click on another field") << int(Qt::MouseFocusReason) << "1 000";
        QTest::newRow("another window takes over") << int(Qt::ActiveWindowFocusReason) << "1000";
        QTest::newRow("menu opens") << int(Qt::PopupFocusReason) << "1000";
    }
    void numEditLeave()
    {
        QFETCH(int, reason);
        QFETCH(QString, expected);
        auto *edit = make<NumEdit>("PBNumEdit7");
        m_model->field(u"PBNumEdit7").setText(QStringLiteral("1000")); // as loading writes it
        QCOMPARE(edit->text(), QStringLiteral("1000"));
        QFocusEvent out(QEvent::FocusOut, Qt::FocusReason(reason));
        QApplication::sendEvent(edit, &out);
        QCOMPARE(spaced(m_model->field(u"PBNumEdit7").text()), expected);
        QCOMPARE(spaced(edit->text()), expected);
    }

    void numEditLeaveWithBadTextShowsError()
    {
        uitest::ErrorRecorder errors;
        auto *edit = make<NumEdit>("PBNumEdit28");
        m_model->field(u"PBNumEdit28").setText(QStringLiteral("12E"));
        errors.messages.clear();
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(edit, &out);
        QCOMPARE(errors.messages, QStringList{QStringLiteral("'12E' is not a valid floating point value.")});
        QCOMPARE(edit->text(), QStringLiteral("12E")); // kept until corrected
    }

    void numEditDisabledRefusesInputAndShowsGrey()
    {
        auto *derived = make<NumEdit>("PBNumEdit1"); // row 911, derived
        QVERIFY(!derived->isEnabled());
        typeKeys(derived, QStringLiteral("55"));
        QCOMPARE(m_model->field(u"PBNumEdit1").text(), QStringLiteral("0"));
        QCOMPARE(derived->palette().color(QPalette::Disabled, QPalette::Base), buttonFace());
        QVERIFY(derived->alignment() & Qt::AlignRight);
        // A rule enabling the field enables the control.
        m_model->field(u"PBNumEdit1").setEnabled(true);
        QVERIFY(derived->isEnabled());
    }

    void numEditFollowsTheField()
    {
        auto *edit = make<NumEdit>("PBNumEdit6");
        m_model->field(u"PBNumEdit6").setValue(1234.5L);
        QCOMPARE(spaced(edit->text()), QStringLiteral("1 234,5"));
        auto *hidden = make<NumEdit>("PBNumEdit29");
        QVERIFY(hidden->isHidden());
    }

    void textEdit()
    {
        auto *name = make<TextEdit>("Edit1");
        QTest::keyClicks(name, QStringLiteral("Kovacs Kft."));
        QCOMPARE(m_model->field(u"Edit1").text(), QStringLiteral("Kovacs Kft."));
        m_model->field(u"Edit1").setText(QStringLiteral("Más"));
        QCOMPARE(name->text(), QStringLiteral("Más"));
        QCOMPARE(name->accessibleName(), QStringLiteral("Adózó neve (cégneve):"));
    }

    void focusHolderTakesNoTypedText()
    {
        auto *holder = make<TextEdit>("Edit11");
        QTest::keyClicks(holder, QStringLiteral("abc"));
        QCOMPARE(m_model->field(u"Edit11").text(), QStringLiteral("Edit11"));
        QCOMPARE(holder->text(), QStringLiteral("Edit11"));
        QVERIFY(holder->focusPolicy() & Qt::TabFocus);
    }

    void radioGroupRunsItsRuleOnlyForTheUser()
    {
        int runs = 0;
        m_model->registerHandler(QStringLiteral("LMDRadioGroup4Change"), [&](Field &) { ++runs; });
        auto *group = make<RadioGroup>("LMDRadioGroup4");
        Field &field = m_model->field(u"LMDRadioGroup4");
        showHost();
        QVERIFY(group->button(4)->isChecked());

        QTest::mouseClick(group->button(4), Qt::LeftButton); // already chosen
        QCOMPARE(runs, 0);
        QTest::mouseClick(group->button(1), Qt::LeftButton);
        QCOMPARE(runs, 1);
        QCOMPARE(field.itemIndex(), 1);

        field.setItemIndex(0); // by program: the mark moves, no rule
        QVERIFY(group->button(0)->isChecked());
        QCOMPARE(runs, 1);

        // The keyboard moves the mark: a change by the user.
        group->button(0)->setFocus();
        QTest::keyClick(group->button(0), Qt::Key_Down);
        QCOMPARE(field.itemIndex(), 1);
        QCOMPARE(runs, 2);

        field.setItemIndex(-1);
        for (int i = 0; i < group->buttonCount(); ++i)
            QVERIFY(!group->button(i)->isChecked());
    }

    void radioGroupItemTextClickChooses()
    {
        auto *group = make<RadioGroup>("LMDRadioGroup3");
        showHost();
        auto *text = group->findChild<ClickLabel *>(QStringLiteral("LMDRadioGroup3_item2"));
        QVERIFY(text);
        QTest::mouseClick(text, Qt::LeftButton);
        QCOMPARE(m_model->field(u"LMDRadioGroup3").itemIndex(), 2);
        QCOMPARE(group->button(2)->accessibleName(), QStringLiteral("Bevételi és költségnyilvántartás"));
    }

    void disabledRadioGroupIgnoresTheUser()
    {
        auto *group = make<RadioGroup>("LMDRadioGroup2"); // closing reason: disabled at start
        showHost();
        QVERIFY(!group->isEnabled());
        QTest::mouseClick(group->button(3), Qt::LeftButton);
        QCOMPARE(m_model->field(u"LMDRadioGroup2").itemIndex(), -1);
    }

    void checkGroupTicksRunTheRule()
    {
        auto *types = make<CheckGroup>("LMDCheckGroup1");
        auto *reasons = make<RadioGroup>("LMDRadioGroup2");
        showHost();
        QVERIFY(types->button(0)->isChecked());
        QTest::mouseClick(types->button(1), Qt::LeftButton); // "Záró bevallás"
        QVERIFY(m_model->field(u"LMDCheckGroup1").isChecked(1));
        QCOMPARE(m_model->field(u"LMDCheckGroup1").checkValue(), 3);
        // The rule enabled the closing reasons and chose "Felszámolás".
        QVERIFY(reasons->isEnabled());
        QVERIFY(reasons->button(0)->isChecked());
        QTest::mouseClick(types->button(1), Qt::LeftButton);
        QVERIFY(!reasons->isEnabled());
        QVERIFY(!reasons->button(0)->isChecked());
    }

    void tickBox()
    {
        auto *box = make<TickBox>("LMDCheckBox1");
        showHost();
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        QVERIFY(m_model->field(u"LMDCheckBox1").isChecked());
        m_model->field(u"LMDCheckBox1").setChecked(false);
        QVERIFY(!box->isChecked());
        QVERIFY(box->text().contains(QStringLiteral("kötelezett 2009-ben")));
    }

    void datePicker()
    {
        auto *from = make<DatePicker>("DateTimePicker2");
        Field &field = m_model->field(u"DateTimePicker2");
        QCOMPARE(from->text(), QStringLiteral("2009.01.01."));
        QCOMPARE(from->minimumDate(), QDate(2009, 1, 1));
        QCOMPARE(from->maximumDate(), QDate(2009, 12, 31));
        QVERIFY(from->calendarPopup());

        showHost();
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Up); // the year section: 2010 is past the limit
        QCOMPARE(field.date(), QDate(2009, 1, 1));
        from->setSelectedSection(QDateTimeEdit::MonthSection);
        QTest::keyClick(from, Qt::Key_Up);
        QCOMPARE(field.date(), QDate(2009, 2, 1));
        QCOMPARE(from->text(), QStringLiteral("2009.02.01."));

        // Limits removed by the rule: the picker offers any date.
        field.setMinDate({});
        field.setMaxDate({});
        QVERIFY(from->maximumDate() > QDate(2100, 1, 1));
        field.setDate(QDate(2011, 6, 30));
        QCOMPARE(from->date(), QDate(2011, 6, 30));
    }

    void grid()
    {
        auto *grid = make<StringGrid>("AdvStringGrid1");
        Field &field = m_model->field(u"AdvStringGrid1");
        showHost();
        QAbstractItemModel *cells = grid->model();
        QCOMPARE(cells->rowCount(), 5);
        QCOMPARE(cells->columnCount(), 4);
        QCOMPARE(cells->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Összege"));
        QCOMPARE(cells->headerData(4, Qt::Vertical).toString(), QStringLiteral("5"));
        QCOMPARE(cells->index(0, 2).data().toString(), QStringLiteral("0"));
        QCOMPARE(grid->verticalHeader()->width(), 20);

        // Edited in place.
        grid->setFocus();
        grid->setCurrentIndex(cells->index(1, 0));
        QTest::keyClick(grid, Qt::Key_F2);
        QWidget *editor = QApplication::focusWidget();
        QVERIFY(editor && editor != grid);
        QTest::keyClicks(editor, QStringLiteral("APEH"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(field.cell(1, 2), QStringLiteral("APEH")); // committed from the event loop

        // The field's changes show.
        field.setCell(4, 5, QStringLiteral("11773016-12345678"));
        QCOMPARE(cells->index(4, 3).data().toString(), QStringLiteral("11773016-12345678"));
    }

    void gridWheelMovesTheRowOnlyWithFocus()
    {
        auto *grid = make<StringGrid>("AdvStringGrid2");
        showHost();
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(2, 1));
        QWheelEvent down(QPointF(30, 30), grid->mapToGlobal(QPointF(30, 30)), QPoint(), QPoint(0, -120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid->viewport(), &down);
        QCOMPARE(grid->currentIndex().row(), 3);
        QVERIFY(down.isAccepted());

        m_host->setFocus();
        QWheelEvent again(QPointF(30, 30), grid->mapToGlobal(QPointF(30, 30)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        grid->clearFocus();
        QApplication::sendEvent(grid->viewport(), &again);
        QCOMPARE(grid->currentIndex().row(), 3);
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
