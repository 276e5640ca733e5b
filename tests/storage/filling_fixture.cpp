#include "filling_fixture.h"

#include "model/error.h"

#include "model/numeric.h"

#include <QFileInfo>
#include <QTest>

namespace vkt::storage::test {

void fillEveryField(ReturnModel &model)
{
    const RegionalSettings &rs = model.regional();
    const QStringList texts = {
        QStringLiteral("Kovács_Ödön $ Kft."), QStringLiteral("Kerekvárda, Fő utca 1."),
        QString(), QStringLiteral("ŐŰőű áéíóöúü ÁÉÍÓÖÚÜ"), QStringLiteral("a_b_c"),
        QStringLiteral("$dollar$"), QStringLiteral("[1,2]x"), QStringLiteral("12345678-2-42"),
        QStringLiteral("tab\there"), QStringLiteral("  leading and trailing  "),
        QStringLiteral("Edit12 név"), QStringLiteral("€ ß ţ"), QStringLiteral("i"),
    };
    const Amount amounts[] = {1234567, -2500, 1234.5L, 0.25L, -0.125L, 0, 999999999999LL, 1, -1, 42.42L};
    int edit = 0, num = 0, radio = 0;
    for (const auto &fp : model.fields()) {
        Field &f = *fp;
        switch (f.kind()) {
        case FieldKind::Edit:
            f.setText(texts[edit++ % texts.size()]);
            break;
        case FieldKind::NumEdit:
            if (num == 5)
                f.setText(QString()); // an empty numeric text gives no line
            else if (num == 6)
                f.setText(QStringLiteral("1000")); // not yet regrouped
            else
                f.setText(numeric::displayForm(amounts[num % std::size(amounts)], rs));
            ++num;
            break;
        case FieldKind::RadioGroup:
            f.setItemIndex(radio++ % 2 == 0 ? f.itemCount() - 1 : -1);
            break;
        case FieldKind::CheckGroup:
            for (int i = 0; i < f.itemCount(); ++i)
                f.setChecked(i, i % 3 != 1);
            break;
        case FieldKind::CheckBox:
            f.setChecked(true);
            break;
        case FieldKind::StringGrid:
            for (int c = 1; c < f.columnCount(); ++c)
                for (int r = 1; r < f.rowCount(); ++r) {
                    QString t;
                    switch ((c + r) % 5) {
                    case 0: t = QStringLiteral("%1. sor, %2. oszlop").arg(r).arg(c); break;
                    case 1: t = QStringLiteral("a]b,c[d$e_f"); break;
                    case 2: t = QString(); break; // empty cells are written too
                    case 3: t = QStringLiteral("-1 234,5"); break;
                    default: t = QStringLiteral("Győr-Moson-Sopron"); break;
                    }
                    f.setCell(c, r, t);
                }
            break;
        case FieldKind::DateTimePicker:
            break;
        }
    }
}

QStringList fieldValues(const ReturnModel &model)
{
    QStringList out;
    for (const auto &fp : model.fields()) {
        const Field &f = *fp;
        QString v;
        switch (f.kind()) {
        case FieldKind::Edit:
        case FieldKind::NumEdit:
            v = f.text();
            break;
        case FieldKind::RadioGroup:
            v = QString::number(f.itemIndex());
            break;
        case FieldKind::CheckGroup:
            for (int i = 0; i < f.itemCount(); ++i)
                v += f.isChecked(i) ? u'1' : u'0';
            break;
        case FieldKind::CheckBox:
            v = f.isChecked() ? QStringLiteral("1") : QStringLiteral("0");
            break;
        case FieldKind::StringGrid:
            for (int c = 1; c < f.columnCount(); ++c)
                for (int r = 1; r < f.rowCount(); ++r)
                    v += QStringLiteral("[%1,%2]%3|").arg(c).arg(r).arg(f.cell(c, r));
            break;
        case FieldKind::DateTimePicker:
            continue;
        }
        out << f.name() + u'=' + v;
    }
    return out;
}

QString sampleData(const char *name)
{
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/data/") + QLatin1String(name);
}

QString errorOf(const std::function<void()> &fn)
{
    try {
        fn();
    } catch (const vkt::Error &e) {
        return e.message();
    }
    return QString();
}

} // namespace vkt::storage::test
