#include "model/error.h"
#include "model/numeric.h"

#include <QTest>
#include <cmath>

using namespace vkt;

// Display form and reading of amounts, with the Hungarian desktop settings
// (U+00A0 between thousands, "," before the fraction).
class TestNumeric : public QObject {
    Q_OBJECT
    const RegionalSettings hu = RegionalSettings::hungarian();

    static QString nb(QString s) { return s.replace(QLatin1Char(' '), QChar(0x00A0)); }

private slots:
    void displayForm_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("minus zero") << -0.0 << "0";
        QTest::newRow("grouped") << 1234567.0 << "1 234 567";
        QTest::newRow("negative") << -2500.0 << "-2 500";
        QTest::newRow("three digits") << 999.0 << "999";
        QTest::newRow("fraction") << 1234.5 << "1 234,5";
        QTest::newRow("below one") << 0.25 << "0,25";
        QTest::newRow("negative fraction") << -0.5 << "-0,5";
        QTest::newRow("14 fraction digits") << 0.1 << "0,1";
        QTest::newRow("third") << 1.0 / 3.0 << "0,33333333333333";
        QTest::newRow("15 significant digits") << 1234567.0 + 1.0 / 3.0 << "1 234 567,33333333";
        QTest::newRow("fraction rounds away") << 123456789012345.4 << "123 456 789 012 345";
        QTest::newRow("carry into integer") << 9.9999999999999999 << "10";
        QTest::newRow("tiny negative is zero") << -1e-20 << "0";
        QTest::newRow("whole number keeps all digits") << 1e20 << "100 000 000 000 000 000 000";
        QTest::newRow("2^53+2") << 9007199254740994.0 << "9 007 199 254 740 994";
    }
    void displayForm()
    {
        QFETCH(double, x);
        QFETCH(QString, text);
        QCOMPARE(numeric::displayForm(x, hu), nb(text));
    }

    void read_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("lone minus") << "-" << -0.0;
        QTest::newRow("zero") << "0" << 0.0;
        QTest::newRow("grouped") << "1 234 567" << 1234567.0;
        QTest::newRow("ungrouped") << "1000" << 1000.0;
        QTest::newRow("separators anywhere") << "1 2 3" << 123.0;
        QTest::newRow("fraction") << "-1 234,5" << -1234.5;
        QTest::newRow("leading comma") << ",5" << 0.5;
        QTest::newRow("trailing comma") << "5," << 5.0;
        QTest::newRow("exponent") << "1E3" << 1000.0;
        QTest::newRow("small e, signed exponent") << "25e-1" << 2.5;
        QTest::newRow("exponent with plus") << "1,5E+2" << 150.0;
        QTest::newRow("underflow reads zero") << "1E-6000" << 0.0;
    }
    void read()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        const long double got = numeric::read(nb(text), hu);
        if (value == 0.0)
            QCOMPARE(std::signbit(got), std::signbit(value));
        QCOMPARE(double(got), value);
    }

    void conversionError_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown"); // as %s: separators removed
        QTest::newRow("lone E") << "E" << "E";
        QTest::newRow("exponent without digits") << "12 345E" << "12345E";
        QTest::newRow("letters") << "abc" << "abc";
        QTest::newRow("dot is not the decimal separator") << "1.5" << "1.5";
        QTest::newRow("plain blank") << "1 000" << "1 000";
        QTest::newRow("two minus signs") << "--1" << "--1";
        QTest::newRow("lone comma") << "," << ",";
        QTest::newRow("overflow") << "1E6000" << "1E6000";
    }
    void conversionError()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        // "plain blank" holds an ordinary blank, which is no separator
        const QString input = QTest::currentDataTag() == QByteArray("plain blank") ? text : nb(text);
        try {
            numeric::read(input, hu);
            QFAIL("no error");
        } catch (const Error &e) {
            QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid floating point value").arg(shown));
        }
    }

    void longNumbers()
    {
        // 400 digits read as a number beyond double's range, and show again whole.
        const QString digits = QLatin1Char('1') + QString(399, QLatin1Char('0'));
        QCOMPARE(numeric::read(digits, hu), 1e399L);
        QCOMPARE(numeric::displayForm(1e30L, hu).remove(QChar(0x00A0)).size(), 31);
    }

    void truncation()
    {
        QCOMPARE(numeric::readTruncated(QStringLiteral("2,9"), hu), 2);
        QCOMPARE(numeric::readTruncated(QStringLiteral("-2,9"), hu), -2);
        QCOMPARE(numeric::readTruncated(QStringLiteral("1E30"), hu), std::numeric_limits<std::int64_t>::max());
    }

    void otherSettings()
    {
        const RegionalSettings en{QLatin1Char(','), QLatin1Char('.'), QStringLiteral("M/d/yyyy")};
        QCOMPARE(numeric::displayForm(-1234567.25L, en), QStringLiteral("-1,234,567.25"));
        QCOMPARE(double(numeric::read(QStringLiteral("1,234.5"), en)), 1234.5);
    }

    void integers()
    {
        QCOMPARE(numeric::readInteger(QStringLiteral("-1")), -1);
        QCOMPARE(numeric::readInteger(QStringLiteral("+12")), 12);
        for (const char *bad : {"", "-", "1.5", "x", "99999999999", " 1"}) {
            try {
                numeric::readInteger(QString::fromLatin1(bad));
                QFAIL(bad);
            } catch (const Error &e) {
                QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(QLatin1String(bad)));
            }
        }
    }

    void boxMessage()
    {
        QCOMPARE(vkt::boxMessage(QStringLiteral("'E' is not a valid floating point value")),
                 QStringLiteral("'E' is not a valid floating point value."));
        QCOMPARE(vkt::boxMessage(QStringLiteral("Kész.")), QStringLiteral("Kész."));
        QCOMPARE(vkt::boxMessage(QStringLiteral("Hiba!")), QStringLiteral("Hiba!"));
        QCOMPARE(vkt::boxMessage(QStringLiteral("(1)")), QStringLiteral("(1)"));
        QCOMPARE(vkt::boxMessage(QString()), QString());
    }
};

QTEST_GUILESS_MAIN(TestNumeric)
#include "tst_numeric.moc"
