#pragma once

#include <QStringView>
#include <optional>

// How the server reads a number: a leading "0" makes it hexadecimal ("010" is
// 16), "0x" is no prefix (so "0x10" is 0), and a "." inside a decimal number is
// skipped. Hexadecimal values of up to eight digits are signed 32-bit.
// Nothing when the text is not a number at all.
std::optional<qint64> sphereNumberValue(QStringView text);
