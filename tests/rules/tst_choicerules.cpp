// The declaration type, the simplified method and the apportionment method.
#include "returnfixture.h"

#include <QTest>

using namespace vkt;

class ChoiceRules : public QObject {
    Q_OBJECT
private slots:
    void closingReason();
    void closingReasonResetByAnyTick();
    void periodLimits();
    void methodStepLists_data();
    void methodStepLists();
    void methodRoundTripBackToNone();
    void methodOneKeepsTheNetRevenue();
    void programWritesAndRepeatedClicksRunNothing();
    void apportionmentWarning_data();
    void apportionmentWarning();
};

void ChoiceRules::closingReason()
{
    Return r;
    Field &reason = r["LMDRadioGroup2"];
    r["LMDCheckGroup1"].setChecked(1, true);
    QVERIFY(reason.isEnabled());
    QCOMPARE(reason.itemIndex(), 0);
    r["LMDCheckGroup1"].setChecked(1, false);
    QVERIFY(!reason.isEnabled());
    QCOMPARE(reason.itemIndex(), -1);
}

// Any tick change while "Záró bevallás" is ticked puts "Felszámolás" back.
void ChoiceRules::closingReasonResetByAnyTick()
{
    Return r;
    Field &reason = r["LMDRadioGroup2"];
    Field &type = r["LMDCheckGroup1"];
    type.setChecked(1, true);
    QVERIFY(reason.choose(5));
    type.setChecked(4, true); // "Évközben kezdő adózó bevallása"
    QCOMPARE(reason.itemIndex(), 0);
    QVERIFY(reason.choose(2));
    type.setChecked(0, false);
    QCOMPARE(reason.itemIndex(), 0);
    QCOMPARE(type.checkValue(), 0b10010);
}

void ChoiceRules::periodLimits()
{
    Return r;
    Field &type = r["LMDCheckGroup1"];
    Field &from = r["DateTimePicker2"];
    Field &to = r["DateTimePicker3"];

    type.setChecked(3, true);
    for (Field *f : {&from, &to}) {
        QCOMPARE(f->minDate(), QDate());
        QCOMPARE(f->maxDate(), QDate());
    }
    from.setDate(QDate(2008, 7, 1));
    to.setDate(QDate(2010, 6, 30));
    QCOMPARE(from.date(), QDate(2008, 7, 1));
    QCOMPARE(to.date(), QDate(2010, 6, 30));

    // Unticked: the limits come back in their order and clamp the dates.
    ChangeLog log(r.model());
    type.setChecked(3, false);
    QCOMPARE(log.entries, (QStringList{"LMDCheckGroup1 e1",
                                       "DateTimePicker2 e1 2009-01-01 2009-01-01..none",
                                       "DateTimePicker2 e1 2009-01-01 2009-01-01..2009-12-31",
                                       "DateTimePicker3 e1 2010-06-30 2009-01-01..none",
                                       "DateTimePicker3 e1 2009-12-31 2009-01-01..2009-12-31"}));

    // Ticking item 3 again also while the closing reason is open.
    type.setChecked(1, true);
    type.setChecked(3, true);
    QCOMPARE(r["LMDRadioGroup2"].itemIndex(), 0);
    QCOMPARE(from.minDate(), QDate());
    QCOMPARE(to.maxDate(), QDate());
}

