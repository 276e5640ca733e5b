#include "returnfixture.h"

#include "rules/rules.h"

#include <QTest>

using namespace vkt;

Return::Return() : m_model(rules::createReturn(RegionalSettings::hungarian())) {}

QString hu(const QString &text)
{
    QString t = text;
    t.replace(QLatin1Char(' '), QChar(0x00A0));
    return t;
}

bool Return::type(const char *name, const QString &text)
{
    Field &f = (*this)[name];
    if (!f.isEditable()) {
        qWarning("%s cannot be typed into", name);
        return false;
    }
    f.setText(hu(text));
    f.leave();
    return true;
}

bool Return::typeAll(const QStringList &entries)
{
    for (const QString &entry : entries) {
        const auto parts = entry.split(QLatin1Char('='));
        if (!type(parts.at(0).toLatin1().constData(), parts.value(1)))
            return false;
    }
    return true;
}

QString Return::mismatch(const QStringList &expected)
{
    for (const QString &entry : expected) {
        const auto parts = entry.split(QLatin1Char('='));
        const QString &name = parts.at(0);
        const QString want = hu(parts.value(1));
        const QString got = m_model->field(name).text();
        if (got != want)
            return QStringLiteral("%1=%2 (expected %3)").arg(name, got, want);
    }
    return {};
}

QStringList Return::snapshot()
{
    QStringList all;
    for (const auto &f : m_model->fields()) {
        QString v;
        switch (f->kind()) {
        case FieldKind::Edit:
        case FieldKind::NumEdit: v = f->text(); break;
        case FieldKind::RadioGroup: v = QString::number(f->itemIndex()); break;
        case FieldKind::CheckGroup: v = QString::number(f->checkValue()); break;
        case FieldKind::CheckBox: v = QString::number(f->isChecked()); break;
        case FieldKind::DateTimePicker: v = f->date().toString(Qt::ISODate); break;
        case FieldKind::StringGrid:
            for (int c = 0; c < f->columnCount(); ++c)
                for (int r = 0; r < f->rowCount(); ++r)
                    v += f->cell(c, r) + QLatin1Char('|');
            break;
        }
        all << QStringLiteral("%1=%2 e%3").arg(f->name(), v).arg(f->isEnabled());
    }
    for (const auto &e : m_model->elements())
        all << QStringLiteral("%1 e%2 v%3").arg(e->name()).arg(e->isEnabled()).arg(e->isVisible());
    return all;
}

ChangeLog::ChangeLog(ReturnModel &model)
{
    connect(&model, &ReturnModel::fieldChanged, this, [this](Field *f) {
        QString what;
        if (f->kind() == FieldKind::NumEdit)
            what = f->text();
        else if (f->kind() == FieldKind::RadioGroup)
            what = QString::number(f->itemIndex());
        else if (f->kind() == FieldKind::DateTimePicker) {
            auto iso = [](const QDate &d) { return d.isValid() ? d.toString(Qt::ISODate) : QStringLiteral("none"); };
            what = QStringLiteral("%1 %2..%3").arg(iso(f->date()), iso(f->minDate()), iso(f->maxDate()));
        }
        QString entry = QStringLiteral("%1 e%2 %3").arg(f->name()).arg(f->isEnabled()).arg(what);
        entry.replace(QChar(0x00A0), QLatin1Char(' '));
        entries << entry.trimmed();
    });
    connect(&model, &ReturnModel::elementChanged, this, [this](DisplayElement *e) {
        entries << QStringLiteral("%1 e%2 v%3").arg(e->name()).arg(e->isEnabled()).arg(e->isVisible());
    });
}
