// The verbs that act on the model: a person's typing, choosing and ticking,
// the program's writes, and what the fields hold.
#include "batchtool.h"

#include "model/error.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace vkt::batch {

namespace {

Field &fieldOfKind(BatchTool &tool, Args &args, std::initializer_list<FieldKind> kinds)
{
    Field &f = tool.fieldArg(args);
    for (FieldKind k : kinds)
        if (f.kind() == k)
            return f;
    throw ScriptError{QStringLiteral("%1 is a %2").arg(f.name(), kindName(f.kind()))};
}

bool onOff(Args &args)
{
    const QString w = args.word("on|off");
    if (w == QLatin1String("on"))
        return true;
    if (w == QLatin1String("off"))
        return false;
    throw ScriptError{QStringLiteral("expected on or off: %1").arg(w)};
}

long double cNumber(const QString &w)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const QByteArray ascii = w.toLatin1();
    char *end = nullptr;
    const long double v = ascii.isEmpty() ? 0 : strtold_l(ascii.constData(), &end, cLocale);
    if (ascii.isEmpty() || end != ascii.constData() + ascii.size() || !std::isfinite(v)
        || w.contains(QLatin1Char(' ')) || ascii.contains('x') || ascii.contains('X'))
        throw ScriptError{QStringLiteral("not a number: %1").arg(w)};
    return v;
}

// A data cell: column 1.., row 1.. inside the grid.
void cellArgs(Args &args, const Field &grid, int &column, int &row, int first)
{
    column = args.integer("COL");
    row = args.integer("ROW");
    if (column < first || column >= grid.columnCount() || row < first || row >= grid.rowCount())
        throw ScriptError{QStringLiteral("no cell %1,%2 in %3").arg(column).arg(row).arg(grid.name())};
}

QString isoDate(const QDate &d)
{
    return d.isValid() ? d.toString(Qt::ISODate) : QStringLiteral("none");
}

QString valueText(const Field &f)
{
    switch (f.kind()) {
    case FieldKind::Edit:
    case FieldKind::NumEdit:
        return f.text();
    case FieldKind::RadioGroup:
        return QString::number(f.itemIndex());
    case FieldKind::CheckGroup: {
        QString bits;
        for (int i = 0; i < f.itemCount(); ++i)
            bits += f.isChecked(i) ? QLatin1Char('1') : QLatin1Char('0');
        return bits;
    }
    case FieldKind::CheckBox:
        return f.isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    case FieldKind::DateTimePicker:
        return f.date().toString(Qt::ISODate);
    case FieldKind::StringGrid:
        return QStringLiteral("grid %1x%2").arg(f.columnCount()).arg(f.rowCount());
    }
    return {};
}

// The person types the whole text of a field: refused where nobody can type.
bool typeText(BatchTool &tool, Field &f, const QString &text)
{
    if (f.isFocusHolder() || !f.isEditable()) {
        tool.println(QStringLiteral("refused: ") + f.name());
        return false;
    }
    f.setText(text);
    return true;
}

} // namespace

