#include "report/valueprovider.h"

#include "model/error.h"

#include <QHash>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <functional>

namespace vkt::report {

namespace {

// The digits of a whole number held in a long double (exact for every value
// the 64-bit significand holds).
QString wholeDigits(Amount absRounded)
{
    if (absRounded < Amount(9.0e18))
        return QString::number(static_cast<qulonglong>(absRounded));
    char buffer[6000];
    std::snprintf(buffer, sizeof buffer, "%.0Lf", absRounded);
    return QString::fromLatin1(buffer);
}

} // namespace

QString bareAmountText(Amount x, const RegionalSettings &regional)
{
    if (std::isnan(x))
        return QStringLiteral("0");
    const Amount rounded = std::round(x); // halves away from zero
    if (rounded == 0)
        return QStringLiteral("0");
    if (std::isinf(rounded))
        return rounded < 0 ? QStringLiteral("-\u221E") : QStringLiteral("\u221E");
    const QString digits = wholeDigits(std::fabs(rounded));
    QString out;
    out.reserve(digits.size() + digits.size() / 3 + 1);
    if (rounded < 0)
        out += QLatin1Char('-');
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += regional.thousandsSeparator;
        out += digits[i];
    }
    return out;
}

QString amountText(Amount x, const RegionalSettings &regional)
{
    return bareAmountText(x, regional) + QStringLiteral(" Ft.");
}

Amount readGridNumber(const QString &cell, const RegionalSettings &regional)
{
    // Blanks and control characters around the number are ignored.
    qsizetype b = 0, e = cell.size();
    while (b < e && cell[b].unicode() <= 0x20)
        ++b;
    while (e > b && cell[e - 1].unicode() <= 0x20)
        --e;
    QByteArray c; // the number in C syntax for strtold
    qsizetype i = b;
    auto isDigit = [&](qsizetype k) { return k < e && cell[k] >= QLatin1Char('0') && cell[k] <= QLatin1Char('9'); };
    if (i < e && (cell[i] == QLatin1Char('+') || cell[i] == QLatin1Char('-')))
        c += char(cell[i++].unicode());
    int digits = 0;
    while (isDigit(i)) {
        c += char(cell[i++].unicode());
        ++digits;
    }
    if (i < e && cell[i] == regional.decimalSeparator) {
        c += '.';
        ++i;
        while (isDigit(i)) {
            c += char(cell[i++].unicode());
            ++digits;
        }
    }
    if (digits == 0)
        throw floatConversionError(cell);
    if (i < e && (cell[i] == QLatin1Char('e') || cell[i] == QLatin1Char('E'))) {
        c += 'e';
        ++i;
        if (i < e && (cell[i] == QLatin1Char('+') || cell[i] == QLatin1Char('-')))
            c += char(cell[i++].unicode());
        if (!isDigit(i))
            throw floatConversionError(cell);
        while (isDigit(i))
            c += char(cell[i++].unicode());
    }
    if (i != e)
        throw floatConversionError(cell);
    // from_chars reads the C syntax whatever the process locale is.
    const char *first = c.constData();
    if (*first == '+')
        ++first;
    Amount x = 0;
    const auto [end, error] = std::from_chars(first, c.constData() + c.size(), x);
    if (error == std::errc::result_out_of_range && c.contains("e-"))
        return 0; // too small to tell from zero
    if (error != std::errc() || end != c.constData() + c.size()) // overflow included
        throw floatConversionError(cell);
    return x;
}

QString gridAmountText(const QString &cell, const RegionalSettings &regional)
{
    return amountText(readGridNumber(cell, regional), regional);
}

namespace {

struct Request {
    const ReturnModel &model;
    const QString &printIdentifier;
    const QDateTime &now;
    const RegionalSettings &regional() const { return model.regional(); }
};

using Answer = std::function<QString(const Request &)>;

QString dateOf(const Request &r, const char *field)
{
    return r.regional().formatDate(r.model.field(QLatin1String(field)).date());
}

QString amountOf(const Request &r, const char *field)
{
    return amountText(r.model.field(QLatin1String(field)).value(), r.regional());
}

QString period(const Request &r, const char *from, const char *to)
{
    return dateOf(r, from) + QStringLiteral("-tól ") + dateOf(r, to) + QStringLiteral("-ig");
}

const char *const kDeclarationTypes[] = {
    "Éves bevallás, ",
    "Záró bevallás, ",
    "Előtársasági bevallás, ",
    "Naptári évtől eltérő üzleti évet választó adózó bevallása, ",
    "Év közben kezdő adózó bevallása, ",
    "Naptári évtől eltérő üzleti évet választó adózó áttérésének évéről készült évközi bevallása, ",
    "A személyi jövedelemadóról szóló törvény szerint mezőgazdasági őstermelő bevallása, ",
    "A Htv. 37.§.(2) b. pontja alapján állandó jellegű iparűzési tevékenységgé váló tevékenység után benyújtott bevallás, ",
};

const char *const kClosingReasons[] = {
    "Felszámolás",
    "Végelszámolás",
    "Átalakulás",
    "A tevékenység saját elhatározásából történő megszüntetése",
    "Hatósági megszüntetés",
    "Előtársaságként működő társaság cégbejegyzés iránti kérelmét elutasították, vagy kérelmét a bejegyzés előtt visszavonta",
    "Székhely áthelyezése",
    "Telephely megszüntetése",
    "Egyszerűsített vállalkozói adó alanyiság megszűnése",
    "A települési önkormányzat adórendeletének hatályon kivül helyezése",
    "Egyéb",
};

const char *const kBookKeeping[] = {
    "egyszeres",
    "kettős",
    "bevételi és költségnyilvántartás",
    "bevételi nyilvántartás",
};

const char *const kApportionment[] = {
    "személyi jellegű ráfordítással arányos",
    "eszközérték arányos",
    "személyi jellegű ráfordítás és eszközérték arányos együtt",
    "Htv. 3. számú melléklet 2.2. pontja szerinti megosztás",
};

template <std::size_t N>
QString pick(const char *const (&table)[N], int index, const QString &otherwise)
{
    if (index >= 0 && std::size_t(index) < N)
        return QString::fromUtf8(table[index]);
    return otherwise;
}

struct Catalogue {
    QStringList names;
    QHash<QString, Answer> answers;

