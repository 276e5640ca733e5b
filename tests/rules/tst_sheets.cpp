// Sheets "A" to "D" (row 911 carried into the main sheet) and sheet "E"
// (the simplified tax base carried into rows 915 and 919).
#include "returnfixture.h"

#include <QTest>

using namespace vkt;

class Sheets : public QObject {
    Q_OBJECT
private slots:
    void sheet911_data();
    void sheet911();
    void sheetE_data();
    void sheetE();
    void sheetEWritesTheRowsDirectly();
    void sheetsFToHComputeNothing();
};

// No simplified method; each case types its entries and checks the rows.
void Sheets::sheet911_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");

    // Field-to-row maps: powers of ten per row show which rows are added and
    // which subtracted.
    QTest::newRow("A: (9111..9116) - 9117")
        << QStringList{"PBNumEdit36=1", "PBNumEdit37=10", "PBNumEdit38=100", "PBNumEdit39=1000",
                       "PBNumEdit41=10000", "PBNumEdit40=100000", "PBNumEdit42=2000000"}
        << QStringList{"PBNumEdit35=-1 888 889", "PBNumEdit1=0"};
    QTest::newRow("A: 9117 last")
        << QStringList{"PBNumEdit42=2000000", "PBNumEdit36=1", "PBNumEdit37=10", "PBNumEdit38=100",
                       "PBNumEdit39=1000", "PBNumEdit41=10000", "PBNumEdit40=3000000"}
        << QStringList{"PBNumEdit35=1 011 111", "PBNumEdit1=1 011 111", "PBNumEdit6=1 011 111"};
    QTest::newRow("A: 9111 = 5 000 000, 9117 = 1 000 000")
        << QStringList{"PBNumEdit36=5000000", "PBNumEdit42=1000000"}
        << QStringList{"PBNumEdit35=4 000 000", "PBNumEdit1=4 000 000", "PBNumEdit6=4 000 000",
                       "PBNumEdit9=4 000 000"};
    QTest::newRow("B: (9111..9116) - 9117")
        << QStringList{"PBNumEdit44=1", "PBNumEdit45=10", "PBNumEdit47=100", "PBNumEdit48=1000",
                       "PBNumEdit49=10000", "PBNumEdit46=3000000", "PBNumEdit50=2000000"}
        << QStringList{"PBNumEdit43=1 011 111", "PBNumEdit1=1 011 111", "PBNumEdit6=1 011 111"};
    QTest::newRow("C: 9111 + .. + 9115")
        << QStringList{"PBNumEdit52=1", "PBNumEdit53=10", "PBNumEdit54=100", "PBNumEdit55=1000",
                       "PBNumEdit56=10000"}
        << QStringList{"PBNumEdit51=11 111", "PBNumEdit1=11 111", "PBNumEdit6=11 111"};
    QTest::newRow("C: result equal to S gives 0")
        << QStringList{"PBNumEdit2=30000", "PBNumEdit52=10000", "PBNumEdit53=20000"}
        << QStringList{"PBNumEdit51=30 000", "PBNumEdit1=0", "PBNumEdit6=0"};
    QTest::newRow("C: result one above S")
        << QStringList{"PBNumEdit2=30000", "PBNumEdit52=10000", "PBNumEdit53=20001"}
        << QStringList{"PBNumEdit51=30 001", "PBNumEdit1=30 001", "PBNumEdit6=1"};
    QTest::newRow("D: 9111 + 9112 - (9113 + 9114 + 9115)")
        << QStringList{"PBNumEdit58=3000000", "PBNumEdit62=100000", "PBNumEdit59=1", "PBNumEdit61=10",
                       "PBNumEdit60=100"}
        << QStringList{"PBNumEdit57=3 099 889", "PBNumEdit1=3 099 889", "PBNumEdit6=3 099 889"};
    QTest::newRow("D: negative result, 911 zero")
        << QStringList{"PBNumEdit58=1000", "PBNumEdit62=500", "PBNumEdit59=2000"}
        << QStringList{"PBNumEdit57=-500", "PBNumEdit1=0", "PBNumEdit6=0"};
    QTest::newRow("B after D above S: D stays in 911")
        << QStringList{"PBNumEdit58=600000", "PBNumEdit44=900000"}
        << QStringList{"PBNumEdit43=900 000", "PBNumEdit57=600 000", "PBNumEdit1=600 000",
                       "PBNumEdit6=600 000"};
    QTest::newRow("sheet result back to 0 clears 911")
        << QStringList{"PBNumEdit52=500000", "PBNumEdit52=0"}
        << QStringList{"PBNumEdit51=0", "PBNumEdit1=0", "PBNumEdit6=0", "PBNumEdit18=0"};
    QTest::newRow("sheet 911 through the chain to 926")
        << QStringList{"PBNumEdit36=10000000", "PBNumEdit14=9000000"}
        << QStringList{"PBNumEdit1=10 000 000", "PBNumEdit15=180 000", "PBNumEdit18=180 000",
                       "PBNumEdit22=90 000", "PBNumEdit73=180 000", "PBNumEdit21=180 000"};
}

void Sheets::sheet911()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    Return r;
    QVERIFY(r["LMDRadioGroup5"].choose(3));
    QVERIFY(r.typeAll(typed));
    QCOMPARE(r.mismatch(expected), QString());
}

