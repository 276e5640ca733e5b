#pragma once

#include <QChar>
#include <QDate>
#include <QString>

namespace vkt {

// The regional settings that everything formatting or parsing takes as a
// value: thousands and decimal separator, short date format (Qt date-format
// syntax, e.g. "yyyy.MM.dd.").
struct RegionalSettings {
    QChar thousandsSeparator = QChar(0x00A0);
    QChar decimalSeparator = QLatin1Char(',');
    QString shortDateFormat = QStringLiteral("yyyy.MM.dd.");

    // The Hungarian desktop convention: U+00A0, ",", yyyy.MM.dd.
    static RegionalSettings hungarian();
    // QLocale::system(); a C/POSIX system locale gives hungarian().
    static RegionalSettings system();

    QString formatDate(const QDate &date) const; // short date format
    QDate parseDate(const QString &text) const;  // invalid QDate when the text does not read

    bool operator==(const RegionalSettings &) const = default;
};

} // namespace vkt
