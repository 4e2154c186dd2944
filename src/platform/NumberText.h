#pragma once

#include <QString>
#include <optional>

// The one text-to-number conversion of the program. Accepts optional leading
// blanks, an optional sign, and decimal digits, or hexadecimal digits after
// "0x"/"0X" or "$". The value must fit a signed 32-bit integer.
namespace NumberText {

std::optional<int> tryParse(const QString &text);

// Throws RuntimeError "'text' is not a valid integer value".
int parse(const QString &text);

// Like parse(), with a fallback instead of the error.
int parseOr(const QString &text, int fallback);

// Reads text as hexadecimal digits without a prefix ("1F4" -> 500),
// as the export and the renderer read gump numbers. Throws on failure.
int parseHex(const QString &digits);
std::optional<int> tryParseHex(const QString &digits);

// A spin edit's text as it must stand: a number below 1 becomes "0", any
// other number stays as typed. Throws RuntimeError when it is not a number.
QString zeroBelowOne(const QString &text);

// Seconds in general notation with up to 15 significant digits:
// 47 ms -> "0.047", 0 ms -> "0".
QString secondsText(qint64 milliseconds);

} // namespace NumberText
