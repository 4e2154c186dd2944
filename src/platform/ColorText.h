#pragma once

#include <QColor>
#include <QString>

// Colours are 32-bit values 0x00BBGGRR (red in the low byte), as stored in
// settings and hue library files. Values 0x80000000 and up name system colours.
using ColorValue = quint32;

namespace ColorText {

// "clRed" for one of the sixteen basic colours, otherwise "$" and eight
// lower-case hexadecimal digits.
QString toText(ColorValue value);

// Accepts the 41 colour names ignoring case, else a decimal or "$"-hex
// number. Throws RuntimeError "'text' is not a valid integer value".
ColorValue fromText(const QString &text);

// Colour value <-> QColor; system colours map to a fixed light palette.
QColor toQColor(ColorValue value);
ColorValue fromQColor(const QColor &color);
// The same as 0xAARRGGBB, ready for QImage pixels (alpha opaque).
QRgb toRgb(ColorValue value);

} // namespace ColorText
