#include "numeric.h"

#include "error.h"

#include <charconv>
#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace vkt::numeric {

namespace {

// "-1234567.5" (ASCII, '.' as decimal point) -> grouped display text.
QString groupDigits(const char *ascii, const RegionalSettings &regional)
{
    std::string_view s(ascii);
    QString out;
    bool negative = false;
    if (!s.empty() && s.front() == '-') {
        negative = true;
        s.remove_prefix(1);
    }
    const auto point = s.find('.');
    std::string_view integer = s.substr(0, point);
    std::string_view fraction = point == std::string_view::npos ? std::string_view() : s.substr(point + 1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.remove_suffix(1);

    const bool allZero = integer.find_first_not_of('0') == std::string_view::npos
        && fraction.find_first_not_of('0') == std::string_view::npos;
    if (negative && !allZero)
        out += QLatin1Char('-');
    for (size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0)
            out += regional.thousandsSeparator;
        out += QLatin1Char(integer[i]);
    }
    if (!fraction.empty()) {
        out += regional.decimalSeparator;
        out += QLatin1String(fraction.data(), qsizetype(fraction.size()));
    }
    return out;
}

} // namespace

QString displayForm(Amount x, const RegionalSettings &regional)
{
    if (std::isnan(x))
        return QStringLiteral("NAN");
    if (std::isinf(x))
        return x < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");

    char buffer[5100];
    if (x == std::trunc(x)) {
        // Whole numbers keep all their digits.
        if (std::fabs(x) < 9.0e18L) {
            auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer - 1,
                                           static_cast<long long>(x));
            *end = '\0';
        } else {
            std::snprintf(buffer, sizeof buffer, "%.0Lf", x);
        }
        return groupDigits(buffer, regional);
    }
    // At most 14 fraction digits, then at most 15 significant digits in all.
    std::snprintf(buffer, sizeof buffer, "%.14Lf", x);
    std::string_view s(buffer);
    const auto point = s.find('.');
    std::string_view fraction = s.substr(point + 1);
    if (fraction.find_first_not_of('0') != std::string_view::npos) {
        const size_t integerDigits = point - (s.front() == '-' ? 1 : 0);
        const int digits = integerDigits >= 15 ? 0 : int(15 - integerDigits);
        std::snprintf(buffer, sizeof buffer, "%.*Lf", digits, x);
    }
    return groupDigits(buffer, regional);
}

namespace {

// The common case, a whole amount as the field shows it ("-1 234 567"):
// read without allocating. False when the text needs the general reading.
bool readWhole(const QString &text, QChar separator, Amount &value)
{
    const QChar *p = text.constData();
    const QChar *end = p + text.size();
    bool negative = false;
    if (p != end && *p == QLatin1Char('-')) {
        negative = true;
        ++p;
    }
    std::int64_t v = 0;
    int digits = 0;
    for (; p != end; ++p) {
        if (*p == separator)
            continue;
        const char16_t c = p->unicode();
        if (c < u'0' || c > u'9' || ++digits > 18)
            return false;
        v = v * 10 + (c - u'0');
    }
    if (digits == 0)
        return false; // empty, a lone minus: the general reading says what they are
    value = negative ? -Amount(v) : Amount(v);
    return true;
}

} // namespace

Amount read(const QString &text, const RegionalSettings &regional)
{
    Amount whole;
    if (readWhole(text, regional.thousandsSeparator, whole))
        return whole;
    QString t = text;
    t.remove(regional.thousandsSeparator);
    if (t.isEmpty())
        return 0.0L;
    if (t == QLatin1String("-"))
        return -0.0L;

    // [-] digits [sep digits] [E [+-] digits], at least one mantissa digit.
    std::string ascii;
    ascii.reserve(size_t(t.size()));
    qsizetype i = 0;
    const qsizetype n = t.size();
    if (t[i] == QLatin1Char('-'))
        ascii += t[i++].toLatin1();
    int mantissaDigits = 0;
    while (i < n && t[i] >= QLatin1Char('0') && t[i] <= QLatin1Char('9')) {
        ascii += t[i++].toLatin1();
        ++mantissaDigits;
    }
    if (i < n && t[i] == regional.decimalSeparator) {
        ascii += '.';
        ++i;
        while (i < n && t[i] >= QLatin1Char('0') && t[i] <= QLatin1Char('9')) {
            ascii += t[i++].toLatin1();
            ++mantissaDigits;
        }
    }
    bool ok = mantissaDigits > 0;
    if (ok && i < n && (t[i] == QLatin1Char('E') || t[i] == QLatin1Char('e'))) {
        ascii += 'e';
        ++i;
        if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
            ascii += t[i++].toLatin1();
        int exponentDigits = 0;
        while (i < n && t[i] >= QLatin1Char('0') && t[i] <= QLatin1Char('9')) {
            ascii += t[i++].toLatin1();
            ++exponentDigits;
        }
        ok = exponentDigits > 0;
    }
    ok = ok && i == n;

    long double value = 0;
    if (ok) {
        // Correctly rounded, independent of the process's LC_NUMERIC.
        static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        char *end = nullptr;
        value = strtold_l(ascii.c_str(), &end, cLocale);
        // Overflow is no number; underflow reads as (signed) zero or a tiny value.
        ok = end == ascii.c_str() + ascii.size() && std::isfinite(value);
    }
    if (!ok)
        throw floatConversionError(t);
    return value;
}

std::int64_t readTruncated(const QString &text, const RegionalSettings &regional)
{
    const Amount v = std::trunc(read(text, regional));
    constexpr Amount lo = static_cast<Amount>(std::numeric_limits<std::int64_t>::min());
    constexpr Amount hi = static_cast<Amount>(std::numeric_limits<std::int64_t>::max());
    if (v <= lo)
        return std::numeric_limits<std::int64_t>::min();
    if (v >= hi)
        return std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(v);
}

int readInteger(const QString &text)
{
    bool ok = false;
    qsizetype i = 0;
    const qsizetype n = text.size();
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        negative = text[i++] == QLatin1Char('-');
    long long value = 0;
    if (i < n) {
        ok = true;
        for (; i < n; ++i) {
            const QChar c = text[i];
            if (c < QLatin1Char('0') || c > QLatin1Char('9') || value > (1LL << 32)) {
                ok = false;
                break;
            }
            value = value * 10 + (c.unicode() - '0');
        }
    }
    if (negative)
        value = -value;
    if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw integerConversionError(text);
    return int(value);
}

} // namespace vkt::numeric
