#pragma once

#include "model/numeric.h"
#include "model/regional.h"
#include "model/returnmodel.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

namespace vkt::report {

// Printed amounts: rounded to whole forints, an exact half away from zero;
// a rounded 0 is written "0" without sign; digits grouped in threes by the
// regional thousands separator; "-" in front of a negative amount.
// 1234567 -> "1 234 567", -2.5 -> "-3", -0.4 -> "0".
QString bareAmountText(Amount x, const RegionalSettings &regional);
// bareAmountText() + " Ft.".
QString amountText(Amount x, const RegionalSettings &regional);

// Reads a grid cell as a number: blanks around, an optional sign, digits with
// an optional regional decimal separator (at least one digit), an optional
// exponent, and nothing else. No thousands separators; an empty cell is no
// number. Throws floatConversionError(cell) when the text does not read.
Amount readGridNumber(const QString &cell, const RegionalSettings &regional);
// amountText() of readGridNumber(); throws like it.
QString gridAmountText(const QString &cell, const RegionalSettings &regional);

// The report's value provider: the text of report variable `variable`
// (matched exactly, letter case included) for the filled return, or no value
// (std::nullopt) when the name is not a report variable. "datum" and "m901"
// are the date of `now`; "azon" is `printIdentifier`. Reads only.
// Throws vkt::Error when a number or a grid amount does not read.
std::optional<QString> frxReport1GetValue(const ReturnModel &model, const QString &variable,
                                          const QString &printIdentifier, const QDateTime &now);

// Every variable name the provider answers, in catalogue order.
const QStringList &providerVariableNames();

} // namespace vkt::report
