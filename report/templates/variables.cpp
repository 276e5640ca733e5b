#include "report/templates/variables.h"

#include <QSet>

namespace vkt::report {

namespace {

QStringList buildNames()
{
    QStringList n{QStringLiteral("datum"), QStringLiteral("m901"), QStringLiteral("azon")};
    for (int i = 1; i <= 15; ++i)
        n << QStringLiteral("m%1").arg(i); // m1..m10 section I, m11..m15 sections II-IV
    for (int i = 1; i <= 6; ++i)
        n << QStringLiteral("a%1").arg(i);
    for (const char *row : {"911", "912", "913", "9131", "914", "915", "916", "917", "918", "919",
                            "920", "921", "922", "923", "924", "925", "926", "927", "928", "929",
                            "1000"})
        n << QStringLiteral("m") + QLatin1String(row);
    n << QStringLiteral("m12a1");
    for (int i = 1; i <= 3; ++i)
        n << QStringLiteral("m12b%1").arg(i);
    for (int i = 1; i <= 3; ++i)
        n << QStringLiteral("m12c%1").arg(i);
    const struct {
        char letter;
        int count;
    } sheets[] = {{'b', 8}, {'c', 8}, {'d', 6}, {'e', 6}};
    for (const auto &s : sheets)
        for (int i = 1; i <= s.count; ++i)
            n << QStringLiteral("%1%2").arg(QLatin1Char(s.letter)).arg(i);
    for (int i = 1; i <= 7; ++i)
        n << QStringLiteral("h2_%1").arg(i);
    for (int i = 1; i <= 8; ++i)
        n << QStringLiteral("f%1").arg(i);
    for (int k = 1; k <= 10; ++k)
        for (const char *suffix : {"", "b", "c", "d"})
            n << QStringLiteral("h%1").arg(k) + QLatin1String(suffix);
    for (int k = 1; k <= 5; ++k)
        for (const char *suffix : {"", "b", "c", "d"})
            n << QStringLiteral("g%1").arg(k) + QLatin1String(suffix);
    for (int i = 11; i <= 14; ++i)
        n << QStringLiteral("g%1").arg(i);
    return n;
}

} // namespace

const QStringList &reportVariableNames()
{
    static const QStringList names = buildNames();
    return names;
}

bool isReportVariable(const QString &name)
{
    static const QSet<QString> set(reportVariableNames().cbegin(), reportVariableNames().cend());
    return set.contains(name);
}

} // namespace vkt::report
