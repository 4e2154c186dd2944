#pragma once

#include <QString>
#include <QStringList>

// Lines copied out of a Sphere script, pasted as text: read by the import as
// the layout of a dialog of their own (or the first dialog they hold), and
// handed over as element records for the clipboard's paste.
namespace ScriptPaste {

// Whether the text holds a line the import reads as a dialog control
// ("resizepic", "gumppic", "button", "text", "dtext", ...) or a whole block
// of script logic ("IF ... ENDIF"); its script lines are pasted as they stand.
bool holdsControlLines(const QString &text);

// The element records the text's control lines give; nothing when the text
// is no dialog layout. Button art is matched in the library at appDir.
QStringList elementRecords(const QString &text, const QString &appDir);

} // namespace ScriptPaste