void addModelVerbs(BatchTool &tool)
{
    tool.addVerb(QStringLiteral("text"), [](BatchTool &t, Args &a) {
        Field &f = fieldOfKind(t, a, {FieldKind::Edit, FieldKind::NumEdit});
        typeText(t, f, a.rest());
    });
    tool.addVerb(QStringLiteral("leave"), [](BatchTool &t, Args &a) {
        Field &f = t.fieldArg(a);
        a.end();
        if (t.personMayChange(f))
            f.leave();
    });
    tool.addVerb(QStringLiteral("enter"), [](BatchTool &t, Args &a) {
        Field &f = fieldOfKind(t, a, {FieldKind::Edit, FieldKind::NumEdit});
        if (typeText(t, f, a.rest()))
            f.leave();
    });
    tool.addVerb(QStringLiteral("value"), [](BatchTool &t, Args &a) {
        Field &f = fieldOfKind(t, a, {FieldKind::NumEdit});
        const long double v = cNumber(a.word("NUMBER"));
        a.end();
        f.setValue(v);
    });
    tool.addVerb(QStringLiteral("choose"), [](BatchTool &t, Args &a) {
        Field &f = fieldOfKind(t, a, {FieldKind::RadioGroup});
        const int index = a.integer("INDEX");
        a.end();
        if (index < 0 || index >= f.itemCount())
            throw ScriptError{QStringLiteral("%1 has no item %2").arg(f.name()).arg(index)};
        if (t.personMayChange(f))
            f.choose(index);
    });
    tool.addVerb(QStringLiteral("index"), [](BatchTool &t, Args &a) {
        Field &f = fieldOfKind(t, a, {FieldKind::RadioGroup});
        const int index = a.integer("INDEX");
        a.end();
        f.setItemIndex(index);
    });
    tool.addVerb(QStringLiteral("tick"), [](BatchTool &t, Args &a) {
        Field &f = fieldOfKind(t, a, {FieldKind::CheckGroup});
        const int item = a.integer("ITEM");
        const bool on = onOff(a);
        a.end();
        if (item < 0 || item >= f.itemCount())
            throw ScriptError{QStringLiteral("%1 has no item %2").arg(f.name()).arg(item)};
        if (t.personMayChange(f))
            f.setChecked(item, on);
    });
    tool.addVerb(QStringLiteral("check"), [](BatchTool &t, Args &a) {
        Field &f = fieldOfKind(t, a, {FieldKind::CheckBox});
        const bool on = onOff(a);
        a.end();
        if (t.personMayChange(f))
            f.setChecked(on);
    });
    tool.addVerb(QStringLiteral("cell"), [](BatchTool &t, Args &a) {
        Field &f = fieldOfKind(t, a, {FieldKind::StringGrid});
        int column = 0, row = 0;
        cellArgs(a, f, column, row, 1);
        const QString text = a.rest();
        if (t.personMayChange(f))
            f.setCell(column, row, text);
    });
    tool.addVerb(QStringLiteral("date"), [](BatchTool &t, Args &a) {
        Field &f = fieldOfKind(t, a, {FieldKind::DateTimePicker});
        const QString w = a.word("YYYY-MM-DD");
        a.end();
        const QDate d = QDate::fromString(w, Qt::ISODate);
        if (!d.isValid() || w.size() != 10)
            throw ScriptError{QStringLiteral("not a date: %1").arg(w)};
        if (t.personMayChange(f))
            f.setDate(d);
    });
    tool.addVerb(QStringLiteral("get"), [](BatchTool &t, Args &a) {
        Field &f = t.fieldArg(a);
        a.end();
        t.println(f.name() + QLatin1Char('=') + valueText(f));
    });
    tool.addVerb(QStringLiteral("getcell"), [](BatchTool &t, Args &a) {
        Field &f = fieldOfKind(t, a, {FieldKind::StringGrid});
        int column = 0, row = 0;
        cellArgs(a, f, column, row, 0);
        a.end();
        t.println(QStringLiteral("%1[%2,%3]=%4").arg(f.name()).arg(column).arg(row).arg(f.cell(column, row)));
    });
    tool.addVerb(QStringLiteral("state"), [](BatchTool &t, Args &a) {
        const QString name = a.word("NAME");
        a.end();
        auto flags = [](bool enabled, bool visible) {
            return QStringLiteral(" enabled=%1 visible=%2").arg(int(enabled)).arg(int(visible));
        };
        if (const Field *f = t.model().find(name)) {
            QString line = f->name() + flags(f->isEnabled(), f->isVisible());
            if (f->kind() == FieldKind::DateTimePicker)
                line += QStringLiteral(" min=%1 max=%2").arg(isoDate(f->minDate()), isoDate(f->maxDate()));
            t.println(line);
        } else if (const DisplayElement *e = t.model().findElement(name)) {
            t.println(e->name() + flags(e->isEnabled(), e->isVisible()));
        } else {
            throw ScriptError{QStringLiteral("unknown name: %1").arg(name)};
        }
    });
    tool.addVerb(QStringLiteral("dump"), [](BatchTool &t, Args &a) {
        a.end();
        for (const auto &f : t.model().fields())
            t.println(f->name() + QLatin1Char('=') + valueText(*f));
    });
}

} // namespace vkt::batch
