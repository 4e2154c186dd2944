#pragma once

#include <QString>

namespace VisibleText {

// The text with NUL and the other control characters written as \xNN, so a
// value quoted in a message can neither cut it short nor break its line.
QString escaped(const QString &text);

} // namespace VisibleText
