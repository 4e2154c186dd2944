#pragma once

#include <QString>
#include <QStringView>

// How the server reads one line of a dialog script: it cuts the line at the
// first "//" and trims trailing blanks; a line left empty takes no place at
// all, not even in a TEXT section.
namespace SphereLine {

// The part of the line the server keeps.
QStringView keptPart(QStringView line);

// True when the server skips the line as empty.
inline bool readsAsBlank(QStringView line) { return keptPart(line).isEmpty(); }

// True when the server takes the line for a section header and ends the
// section it stands in: its first character other than blanks is "[".
bool startsSection(QStringView line);

// The longest line the server reads whole; longer lines are cut.
constexpr int MaxLength = 4095;

// The text of a decimal number as the server must be given it: without its
// leading zeros ("010" -> "10", "-007" -> "-7", "000" -> "0") and without a
// plus sign ("+5" -> "5"). Anything that is not an optional sign and decimal
// digits comes back as it stands.
QString withoutLeadingZeros(const QString &text);

} // namespace SphereLine
