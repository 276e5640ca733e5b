#include "model/catalogue.h"
#include "model/error.h"
#include "model/returnmodel.h"

#include <QSignalSpy>
#include <QTest>

using namespace vkt;

// The field model on its own: no rules are installed, so handlers are
// recorded by name to see exactly which writes fire them.
class TestModel : public QObject {
    Q_OBJECT

    static QString nb(QString s) { return s.replace(QLatin1Char(' '), QChar(0x00A0)); }

    struct Recorder {
        ReturnModel &model;
        QStringList calls;
        explicit Recorder(ReturnModel &m) : model(m)
        {
            for (const auto &f : m.fields())
                if (!f->handlerName().isEmpty())
                    m.registerHandler(f->handlerName(), [this](Field &sender) {
                        calls << sender.handlerName() + QLatin1Char(':') + sender.name();
                    });
        }
    };

private slots:
    void componentOrder()
    {
        ReturnModel model;
        const auto &fields = model.fields();
        QCOMPARE(int(fields.size()), 108);
        const QStringList expected = {
            "Edit11", "Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9",
            "DateTimePicker1", "LMDRadioGroup2", "DateTimePicker2", "DateTimePicker3", "LMDCheckGroup1",
            "LMDRadioGroup5", "LMDRadioGroup6", "LMDRadioGroup3", "LMDRadioGroup4", "LMDCheckBox1",
            "PBNumEdit1", "PBNumEdit2", "PBNumEdit3", "PBNumEdit4", "PBNumEdit5", "PBNumEdit6", "PBNumEdit7",
            "PBNumEdit8", "PBNumEdit9", "PBNumEdit10", "PBNumEdit11", "PBNumEdit14", "PBNumEdit15",
            "PBNumEdit16", "PBNumEdit17", "PBNumEdit18", "PBNumEdit19", "PBNumEdit20", "PBNumEdit21",
            "PBNumEdit28", "PBNumEdit12", "PBNumEdit30", "PBNumEdit31", "PBNumEdit32", "PBNumEdit33",
            "PBNumEdit34", "PBNumEdit29", "DateTimePicker4", "DateTimePicker5", "DateTimePicker6",
            "PBNumEdit72", "DateTimePicker7", "PBNumEdit73", "DateTimePicker8", "PBNumEdit22",
            "PBNumEdit35", "PBNumEdit36", "PBNumEdit37", "PBNumEdit38", "PBNumEdit39", "PBNumEdit41",
            "PBNumEdit40", "PBNumEdit42", "PBNumEdit43", "PBNumEdit44", "PBNumEdit45", "PBNumEdit47",
            "PBNumEdit48", "PBNumEdit49", "PBNumEdit50", "PBNumEdit46", "PBNumEdit51", "PBNumEdit52",
            "PBNumEdit54", "PBNumEdit55", "PBNumEdit56", "PBNumEdit53", "PBNumEdit57", "PBNumEdit58",
            "PBNumEdit59", "PBNumEdit61", "PBNumEdit62", "PBNumEdit60", "Edit12", "Edit10", "Edit13",
            "PBNumEdit13", "PBNumEdit23", "PBNumEdit24", "PBNumEdit25", "PBNumEdit26", "PBNumEdit27",
            "PBNumEdit69", "PBNumEdit63", "PBNumEdit65", "PBNumEdit66", "PBNumEdit67", "PBNumEdit68",
            "PBNumEdit64", "PBNumEdit70", "PBNumEdit71", "AdvStringGrid2", "LMDRadioGroup1", "PBNumEdit74",
            "PBNumEdit75", "PBNumEdit76", "PBNumEdit77", "AdvStringGrid1"};
        QStringList names;
        for (size_t i = 0; i < fields.size(); ++i) {
            names << fields[i]->name();
            QCOMPARE(fields[i]->order(), int(i) + 1);
        }
        QCOMPARE(names, expected);

        QMap<FieldKind, int> perKind;
        for (const auto &f : fields)
            ++perKind[f->kind()];
        QCOMPARE(perKind[FieldKind::Edit], 13);
        QCOMPARE(perKind[FieldKind::NumEdit], 77);
        QCOMPARE(perKind[FieldKind::DateTimePicker], 8);
        QCOMPARE(perKind[FieldKind::RadioGroup], 6);
        QCOMPARE(perKind[FieldKind::CheckGroup], 1);
        QCOMPARE(perKind[FieldKind::CheckBox], 1);
        QCOMPARE(perKind[FieldKind::StringGrid], 2);
    }