    void add(const QString &name, Answer answer)
    {
        names << name;
        answers.insert(name, std::move(answer));
    }
    void text(const char *name, const char *field)
    {
        add(QLatin1String(name), [field](const Request &r) { return r.model.field(QLatin1String(field)).text(); });
    }
    void amount(const char *name, const char *field)
    {
        add(QLatin1String(name), [field](const Request &r) { return amountOf(r, field); });
    }
    void date(const char *name, const char *field)
    {
        add(QLatin1String(name), [field](const Request &r) { return dateOf(r, field); });
    }
    void cell(const QString &name, const char *grid, int column, int row, bool asAmount)
    {
        add(name, [=](const Request &r) {
            const QString text = r.model.field(QLatin1String(grid)).cell(column, row);
            return asAmount ? gridAmountText(text, r.regional()) : text;
        });
    }

    Catalogue()
    {
        auto today = [](const Request &r) { return r.regional().formatDate(r.now.date()); };
        add(QStringLiteral("datum"), today);
        add(QStringLiteral("m901"), today);
        add(QStringLiteral("azon"), [](const Request &r) { return r.printIdentifier; });

        // Section I.
        for (int i = 1; i <= 9; ++i) {
            static const char *const edits[] = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5",
                                                "Edit6", "Edit7", "Edit8", "Edit9"};
            static const char *const vars[] = {"m1", "m2", "m3", "m4", "m5", "m6", "m7", "m8", "m9"};
            text(vars[i - 1], edits[i - 1]);
        }
        date("m10", "DateTimePicker1");

        // Sections II to IV.
        add(QStringLiteral("m11"), [](const Request &r) {
            const Field &group = r.model.field(u"LMDCheckGroup1");
            QString out; // nothing ticked prints the empty text
            for (int i = 0; i < int(std::size(kDeclarationTypes)); ++i)
                if (i < group.itemCount() && group.isChecked(i))
                    out += QString::fromUtf8(kDeclarationTypes[i]);
            return out;
        });
        add(QStringLiteral("m12"), [](const Request &r) {
            return pick(kClosingReasons, r.model.field(u"LMDRadioGroup2").itemIndex(), QStringLiteral("-"));
        });
        add(QStringLiteral("m13"), [](const Request &r) { return period(r, "DateTimePicker2", "DateTimePicker3"); });
        add(QStringLiteral("m14"), [](const Request &r) {
            // No method chosen prints nothing.
            return pick(kBookKeeping, r.model.field(u"LMDRadioGroup3").itemIndex(), QString());
        });
        add(QStringLiteral("m15"), [](const Request &r) {
            return pick(kApportionment, r.model.field(u"LMDRadioGroup4").itemIndex(),
                        QStringLiteral("nincs megosztás"));
        });

        // Section V.
        amount("a1", "PBNumEdit29");
        amount("a2", "PBNumEdit30");
        amount("a3", "PBNumEdit31");
        amount("a4", "PBNumEdit32");
        amount("a5", "PBNumEdit33");
        amount("a6", "PBNumEdit34");
        amount("m911", "PBNumEdit1");
        amount("m912", "PBNumEdit2");
        amount("m913", "PBNumEdit3");
        amount("m9131", "PBNumEdit4");
        amount("m914", "PBNumEdit5");
        amount("m915", "PBNumEdit6");
        amount("m916", "PBNumEdit7");
        amount("m917", "PBNumEdit8");
        amount("m918", "PBNumEdit12");
        amount("m919", "PBNumEdit9");
        amount("m920", "PBNumEdit10");
        amount("m921", "PBNumEdit11");
        amount("m922", "PBNumEdit14");
        amount("m923", "PBNumEdit15");
        amount("m924", "PBNumEdit16");
        amount("m925", "PBNumEdit17");
        amount("m926", "PBNumEdit18");
        amount("m927", "PBNumEdit19");
        amount("m928", "PBNumEdit20");
        amount("m929", "PBNumEdit21");
        amount("m1000", "PBNumEdit28");

