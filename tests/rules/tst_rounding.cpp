// The rounding of rows 923 and 926 and of sheet "E".
#include "rules/rounding.h"

#include <QTest>
#include <limits>

using namespace vkt;
using namespace vkt::rules;

class Rounding : public QObject {
    Q_OBJECT
private slots:
    void halfToEven_data();
    void halfToEven();
    void percentagesMatchExactWholeForintArithmetic();
    void payableTax_data();
    void payableTax();
    void payableBaseSaturates();
};

void Rounding::halfToEven_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("rounded");
    const std::pair<double, double> cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, -0.0}, {-1.5, -2}, {-2.5, -2}, {0.49999, 0},
        {0.50001, 1}, {2.4, 2}, {-2.6, -3}, {1e18 + 0, 1e18}, {4503599627370495.5, 4503599627370496}};
    for (const auto &[x, rounded] : cases)
        QTest::newRow(qPrintable(QString::number(x, 'g', 17))) << x << rounded;
}

void Rounding::halfToEven()
{
    QFETCH(double, x);
    QFETCH(double, rounded);
    QCOMPARE(double(roundHalfEven(Amount(x))), rounded);
}

// For whole forints the binary products equal the exact decimal ones,
// rounded half to even: 922 x 2 / 100, x 2 / 10, x 8 / 10, x / 2.
void Rounding::percentagesMatchExactWholeForintArithmetic()
{
    auto exact = [](long long numerator, long long denominator) {
        const bool negative = numerator < 0;
        const long long a = negative ? -numerator : numerator;
        long long q = a / denominator;
        const long long twice = 2 * (a % denominator);
        if (twice > denominator || (twice == denominator && q % 2 != 0))
            ++q;
        return negative ? -q : q;
    };
    for (long long v = -200000; v <= 3000000; ++v) {
        const Amount a = Amount(v);
        if (twoPercent(a) != exact(2 * v, 100) || fifthOf(a) != exact(2 * v, 10)
            || fourFifthsOf(a) != exact(8 * v, 10) || halfOf(a) != exact(v, 2))
            QFAIL(qPrintable(QStringLiteral("differs at %1").arg(v)));
    }
    for (long long v : {1234567LL, 99999999999LL, 123456789012345LL, 4611686018427387LL})
        QCOMPARE(double(twoPercent(Amount(v))), double(exact(2 * v, 100)));
}

void Rounding::payableTax_data()
{
    QTest::addColumn<qint64>("n");
    QTest::addColumn<qint64>("tax");
    const std::pair<qint64, qint64> cases[] = {
        {0, 0}, {49, 0}, {-500, 0}, {std::numeric_limits<qint64>::min(), 0}, {50, 100}, {100, 100},
        {101, 100}, {149, 100}, {150, 200}, {250, 200}, {950, 1000}, {1050, 1000}, {12034, 12000},
        {12250, 12200}, {12350, 12400}, {19951, 20000}, {999950, 1000000},
        {2147483647, 2147483600}, {2147483650LL, 2147483600LL}, {2147483750LL, 2147483800LL},
        {std::numeric_limits<qint64>::max(), 9223372036854775800LL}};
    for (const auto &[n, tax] : cases)
        QTest::newRow(qPrintable(QString::number(n))) << n << tax;
}

void Rounding::payableTax()
{
    QFETCH(qint64, n);
    QFETCH(qint64, tax);
    QCOMPARE(qint64(rules::payableTax(n)), tax);
}

void Rounding::payableBaseSaturates()
{
    constexpr auto lo = std::numeric_limits<std::int64_t>::min();
    constexpr auto hi = std::numeric_limits<std::int64_t>::max();
    QCOMPARE(payableBase(1000, 10, 20), std::int64_t(970));
    QCOMPARE(payableBase(0, lo, lo), hi);
    QCOMPARE(payableBase(hi, lo, 0), hi);
    QCOMPARE(payableBase(lo, hi, hi), lo);
    QCOMPARE(payableBase(hi, hi, lo), hi);
}

QTEST_GUILESS_MAIN(Rounding)
#include "tst_rounding.moc"