// Each choice from a filled return with no simplified method, recorded change
// by change: the step order decides which nested rules see which values.
void ChoiceRules::methodStepLists_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("expected");

    const QStringList disableRevenue{
        "PBNumEdit1 e0 1 000 000", "PBNumEdit2 e0 50 000", "PBNumEdit3 e0 0", "PBNumEdit4 e0 0",
        "PBNumEdit5 e0 0", "PBNumEdit30 e0 1 000 000", "PBNumEdit31 e0 0", "PBNumEdit32 e0 0",
        "PBNumEdit33 e0 0", "PBNumEdit34 e0 0"};
    // Zeroing 912 runs the chain without 915: 919 stays 950 000 - 1 000.
    const QStringList zeroRows{"PBNumEdit1 e0 0", "PBNumEdit2 e0 0"};

    QTest::newRow("0: flat-rate income tax")
        << 0
        << QStringList{"LMDRadioGroup5 e1 0"} + disableRevenue
               + QStringList{"PBNumEdit26 e0 0", "PBNumEdit25 e0 0", "PBNumEdit6 e0 0", "PBNumEdit9 e0 0",
                             "PBNumEdit69 e0 0", "PBNumEdit27 e0 0"}
               + zeroRows + QStringList{"PBNumEdit9 e0 -1 000", "egyszvaluzenet e1 v1"};
    QTest::newRow("1: 80 % of the net revenue")
        << 1
        << QStringList{"LMDRadioGroup5 e1 1"} + disableRevenue + zeroRows
               + QStringList{"GroupBox1 e0 v1", "GroupBox2 e1 v1", "PBNumEdit23 e0 100", "PBNumEdit23 e0 0",
                             "PBNumEdit13 e0 0", "PBNumEdit24 e0 0", "PBNumEdit6 e0 0", "PBNumEdit9 e0 0",
                             "PBNumEdit26 e1 1000", "PBNumEdit69 e0 0", "PBNumEdit27 e0 0",
                             "PBNumEdit9 e0 -1 000", "egyszvaluzenet e1 v1"};
    QTest::newRow("2: simplified entrepreneurial tax")
        << 2
        << QStringList{"LMDRadioGroup5 e1 2"} + disableRevenue + zeroRows
               + QStringList{"GroupBox1 e0 v1", "GroupBox3 e1 v1", "PBNumEdit23 e0 100", "PBNumEdit23 e0 0",
                             "PBNumEdit13 e0 0", "PBNumEdit24 e0 0", "PBNumEdit6 e0 0", "PBNumEdit9 e0 0",
                             "PBNumEdit26 e0 0", "PBNumEdit25 e0 0", "PBNumEdit69 e1 10",
                             "PBNumEdit9 e0 -1 000", "egyszvaluzenet e1 v1"};
}

namespace {
// No simplified method; 9111 = 1 000 000, 912 = 50 000, 916 = 1 000; all
// three parts of sheet "E" hold amounts (written as a load writes them).
void fillForMethodChoice(Return &r)
{
    QVERIFY(r["LMDRadioGroup5"].choose(3));
    QVERIFY(r.typeAll({"PBNumEdit30=1000000", "PBNumEdit2=50000", "PBNumEdit7=1000"}));
    r["PBNumEdit23"].setText("100");
    r["PBNumEdit26"].setText("1000");
    r["PBNumEdit69"].setText("10");
    QVERIFY(r.type("PBNumEdit10", "1"));
    QCOMPARE(r.mismatch({"PBNumEdit1=1 000 000", "PBNumEdit6=950 000", "PBNumEdit9=949 000",
                         "PBNumEdit24=120", "PBNumEdit25=800", "PBNumEdit27=5"}),
             QString());
}
} // namespace

void ChoiceRules::methodStepLists()
{
    QFETCH(int, index);
    QFETCH(QStringList, expected);
    Return r;
    fillForMethodChoice(r);
    ChangeLog log(r.model());
    QVERIFY(r["LMDRadioGroup5"].choose(index));
    QCOMPARE(log.entries, expected);
    // Rows 911 to 915 are 0, 919 is 0 - 916 - 917 + 918.
    QCOMPARE(r.mismatch({"PBNumEdit1=0", "PBNumEdit2=0", "PBNumEdit3=0", "PBNumEdit4=0", "PBNumEdit5=0",
                         "PBNumEdit6=0", "PBNumEdit9=-1 000", "PBNumEdit29=1 000 000"}),
             QString());
}

// 3 -> 0 -> 3: the revenue rows come back through the refresh; sheet "E"
// keeps what index 0 left.
void ChoiceRules::methodRoundTripBackToNone()
{
    Return r;
    fillForMethodChoice(r);
    QVERIFY(r["LMDRadioGroup5"].choose(0));
    QVERIFY(!r["PBNumEdit30"].isEditable());
    QVERIFY(r["PBNumEdit23"].isEditable());
    QVERIFY(!r["PBNumEdit26"].isEditable());
    QVERIFY(!r["PBNumEdit69"].isEditable());
    QVERIFY(r.element("egyszvaluzenet").isVisible());

    ChangeLog log(r.model());
    QVERIFY(r["LMDRadioGroup5"].choose(3));
    QCOMPARE(log.entries,
             (QStringList{"LMDRadioGroup5 e1 3", "PBNumEdit1 e1 0", "PBNumEdit2 e1 0", "PBNumEdit3 e1 0",
                          "PBNumEdit4 e1 0", "PBNumEdit5 e1 0", "PBNumEdit30 e1 1 000 000", "PBNumEdit31 e1 0",
                          "PBNumEdit32 e1 0", "PBNumEdit33 e1 0", "PBNumEdit34 e1 0",
                          // PBNumEdit2Change: the refresh brings 911 back, the
                          // rows follow it in the same run.
                          "PBNumEdit1 e1 1 000 000", "PBNumEdit6 e0 1 000 000", "PBNumEdit9 e0 999 000",
                          "egyszvaluzenet e1 v0"}));
    QCOMPARE(r.mismatch({"PBNumEdit23=100", "PBNumEdit13=20", "PBNumEdit24=120", "PBNumEdit26=0",
                         "PBNumEdit25=0", "PBNumEdit69=0", "PBNumEdit27=0"}),
             QString());
    QVERIFY(r.element("GroupBox1").isEnabled());
    QVERIFY(!r.element("GroupBox2").isEnabled());
    QVERIFY(r["PBNumEdit23"].isEditable());
    for (const char *name : {"PBNumEdit1", "PBNumEdit2", "PBNumEdit3", "PBNumEdit4", "PBNumEdit5", "PBNumEdit30",
                             "PBNumEdit31", "PBNumEdit32", "PBNumEdit33", "PBNumEdit34"})
        QVERIFY2(r[name].isEditable(), name);

    // The round trip is stable: the next keystroke changes no derived row.
    const QStringList before = r.snapshot();
    QVERIFY(r.type("PBNumEdit10", "1"));
    QCOMPARE(r.snapshot(), before);
}