        // Section VI.
        add(QStringLiteral("m12a1"), [](const Request &r) { return period(r, "DateTimePicker4", "DateTimePicker5"); });
        date("m12b1", "DateTimePicker6");
        date("m12b2", "DateTimePicker7");
        date("m12b3", "DateTimePicker8");
        amount("m12c1", "PBNumEdit72");
        amount("m12c2", "PBNumEdit73");
        amount("m12c3", "PBNumEdit22");

        // Sheets "A" to "F", in the order of the printed rows.
        const char *const sheets[][2] = {
            {"b1", "PBNumEdit35"}, {"b2", "PBNumEdit36"}, {"b3", "PBNumEdit37"}, {"b4", "PBNumEdit38"},
            {"b5", "PBNumEdit39"}, {"b6", "PBNumEdit41"}, {"b7", "PBNumEdit40"}, {"b8", "PBNumEdit42"},
            {"c1", "PBNumEdit43"}, {"c2", "PBNumEdit44"}, {"c3", "PBNumEdit45"}, {"c4", "PBNumEdit47"},
            {"c5", "PBNumEdit48"}, {"c6", "PBNumEdit49"}, {"c7", "PBNumEdit46"}, {"c8", "PBNumEdit50"},
            {"d1", "PBNumEdit51"}, {"d2", "PBNumEdit52"}, {"d3", "PBNumEdit53"}, {"d4", "PBNumEdit54"},
            {"d5", "PBNumEdit55"}, {"d6", "PBNumEdit56"},
            {"e1", "PBNumEdit57"}, {"e2", "PBNumEdit58"}, {"e3", "PBNumEdit62"}, {"e4", "PBNumEdit59"},
            {"e5", "PBNumEdit61"}, {"e6", "PBNumEdit60"},
            {"h2_1", "PBNumEdit23"}, {"h2_2", "PBNumEdit13"}, {"h2_3", "PBNumEdit24"}, {"h2_4", "PBNumEdit26"},
            {"h2_5", "PBNumEdit25"}, {"h2_6", "PBNumEdit69"}, {"h2_7", "PBNumEdit27"},
            {"f1", "PBNumEdit63"}, {"f2", "PBNumEdit67"}, {"f3", "PBNumEdit65"}, {"f4", "PBNumEdit66"},
            {"f5", "PBNumEdit68"}, {"f6", "PBNumEdit64"}, {"f7", "PBNumEdit70"}, {"f8", "PBNumEdit71"},
        };
        for (const auto &s : sheets)
            amount(s[0], s[1]);

        // Sheet "G": subcontractors, grid rows 1 to 10.
        for (int k = 1; k <= 10; ++k) {
            const QString h = QStringLiteral("h") + QString::number(k);
            cell(h, "AdvStringGrid2", 1, k, false);
            cell(h + QLatin1Char('b'), "AdvStringGrid2", 2, k, false);
            cell(h + QLatin1Char('c'), "AdvStringGrid2", 3, k, false);
            cell(h + QLatin1Char('d'), "AdvStringGrid2", 4, k, true);
        }
        // Sheet "H": public debts, grid rows 1 to 5.
        for (int k = 1; k <= 5; ++k) {
            const QString g = QStringLiteral("g") + QString::number(k);
            cell(g, "AdvStringGrid1", 1, k, false);
            cell(g + QLatin1Char('b'), "AdvStringGrid1", 2, k, false);
            cell(g + QLatin1Char('c'), "AdvStringGrid1", 3, k, true);
            cell(g + QLatin1Char('d'), "AdvStringGrid1", 4, k, false);
        }
        // Sheet "H": the amounts inside the statement's options; only the
        // chosen option's amounts are printed, the others print "0".
        auto option = [](int index, const char *field) {
            return [index, field](const Request &r) {
                if (r.model.field(u"LMDRadioGroup1").itemIndex() != index)
                    return QStringLiteral("0");
                return bareAmountText(r.model.field(QLatin1String(field)).value(), r.regional());
            };
        };
        add(QStringLiteral("g11"), option(1, "PBNumEdit74"));
        add(QStringLiteral("g12"), option(2, "PBNumEdit75"));
        add(QStringLiteral("g13"), option(2, "PBNumEdit76"));
        add(QStringLiteral("g14"), option(3, "PBNumEdit77"));
    }
};

const Catalogue &catalogue()
{
    static const Catalogue c;
    return c;
}

} // namespace

std::optional<QString> frxReport1GetValue(const ReturnModel &model, const QString &variable,
                                          const QString &printIdentifier, const QDateTime &now)
{
    const auto &answers = catalogue().answers;
    const auto it = answers.constFind(variable); // exact, letter case included
    if (it == answers.cend())
        return std::nullopt;
    return it.value()(Request{model, printIdentifier, now});
}

const QStringList &providerVariableNames()
{
    return catalogue().names;
}

} // namespace vkt::report
