// The report's value provider: every variable of the catalogue, the amount,
// grid amount and date texts, the choice texts, and names that get no value.
#include "model/error.h"
#include "report/templates/pagetemplate.h"
#include "report/templates/variables.h"
#include "report/valueprovider.h"
#include "reportfixture.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace vkt;
using namespace vkt::report;

namespace {
const QString nbsp(QChar(0x00A0));
// The group separators of an amount are U+00A0; the blank before "Ft." is not.
QString hu(QString s)
{
    return s.replace(QRegularExpression(QStringLiteral("(?<=\\d) (?=\\d)")), nbsp);
}
} // namespace

class TestValueProvider : public QObject {
    Q_OBJECT

    std::unique_ptr<ReturnModel> m;

    std::optional<QString> get(const QString &name, const QString &identifier = QString())
    {
        return frxReport1GetValue(*m, name, identifier, test::fixedNow());
    }
    QString value(const QString &name)
    {
        const auto v = get(name);
        if (!v)
            qWarning("no value for %s", qPrintable(name));
        return v.value_or(QStringLiteral("<no value>"));
    }

private slots:
    void init() { m = test::bareReturn(); }

    void amountText_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("bare");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("minus zero") << -0.0 << "0";
        QTest::newRow("small") << 7.0 << "7";
        QTest::newRow("thousand") << 1000.0 << "1 000";
        QTest::newRow("millions") << 1234567.0 << "1 234 567";
        QTest::newRow("negative") << -1500.0 << "-1 500";
        QTest::newRow("half up") << 2.5 << "3";
        QTest::newRow("half away from zero") << -2.5 << "-3";
        QTest::newRow("even half up too") << 0.5 << "1";
        QTest::newRow("below half") << 0.4 << "0";
        QTest::newRow("negative below half") << -0.4 << "0";
        QTest::newRow("rounding carries a group") << 999999.5 << "1 000 000";
        QTest::newRow("fraction") << 1234.49 << "1 234";
        QTest::newRow("fifteen digits") << 123456789012345.0 << "123 456 789 012 345";
        QTest::newRow("eighteen digits") << 123456789012345678.0 << "123 456 789 012 345 680";
    }
    void amountText()
    {
        QFETCH(double, x);
        QFETCH(QString, bare);
        const RegionalSettings hungarian = RegionalSettings::hungarian();
        QCOMPARE(bareAmountText(x, hungarian), hu(bare));
        QCOMPARE(vkt::report::amountText(x, hungarian), hu(bare) + QStringLiteral(" Ft."));
        RegionalSettings dotted = hungarian;
        dotted.thousandsSeparator = QLatin1Char('.');
        QCOMPARE(bareAmountText(x, dotted), QString(bare).replace(QLatin1Char(' '), QLatin1Char('.')));
    }

    void gridAmount_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("text"); // empty: the cell does not read
        QTest::newRow("zero") << "0" << "0 Ft.";
        QTest::newRow("thousand") << "1000" << "1 000 Ft.";
        QTest::newRow("decimal comma") << "12,5" << "13 Ft.";
        QTest::newRow("blanks around") << "  42 " << "42 Ft.";
        QTest::newRow("plus sign") << "+8" << "8 Ft.";
        QTest::newRow("minus") << "-1500" << "-1 500 Ft.";
        QTest::newRow("minus below half") << "-0,4" << "0 Ft.";
        QTest::newRow("leading comma") << ",5" << "1 Ft.";
        QTest::newRow("trailing comma") << "5," << "5 Ft.";
        QTest::newRow("exponent") << "1E3" << "1 000 Ft.";
        QTest::newRow("signed exponent") << "25e-1" << "3 Ft.";
        QTest::newRow("tiny") << "1e-5000" << "0 Ft.";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("beyond any amount") << "1e5000" << "";
        QTest::newRow("only blanks") << "   " << "";
        QTest::newRow("grouped") << "1 000" << "";
        QTest::newRow("grouped with no-break space") << QStringLiteral("1\u00A0000") << "";
        QTest::newRow("word") << "sok" << "";
        QTest::newRow("decimal point") << "1.5" << "";
        QTest::newRow("two signs") << "--1" << "";
        QTest::newRow("bare exponent") << "1e" << "";
        QTest::newRow("lone comma") << "," << "";
        QTest::newRow("trailing text") << "12 Ft" << "";
    }
    void gridAmount()
    {
        QFETCH(QString, cell);
        QFETCH(QString, text);
        const RegionalSettings hungarian = RegionalSettings::hungarian();
        if (!text.isEmpty()) {
            QCOMPARE(gridAmountText(cell, hungarian), hu(text));
            return;
        }
        try {
            gridAmountText(cell, hungarian);
            QFAIL("the cell was read");
        } catch (const Error &e) {
            QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid floating point value").arg(cell));
        }
    }

    // Every amount variable reads its own field: all fields get distinct
    // numbers first, so that a variable reading a wrong field shows.
    void amountVariables()
    {
        const char *const table[][2] = {
            {"a1", "PBNumEdit29"},   {"a2", "PBNumEdit30"},   {"a3", "PBNumEdit31"},   {"a4", "PBNumEdit32"},
            {"a5", "PBNumEdit33"},   {"a6", "PBNumEdit34"},   {"m911", "PBNumEdit1"},  {"m912", "PBNumEdit2"},
            {"m913", "PBNumEdit3"},  {"m9131", "PBNumEdit4"}, {"m914", "PBNumEdit5"},  {"m915", "PBNumEdit6"},
            {"m916", "PBNumEdit7"},  {"m917", "PBNumEdit8"},  {"m918", "PBNumEdit12"}, {"m919", "PBNumEdit9"},
            {"m920", "PBNumEdit10"}, {"m921", "PBNumEdit11"}, {"m922", "PBNumEdit14"}, {"m923", "PBNumEdit15"},
            {"m924", "PBNumEdit16"}, {"m925", "PBNumEdit17"}, {"m926", "PBNumEdit18"}, {"m927", "PBNumEdit19"},
            {"m928", "PBNumEdit20"}, {"m929", "PBNumEdit21"}, {"m1000", "PBNumEdit28"},
            {"m12c1", "PBNumEdit72"}, {"m12c2", "PBNumEdit73"}, {"m12c3", "PBNumEdit22"},
            {"b1", "PBNumEdit35"},   {"b2", "PBNumEdit36"},   {"b3", "PBNumEdit37"},   {"b4", "PBNumEdit38"},
            {"b5", "PBNumEdit39"},   {"b6", "PBNumEdit41"},   {"b7", "PBNumEdit40"},   {"b8", "PBNumEdit42"},
            {"c1", "PBNumEdit43"},   {"c2", "PBNumEdit44"},   {"c3", "PBNumEdit45"},   {"c4", "PBNumEdit47"},
            {"c5", "PBNumEdit48"},   {"c6", "PBNumEdit49"},   {"c7", "PBNumEdit46"},   {"c8", "PBNumEdit50"},
            {"d1", "PBNumEdit51"},   {"d2", "PBNumEdit52"},   {"d3", "PBNumEdit53"},   {"d4", "PBNumEdit54"},
            {"d5", "PBNumEdit55"},   {"d6", "PBNumEdit56"},
            {"e1", "PBNumEdit57"},   {"e2", "PBNumEdit58"},   {"e3", "PBNumEdit62"},   {"e4", "PBNumEdit59"},
            {"e5", "PBNumEdit61"},   {"e6", "PBNumEdit60"},
            {"h2_1", "PBNumEdit23"}, {"h2_2", "PBNumEdit13"}, {"h2_3", "PBNumEdit24"}, {"h2_4", "PBNumEdit26"},
            {"h2_5", "PBNumEdit25"}, {"h2_6", "PBNumEdit69"}, {"h2_7", "PBNumEdit27"},
            {"f1", "PBNumEdit63"},   {"f2", "PBNumEdit67"},   {"f3", "PBNumEdit65"},   {"f4", "PBNumEdit66"},
            {"f5", "PBNumEdit68"},   {"f6", "PBNumEdit64"},   {"f7", "PBNumEdit70"},   {"f8", "PBNumEdit71"},
        };
        int k = 1;
        for (const auto &row : table)
            m->field(QLatin1String(row[1])).setText(QStringLiteral("%1,5").arg(1000 * k++));
        k = 1;
        for (const auto &row : table) {
            const QString expected = bareAmountText(1000 * k++ + 1, m->regional()) + QStringLiteral(" Ft.");
            QCOMPARE(value(QLatin1String(row[0])), expected);
        }
        // A field as the person left it, with separators, and an empty one.
        m->field(u"PBNumEdit30").setText(hu(QStringLiteral("-1 234 567")));
        QCOMPARE(value(QStringLiteral("a2")), hu(QStringLiteral("-1 234 567 Ft.")));
        m->field(u"PBNumEdit30").setText(QString());
        QCOMPARE(value(QStringLiteral("a2")), QStringLiteral("0 Ft."));
    }

    void numberThatDoesNotRead()
    {
        m->field(u"PBNumEdit30").setText(QStringLiteral("12a"));
        try {
            get(QStringLiteral("a2"));
            QFAIL("no error");
        } catch (const Error &e) {
            QCOMPARE(e.message(), QStringLiteral("'12a' is not a valid floating point value"));
        }
        QCOMPARE(m->field(u"PBNumEdit30").text(), QStringLiteral("12a")); // nothing changed
    }

    void textVariables()
    {
        const char *const edits[] = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9"};
        for (int i = 0; i < 9; ++i)
            QCOMPARE(value(QStringLiteral("m%1").arg(i + 1)), QString()); // empty fields print nothing
        for (int i = 0; i < 9; ++i)
            m->field(QLatin1String(edits[i])).setText(QStringLiteral("  %1 [m2] ő ").arg(i + 1));
        for (int i = 0; i < 9; ++i)
            QCOMPARE(value(QStringLiteral("m%1").arg(i + 1)), QStringLiteral("  %1 [m2] ő ").arg(i + 1));
    }

    void dateVariables()
    {
        m->field(u"DateTimePicker1").setDate(QDate(2001, 4, 17));
        m->field(u"DateTimePicker2").setDate(QDate(2009, 2, 3));
        m->field(u"DateTimePicker3").setDate(QDate(2009, 11, 30));
        m->field(u"DateTimePicker4").setDate(QDate(2010, 7, 1));
        m->field(u"DateTimePicker5").setDate(QDate(2011, 6, 30));
        m->field(u"DateTimePicker6").setDate(QDate(2010, 3, 16));
        m->field(u"DateTimePicker7").setDate(QDate(2010, 9, 15));
        m->field(u"DateTimePicker8").setDate(QDate(2011, 3, 15));
        const auto expect = [&](const char *name, const QDate &d) {
            QCOMPARE(value(QLatin1String(name)), m->regional().formatDate(d));
        };
        expect("m10", m->field(u"DateTimePicker1").date());
        QCOMPARE(value(QStringLiteral("m13")),
                 m->regional().formatDate(m->field(u"DateTimePicker2").date()) + QStringLiteral("-tól ")
                     + m->regional().formatDate(m->field(u"DateTimePicker3").date()) + QStringLiteral("-ig"));
        QCOMPARE(value(QStringLiteral("m13")), QStringLiteral("2009.02.03.-tól 2009.11.30.-ig"));
        QCOMPARE(value(QStringLiteral("m12a1")),
                 m->regional().formatDate(m->field(u"DateTimePicker4").date()) + QStringLiteral("-tól ")
                     + m->regional().formatDate(m->field(u"DateTimePicker5").date()) + QStringLiteral("-ig"));
        expect("m12b1", m->field(u"DateTimePicker6").date());
        expect("m12b2", m->field(u"DateTimePicker7").date());
        expect("m12b3", m->field(u"DateTimePicker8").date());
        // The print date comes from the clock passed in.
        QCOMPARE(value(QStringLiteral("datum")), QStringLiteral("2010.03.01."));
        QCOMPARE(value(QStringLiteral("m901")), QStringLiteral("2010.03.01."));
        const auto later = frxReport1GetValue(*m, QStringLiteral("datum"), QString(),
                                              QDateTime(QDate(2011, 12, 31), QTime(23, 59)));
        QCOMPARE(later.value(), QStringLiteral("2011.12.31."));
        // Another short date format.
        RegionalSettings us = RegionalSettings::hungarian();
        us.shortDateFormat = QStringLiteral("M/d/yyyy");
        ReturnModel other(us);
        QCOMPARE(frxReport1GetValue(other, QStringLiteral("m901"), QString(), test::fixedNow()).value(),
                 QStringLiteral("3/1/2010"));
    }

    void identifier()
    {
        QCOMPARE(get(QStringLiteral("azon")).value(), QString()); // before any print: empty
        QCOMPARE(get(QStringLiteral("azon"), QStringLiteral("123456C4")).value(), QStringLiteral("123456C4"));
    }

    void declarationTypes_data()
    {
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<QString>("text");
        QTest::newRow("none: empty") << QList<int>{} << "";
        QTest::newRow("annual") << QList<int>{0} << "Éves bevallás, ";
        QTest::newRow("annual and closing") << QList<int>{0, 1} << "Éves bevallás, Záró bevallás, ";
        QTest::newRow("item order, not tick order") << QList<int>{4, 2} << "Előtársasági bevallás, Év közben kezdő adózó bevallása, ";
        QTest::newRow("3") << QList<int>{3} << "Naptári évtől eltérő üzleti évet választó adózó bevallása, ";
        QTest::newRow("5") << QList<int>{5} << "Naptári évtől eltérő üzleti évet választó adózó áttérésének évéről készült évközi bevallása, ";
        QTest::newRow("6") << QList<int>{6} << "A személyi jövedelemadóról szóló törvény szerint mezőgazdasági őstermelő bevallása, ";
        QTest::newRow("7") << QList<int>{7} << "A Htv. 37.§.(2) b. pontja alapján állandó jellegű iparűzési tevékenységgé váló tevékenység után benyújtott bevallás, ";
    }
    void declarationTypes()
    {
        QFETCH(QList<int>, ticked);
        QFETCH(QString, text);
        Field &group = m->field(u"LMDCheckGroup1");
        for (int i = 0; i < group.itemCount(); ++i)
            group.setChecked(i, false);
        for (int i : ticked)
            group.setChecked(i, true);
        QCOMPARE(get(QStringLiteral("m11")), std::optional<QString>(text));
    }

    void choiceTexts_data()
    {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        const QString r2 = QStringLiteral("LMDRadioGroup2");
        QTest::newRow("m12 none") << "m12" << r2 << -1 << "-";
        QTest::newRow("m12 0") << "m12" << r2 << 0 << "Felszámolás";
        QTest::newRow("m12 1") << "m12" << r2 << 1 << "Végelszámolás";
        QTest::newRow("m12 2") << "m12" << r2 << 2 << "Átalakulás";
        QTest::newRow("m12 3") << "m12" << r2 << 3 << "A tevékenység saját elhatározásából történő megszüntetése";
        QTest::newRow("m12 4") << "m12" << r2 << 4 << "Hatósági megszüntetés";
        QTest::newRow("m12 5") << "m12" << r2 << 5 << "Előtársaságként működő társaság cégbejegyzés iránti kérelmét elutasították, vagy kérelmét a bejegyzés előtt visszavonta";
        QTest::newRow("m12 6") << "m12" << r2 << 6 << "Székhely áthelyezése";
        QTest::newRow("m12 7") << "m12" << r2 << 7 << "Telephely megszüntetése";
        QTest::newRow("m12 8") << "m12" << r2 << 8 << "Egyszerűsített vállalkozói adó alanyiság megszűnése";
        QTest::newRow("m12 9") << "m12" << r2 << 9 << "A települési önkormányzat adórendeletének hatályon kivül helyezése";
        QTest::newRow("m12 10") << "m12" << r2 << 10 << "Egyéb";
        const QString r3 = QStringLiteral("LMDRadioGroup3");
        QTest::newRow("m14 0") << "m14" << r3 << 0 << "egyszeres";
        QTest::newRow("m14 1") << "m14" << r3 << 1 << "kettős";
        QTest::newRow("m14 2") << "m14" << r3 << 2 << "bevételi és költségnyilvántartás";
        QTest::newRow("m14 3") << "m14" << r3 << 3 << "bevételi nyilvántartás";
        QTest::newRow("m14 none") << "m14" << r3 << -1 << "";
        const QString r4 = QStringLiteral("LMDRadioGroup4");
        QTest::newRow("m15 0") << "m15" << r4 << 0 << "személyi jellegű ráfordítással arányos";
        QTest::newRow("m15 1") << "m15" << r4 << 1 << "eszközérték arányos";
        QTest::newRow("m15 2") << "m15" << r4 << 2 << "személyi jellegű ráfordítás és eszközérték arányos együtt";
        QTest::newRow("m15 3") << "m15" << r4 << 3 << "Htv. 3. számú melléklet 2.2. pontja szerinti megosztás";
        QTest::newRow("m15 4") << "m15" << r4 << 4 << "nincs megosztás";
        QTest::newRow("m15 none") << "m15" << r4 << -1 << "nincs megosztás";
    }
    void choiceTexts()
    {
        QFETCH(QString, variable);
        QFETCH(QString, field);
        QFETCH(int, index);
        QFETCH(QString, text);
        m->field(field).setItemIndex(index);
        QCOMPARE(m->field(field).itemIndex(), index);
        QCOMPARE(value(variable), text);
    }

    void gridVariables()
    {
        Field &g = m->field(u"AdvStringGrid2");
        Field &h = m->field(u"AdvStringGrid1");
        // Start-up: texts empty, amounts "0".
        QCOMPARE(value(QStringLiteral("h1")), QString());
        QCOMPARE(value(QStringLiteral("h10d")), QStringLiteral("0 Ft."));
        QCOMPARE(value(QStringLiteral("g5c")), QStringLiteral("0 Ft."));
        for (int k = 1; k <= 10; ++k) {
            g.setCell(1, k, QStringLiteral("név %1 ").arg(k));
            g.setCell(2, k, QStringLiteral("cím %1").arg(k));
            g.setCell(3, k, QStringLiteral("adószám %1").arg(k));
            g.setCell(4, k, QString::number(k * 1000));
        }
        for (int k = 1; k <= 5; ++k) {
            h.setCell(1, k, QStringLiteral("intézmény %1").arg(k));
            h.setCell(2, k, QStringLiteral("fajta %1").arg(k));
            h.setCell(3, k, QStringLiteral("%1,5").arg(k));
            h.setCell(4, k, QStringLiteral("számla %1").arg(k));
        }
        for (int k = 1; k <= 10; ++k) {
            const QString n = QString::number(k);
            QCOMPARE(value(QLatin1Char('h') + n), QStringLiteral("név %1 ").arg(k));
            QCOMPARE(value(QLatin1Char('h') + n + QLatin1Char('b')), QStringLiteral("cím %1").arg(k));
            QCOMPARE(value(QLatin1Char('h') + n + QLatin1Char('c')), QStringLiteral("adószám %1").arg(k));
            QCOMPARE(value(QLatin1Char('h') + n + QLatin1Char('d')), hu(QStringLiteral("%1 000 Ft.").arg(k)));
        }
        for (int k = 1; k <= 5; ++k) {
            const QString n = QString::number(k);
            QCOMPARE(value(QLatin1Char('g') + n), QStringLiteral("intézmény %1").arg(k));
            QCOMPARE(value(QLatin1Char('g') + n + QLatin1Char('b')), QStringLiteral("fajta %1").arg(k));
            QCOMPARE(value(QLatin1Char('g') + n + QLatin1Char('c')), QStringLiteral("%1 Ft.").arg(k + 1));
            QCOMPARE(value(QLatin1Char('g') + n + QLatin1Char('d')), QStringLiteral("számla %1").arg(k));
        }
        // An amount cell that was emptied fails; the text cells never do.
        g.setCell(4, 7, QString());
        QVERIFY_THROWS_EXCEPTION(Error, get(QStringLiteral("h7d")));
        QCOMPARE(value(QStringLiteral("h7")), QStringLiteral("név 7 "));
    }

    void overpaymentOptions_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("values"); // g11 .. g14
        QTest::newRow("none") << -1 << QStringList{"0", "0", "0", "0"};
        QTest::newRow("option 1") << 0 << QStringList{"0", "0", "0", "0"};
        QTest::newRow("option 2") << 1 << QStringList{"111 111", "0", "0", "0"};
        QTest::newRow("option 3") << 2 << QStringList{"0", "150 000", "333 333", "0"};
        QTest::newRow("option 4") << 3 << QStringList{"0", "0", "0", "444 445"};
        QTest::newRow("option 5") << 4 << QStringList{"0", "0", "0", "0"};
    }
    void overpaymentOptions()
    {
        QFETCH(int, index);
        QFETCH(QStringList, values);
        m->field(u"PBNumEdit74").setText(QStringLiteral("111111"));
        m->field(u"PBNumEdit75").setText(QStringLiteral("150000"));
        m->field(u"PBNumEdit76").setText(QStringLiteral("333333"));
        m->field(u"PBNumEdit77").setText(QStringLiteral("444444,5"));
        m->field(u"LMDRadioGroup1").setItemIndex(index);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(value(QStringLiteral("g1%1").arg(i + 1)), hu(values[i]));
    }

    void namesWithoutValue_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *n : {"M1", "Datum", "AZON", "m 1", "", "m16", "m0", "h11", "h0", "g6", "g15", "a7",
                              "h2_8", "b9", "[m1]", "m1 "})
            QTest::newRow(n[0] ? n : "empty") << QString::fromLatin1(n);
    }
    void namesWithoutValue()
    {
        QFETCH(QString, name);
        QCOMPARE(get(name), std::nullopt);
    }

    // The provider answers exactly the names the templates know, and every
    // slot of every page.
    void catalogueMatchesTheTemplates()
    {
        const QStringList mine = providerVariableNames();
        QCOMPARE(QSet<QString>(mine.begin(), mine.end()).size(), mine.size());
        const QStringList theirs = vkt::report::reportVariableNames();
        QCOMPARE(QSet<QString>(mine.begin(), mine.end()), QSet<QString>(theirs.begin(), theirs.end()));
        for (const PageTemplate &page : loadPageTemplates())
            for (const QString &slot : page.slotNames())
                QVERIFY2(get(slot).has_value(), qPrintable(page.name + QLatin1Char(' ') + slot));
    }
};

QTEST_MAIN(TestValueProvider)
#include "tst_valueprovider.moc"
