#pragma once

#include "regional.h"

#include <QString>
#include <cstdint>

namespace vkt {

// Amounts are forints held as binary floating point with a 64-bit significand.
using Amount = long double;

namespace numeric {

// Display form of a number: integer digits grouped in threes by the thousands
// separator; a fraction only when there is one, at most 14 fraction digits and
// at most 15 significant digits in all, trailing zeros dropped. A whole number
// keeps all its digits. 1234.5 -> "1 234,5" (with U+00A0 and ",").
QString displayForm(Amount x, const RegionalSettings &regional);

// Reads the number of a numeric field's text: thousands separators removed;
// empty and a lone "-" read 0; otherwise [-]digits[,digits][E[+-]digits].
// Anything else throws floatConversionError(text without separators).
Amount read(const QString &text, const RegionalSettings &regional);

// read() truncated toward zero, saturated to the 64-bit range.
std::int64_t readTruncated(const QString &text, const RegionalSettings &regional);

// Reads a decimal integer as the platform's StrToInt does ([+-]digits, or $hex),
// throwing integerConversionError(text) when it does not read or leaves 32 bits.
int readInteger(const QString &text);

} // namespace numeric
} // namespace vkt