// Index 1 while PBNumEdit26 holds an amount: it stays, enabled, with its
// 80 %; rows 915 and 919 are those of the row computations.
void ChoiceRules::methodOneKeepsTheNetRevenue()
{
    Return r;
    QVERIFY(r["LMDRadioGroup5"].choose(3));
    QVERIFY(r["LMDRadioGroup5"].choose(1));
    QVERIFY(r.typeAll({"PBNumEdit26=1000", "PBNumEdit8=300", "PBNumEdit12=50"}));
    QCOMPARE(r.mismatch({"PBNumEdit6=800", "PBNumEdit9=550"}), QString());
    QVERIFY(r["LMDRadioGroup5"].choose(3));
    QVERIFY(r["LMDRadioGroup5"].choose(1));
    QVERIFY(r["PBNumEdit26"].isEditable());
    QCOMPARE(r.mismatch({"PBNumEdit26=1 000", "PBNumEdit25=800", "PBNumEdit6=0", "PBNumEdit9=-250"}), QString());
    // The next change of 26 puts its 80 % back into 915 and 919.
    QVERIFY(r.type("PBNumEdit26", "2000"));
    QCOMPARE(r.mismatch({"PBNumEdit25=1 600", "PBNumEdit6=1 600", "PBNumEdit9=1 600"}), QString());
}

void ChoiceRules::programWritesAndRepeatedClicksRunNothing()
{
    Return r;
    ChangeLog log(r.model());
    // Start-up shows index 0 without its rule: clicking it again does nothing.
    QVERIFY(!r["LMDRadioGroup5"].choose(0));
    QVERIFY(!r["LMDRadioGroup4"].choose(4));
    QVERIFY(log.entries.isEmpty());
    // A program write (as loading does) runs no rule.
    r["LMDRadioGroup5"].setItemIndex(1);
    r["LMDRadioGroup4"].setItemIndex(0);
    QCOMPARE(log.entries, (QStringList{"LMDRadioGroup5 e1 1", "LMDRadioGroup4 e1 0"}));
    QVERIFY(r["PBNumEdit2"].isEnabled());
    QVERIFY(!r.element("LMDRichLabel17").isVisible());
}

void ChoiceRules::apportionmentWarning_data()
{
    QTest::addColumn<QList<int>>("choices");
    QTest::addColumn<bool>("visible");
    QTest::newRow("0") << QList<int>{0} << true;
    QTest::newRow("1 (eszközérték arányos)") << QList<int>{1} << true;
    QTest::newRow("2") << QList<int>{2} << true;
    QTest::newRow("3") << QList<int>{3} << true;
    QTest::newRow("1 then back to 4") << QList<int>{1, 4} << false;
    QTest::newRow("0 then 3") << QList<int>{0, 3} << true;
}

void ChoiceRules::apportionmentWarning()
{
    QFETCH(QList<int>, choices);
    QFETCH(bool, visible);
    Return r;
    QVERIFY(!r.element("LMDRichLabel17").isVisible());
    for (int index : choices)
        QVERIFY(r["LMDRadioGroup4"].choose(index));
    QCOMPARE(r.element("LMDRichLabel17").isVisible(), visible);
}

QTEST_GUILESS_MAIN(ChoiceRules)
#include "tst_choicerules.moc"
