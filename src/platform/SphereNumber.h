#pragma once

#include <QStringView>
#include <optional>

// Numbers as the Sphere server reads them in scripts: a leading "0" makes the
// digits hexadecimal ("0480" is 1152), "0x" is accepted as hexadecimal too,
// anything else is decimal. An optional sign may come first. The whole text
// must be the number and fit a signed 32-bit integer (hexadecimal of up to
// eight digits wraps to negative as the server's does).
namespace SphereNumber {

std::optional<int> tryParse(QStringView text);

} // namespace SphereNumber