    void lookup()
    {
        ReturnModel model;
        QCOMPARE(model.find(u"pbnumedit30")->name(), QStringLiteral("PBNumEdit30"));
        QCOMPARE(model.find(u"LMDRADIOGROUP5")->name(), QStringLiteral("LMDRadioGroup5"));
        QVERIFY(!model.find(u"PBNumEdit99"));
        QVERIFY(!model.find(u""));
        // Only ASCII letters match in either case: the Kelvin sign is no "k".
        QVERIFY(!model.find(u"DateTimePic\u212Aer1"));
        QCOMPARE(model.findElement(u"groupbox2")->name(), QStringLiteral("GroupBox2"));
        QVERIFY(!model.findElement(u"Edit1"));
    }

    // The state right after start-up, with the start-up tick running the
    // declaration-type handler through the registry.
    void startState()
    {
        ReturnModel model;
        Recorder rec(model);
        model.formCreate();
        QCOMPARE(rec.calls, QStringList{"LMDCheckGroup1Click:LMDCheckGroup1"});

        for (const auto &f : model.fields()) {
            switch (f->kind()) {
            case FieldKind::NumEdit:
                QCOMPARE(f->text(), QStringLiteral("0"));
                QCOMPARE(double(f->value()), 0.0);
                QCOMPARE(f->isVisible(), f->name() != QLatin1String("PBNumEdit29"));
                break;
            case FieldKind::Edit:
                QCOMPARE(f->text(), f->name() == QLatin1String("Edit11") ? QStringLiteral("Edit11") : QString());
                break;
            default:
                QVERIFY(f->isVisible());
            }
        }
        QCOMPARE(model.field(u"LMDCheckGroup1").checkValue(), 1);
        QCOMPARE(model.field(u"LMDRadioGroup2").itemIndex(), -1);
        QVERIFY(!model.field(u"LMDRadioGroup2").isEnabled());
        for (auto [name, index] : {std::pair{"LMDRadioGroup5", 0}, {"LMDRadioGroup6", 0}, {"LMDRadioGroup3", 0},
                                   {"LMDRadioGroup4", 4}, {"LMDRadioGroup1", 0}})
            QCOMPARE(model.field(QLatin1String(name)).itemIndex(), index);
        QVERIFY(!model.field(u"LMDCheckBox1").isChecked());

        // Rows 912, 913, 9131, 914 and 9115 stay enabled until a method is chosen.
        for (const char *name : {"PBNumEdit2", "PBNumEdit3", "PBNumEdit4", "PBNumEdit5", "PBNumEdit34"})
            QVERIFY2(model.field(QLatin1String(name)).isEnabled(), name);
        for (const char *name : {"PBNumEdit1", "PBNumEdit30", "PBNumEdit31", "PBNumEdit32", "PBNumEdit33",
                                 "PBNumEdit6", "PBNumEdit9", "PBNumEdit15", "PBNumEdit18", "PBNumEdit21",
                                 "PBNumEdit73", "PBNumEdit22", "PBNumEdit35", "PBNumEdit43", "PBNumEdit51",
                                 "PBNumEdit57"})
            QVERIFY2(!model.field(QLatin1String(name)).isEnabled(), name);

        // Sheet "E": only part I is open, and PBNumEdit23 is its only editable amount.
        QStringList editableOnE;
        for (const auto &f : model.fields())
            if (f->kind() == FieldKind::NumEdit && f->container().startsWith(QLatin1String("GroupBox"))
                && f->isEditable())
                editableOnE << f->name();
        QCOMPARE(editableOnE, QStringList{"PBNumEdit23"});
        QVERIFY(model.element(u"egyszvaluzenet").isVisible());
        QVERIFY(!model.element(u"LMDRichLabel17").isVisible());

        // Grids: the amount columns hold "0", every other data cell is empty.
        for (auto [name, cols, rows, amountColumn] :
             {std::tuple{"AdvStringGrid1", 5, 6, 3}, {"AdvStringGrid2", 5, 11, 4}}) {
            const Field &g = model.field(QLatin1String(name));
            QCOMPARE(g.columnCount(), cols);
            QCOMPARE(g.rowCount(), rows);
            for (int c = 1; c < cols; ++c)
                for (int r = 1; r < rows; ++r)
                    QCOMPARE(g.cell(c, r), c == amountColumn ? QStringLiteral("0") : QString());
            QCOMPARE(g.cell(0, rows - 1), QString::number(rows - 1));
        }
        QCOMPARE(model.field(u"AdvStringGrid2").cell(4, 0), QStringLiteral("Kifizetett összeg"));

        const Field &from = model.field(u"DateTimePicker2");
        QCOMPARE(from.date(), QDate(2009, 1, 1));
        QCOMPARE(from.minDate(), QDate(2009, 1, 1));
        QCOMPARE(from.maxDate(), QDate(2009, 12, 31));
        QCOMPARE(model.field(u"DateTimePicker1").minDate(), QDate());
        QCOMPARE(model.field(u"DateTimePicker4").date(), QDate(2010, 7, 1));
    }