void Sheets::sheetE_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("I: 1 000 000") << 0 << "PBNumEdit23" << "1000000"
                                  << QStringList{"PBNumEdit13=200 000", "PBNumEdit24=1 200 000",
                                                 "PBNumEdit6=1 200 000", "PBNumEdit9=1 200 000"};
    QTest::newRow("I: 1 000 003") << 0 << "PBNumEdit23" << "1000003"
                                  << QStringList{"PBNumEdit13=200 001", "PBNumEdit24=1 200 004",
                                                 "PBNumEdit6=1 200 004", "PBNumEdit9=1 200 004"};
    QTest::newRow("I: 1 000 002") << 0 << "PBNumEdit23" << "1000002"
                                  << QStringList{"PBNumEdit13=200 000", "PBNumEdit24=1 200 002"};
    QTest::newRow("I: 12,5 (20 % is 2,5: to even)")
        << 0 << "PBNumEdit23" << "12,5" << QStringList{"PBNumEdit13=2", "PBNumEdit24=14,5"};
    QTest::newRow("II: 3 000 000") << 1 << "PBNumEdit26" << "3000000"
                                   << QStringList{"PBNumEdit25=2 400 000", "PBNumEdit6=2 400 000",
                                                  "PBNumEdit9=2 400 000"};
    QTest::newRow("II: 3 999 999") << 1 << "PBNumEdit26" << "3999999"
                                   << QStringList{"PBNumEdit25=3 199 999", "PBNumEdit6=3 199 999"};
    QTest::newRow("II: 3") << 1 << "PBNumEdit26" << "3" << QStringList{"PBNumEdit25=2"};
    QTest::newRow("III: 12 345") << 2 << "PBNumEdit69" << "12345"
                                 << QStringList{"PBNumEdit27=6 172", "PBNumEdit6=6 172", "PBNumEdit9=6 172"};
    QTest::newRow("III: 12 347") << 2 << "PBNumEdit69" << "12347" << QStringList{"PBNumEdit27=6 174"};
    QTest::newRow("III: 1") << 2 << "PBNumEdit69" << "1" << QStringList{"PBNumEdit27=0"};
    QTest::newRow("III: 3") << 2 << "PBNumEdit69" << "3" << QStringList{"PBNumEdit27=2"};
    QTest::newRow("III: -3") << 2 << "PBNumEdit69" << "-3" << QStringList{"PBNumEdit27=-2", "PBNumEdit6=-2"};
}

void Sheets::sheetE()
{
    QFETCH(int, method);
    QFETCH(QString, input);
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);
    Return r;
    QVERIFY(r["LMDRadioGroup5"].choose(3));
    QVERIFY(r["LMDRadioGroup5"].choose(method));
    QVERIFY(r.type(input.toLatin1().constData(), typed));
    QCOMPARE(r.mismatch(expected), QString());
}

// Sheet "E" writes 915 and 919 and runs no row chain; the next run of the
// chain recomputes 919 from that 915.
void Sheets::sheetEWritesTheRowsDirectly()
{
    Return r;
    QVERIFY(r["LMDRadioGroup5"].choose(3));
    QVERIFY(r["LMDRadioGroup5"].choose(0));
    QVERIFY(r.type("PBNumEdit7", "100000"));
    QVERIFY(r.type("PBNumEdit14", "1000000"));
    ChangeLog log(r.model());
    QVERIFY(r.type("PBNumEdit23", "500000"));
    QCOMPARE(log.entries, (QStringList{"PBNumEdit23 e1 500000", "PBNumEdit13 e0 100 000",
                                       "PBNumEdit24 e0 600 000", "PBNumEdit6 e0 600 000",
                                       "PBNumEdit9 e0 600 000", "PBNumEdit23 e1 500 000"}));
    QVERIFY(r.type("PBNumEdit10", "1"));
    QCOMPARE(r.mismatch({"PBNumEdit6=600 000", "PBNumEdit9=500 000", "PBNumEdit15=20 000"}), QString());
}

void Sheets::sheetsFToHComputeNothing()
{
    Return r;
    QVERIFY(r["LMDRadioGroup5"].choose(3));
    QVERIFY(r.typeAll({"PBNumEdit30=2000000", "PBNumEdit14=1000000"}));
    ChangeLog log(r.model());
    const char *typed[] = {"PBNumEdit63", "PBNumEdit65", "PBNumEdit66", "PBNumEdit67", "PBNumEdit68",
                           "PBNumEdit64", "PBNumEdit70", "PBNumEdit71", "PBNumEdit74", "PBNumEdit75",
                           "PBNumEdit76", "PBNumEdit77"};
    for (const char *name : typed)
        QVERIFY(r.type(name, "4321"));
    r["AdvStringGrid2"].setCell(4, 1, "5000");
    r["AdvStringGrid1"].setCell(3, 1, "5000");
    QVERIFY(r["LMDRadioGroup1"].choose(1));
    QStringList names;
    for (const QString &entry : log.entries)
        names << entry.section(' ', 0, 0);
    names.removeDuplicates();
    QStringList expectedNames;
    for (const char *name : typed)
        expectedNames << name;
    expectedNames << "AdvStringGrid2" << "AdvStringGrid1" << "LMDRadioGroup1";
    QCOMPARE(names, expectedNames);
}

QTEST_GUILESS_MAIN(Sheets)
#include "tst_sheets.moc"
