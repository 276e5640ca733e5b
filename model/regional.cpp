#include "regional.h"

#include <QLocale>

namespace vkt {

RegionalSettings RegionalSettings::hungarian()
{
    return RegionalSettings{};
}

RegionalSettings RegionalSettings::system()
{
    const QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C)
        return hungarian();
    RegionalSettings settings;
    const QString group = locale.groupSeparator();
    const QString decimal = locale.decimalPoint();
    if (!group.isEmpty())
        settings.thousandsSeparator = group.front();
    if (!decimal.isEmpty())
        settings.decimalSeparator = decimal.front();
    settings.shortDateFormat = locale.dateFormat(QLocale::ShortFormat);
    return settings;
}

QString RegionalSettings::formatDate(const QDate &date) const
{
    return date.toString(shortDateFormat);
}

QDate RegionalSettings::parseDate(const QString &text) const
{
    return QDate::fromString(text, shortDateFormat);
}

} // namespace vkt