    // Which writes run a numeric field's handler.
    void numericHandlerFiring()
    {
        ReturnModel model;
        Recorder rec(model);
        Field &f = model.field(u"PBNumEdit2");

        f.setValue(0); // the value it shows
        QVERIFY(rec.calls.isEmpty());

        f.setText(QStringLiteral("1000")); // a loaded, ungrouped text is taken as it is
        QCOMPARE(f.text(), QStringLiteral("1000"));
        QCOMPARE(rec.calls.size(), 1);
        f.setText(QStringLiteral("1000"));
        QCOMPARE(rec.calls.size(), 1);

        f.setValue(1000); // regrouped: the text changes, so the handler runs once
        QCOMPARE(f.text(), nb("1 000"));
        QCOMPARE(rec.calls.size(), 2);
        f.setValue(1000);
        QCOMPARE(rec.calls.size(), 2);

        f.setText(QStringLiteral("12E"));  // no number: kept as typed
        QCOMPARE(rec.calls.size(), 3);
        QVERIFY_THROWS_EXCEPTION(Error, f.value());
        QVERIFY_THROWS_EXCEPTION(Error, f.leave());
        QCOMPARE(f.text(), QStringLiteral("12E"));

        f.setText(QStringLiteral("2500,50"));
        f.leave();
        QCOMPARE(f.text(), nb("2 500,5"));
        QCOMPARE(rec.calls.size(), 5);

        Field &plain = model.field(u"Edit1");
        plain.setText(QStringLiteral("Kiss_Béla $"));
        QCOMPARE(rec.calls.size(), 5); // edits have no handler
    }

    void radioGroups()
    {
        ReturnModel model;
        Recorder rec(model);
        Field &g = model.field(u"LMDRadioGroup5"); // four items, at 0
        g.setItemIndex(7);
        QCOMPARE(g.itemIndex(), 3);
        g.setItemIndex(-5);
        QCOMPARE(g.itemIndex(), -1);
        QVERIFY(rec.calls.isEmpty()); // program writes run nothing

        QVERIFY(g.choose(2));
        QCOMPARE(rec.calls, QStringList{"LMDRadioGroup5Click:LMDRadioGroup5"});
        QVERIFY(!g.choose(2)); // the chosen item again: nothing
        QCOMPARE(rec.calls.size(), 1);

        Field &h = model.field(u"LMDRadioGroup4");
        QVERIFY(h.choose(1));
        QCOMPARE(rec.calls.last(), QStringLiteral("LMDRadioGroup4Change:LMDRadioGroup4"));
    }

    void checkGroup()
    {
        ReturnModel model;
        Recorder rec(model);
        Field &g = model.field(u"LMDCheckGroup1");
        QCOMPARE(g.itemCount(), 8);
        g.setChecked(3, true);
        g.setChecked(3, true); // already ticked: nothing
        g.setChecked(9, true); // no such item: nothing
        QCOMPARE(rec.calls.size(), 1);
        QCOMPARE(g.checkValue(), 8);
        g.setChecked(0, true);
        QCOMPARE(g.checkValue(), 9);
        g.setChecked(3, false);
        QCOMPARE(rec.calls.size(), 3);
        QCOMPARE(g.checkValue(), 1);
    }

    void datePickers()
    {
        ReturnModel model;
        Field &p = model.field(u"DateTimePicker3"); // 2009-12-31 within 2009
        p.setDate(QDate(2010, 6, 30));
        QCOMPARE(p.date(), QDate(2009, 12, 31)); // clamped onto the limit
        p.setMaxDate(QDate());
        p.setMinDate(QDate());
        p.setDate(QDate(2010, 6, 30));
        QCOMPARE(p.date(), QDate(2010, 6, 30));
        p.setMinDate(QDate(2009, 1, 1));
        p.setMaxDate(QDate(2009, 12, 31)); // moves the date onto the new maximum
        QCOMPARE(p.date(), QDate(2009, 12, 31));
        p.setMinDate(QDate(2009, 12, 31));
        QCOMPARE(p.minDate(), QDate(2009, 12, 31));
        // A minimum later than the maximum is refused and changes nothing.
        QVERIFY_THROWS_EXCEPTION(Error, p.setMinDate(QDate(2010, 1, 1)));
        QVERIFY_THROWS_EXCEPTION(Error, p.setMaxDate(QDate(2009, 1, 1)));
        QCOMPARE(p.minDate(), QDate(2009, 12, 31));
        QCOMPARE(p.maxDate(), QDate(2009, 12, 31));
    }

    void gridsAndSignals()
    {
        ReturnModel model;
        QSignalSpy spy(&model, &ReturnModel::fieldChanged);
        Field &g = model.field(u"AdvStringGrid1");
        g.setCell(1, 5, QStringLiteral("APEH [x], y"));
        g.setCell(1, 5, QStringLiteral("APEH [x], y"));
        g.setCell(5, 1, QStringLiteral("outside"));
        g.setCell(1, 6, QStringLiteral("outside"));
        QCOMPARE(g.cell(1, 5), QStringLiteral("APEH [x], y"));
        QCOMPARE(g.cell(5, 1), QString());
        QCOMPARE(spy.count(), 1);

        Field &f = model.field(u"PBNumEdit30");
        f.setEnabled(true);
        f.setEnabled(true);
        QCOMPARE(spy.count(), 2);
        QSignalSpy elements(&model, &ReturnModel::elementChanged);
        model.element(u"GroupBox1").setEnabled(false);
        QVERIFY(!model.field(u"PBNumEdit23").isEditable()); // inside a disabled box
        QCOMPARE(elements.count(), 1);
    }

    void handlersNestAndRegisterByName()
    {
        ReturnModel model;
        int depth = 0, maxDepth = 0;
        model.registerHandler(QStringLiteral("PBNumEdit2Change"), [&](Field &) {
            ++depth;
            maxDepth = std::max(maxDepth, depth);
            // Writing another field with the same handler re-enters it at once.
            model.field(u"PBNumEdit3").setValue(5);
            --depth;
        });
        model.field(u"PBNumEdit2").setValue(1);
        QCOMPARE(maxDepth, 2); // the inner write changes 913 once; the next write of 5 changes nothing
        QCOMPARE(model.field(u"PBNumEdit3").text(), QStringLiteral("5"));
        QVERIFY(!model.hasHandler(QStringLiteral("PBNumEdit30Change")));
        model.field(u"PBNumEdit30").setValue(3); // nobody registered: nothing runs
    }
};

QTEST_GUILESS_MAIN(TestModel)
#include "tst_model.moc"
