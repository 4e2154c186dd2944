#pragma once

#include "document/RecordWalker.h"

#include <QString>
#include <QStringList>

// Only a button's events field may hold line breaks (kept in the project file
// as 0x1F). In every other field a CR, an LF or a 0x1F would become a script
// line of its own, so the readers of records treat it as a bad record.
namespace LineBreaks {

constexpr char16_t StoredMark = 0x1F;
constexpr int ButtonEventsField = 7;

bool holds(const QString &text);
// The lines of a button's events or a close block, split at CR LF, a lone CR
// or a lone LF, as they go into the script.
QStringList eventLines(const QString &events);
// The first field of the element record at the walker that holds a line break
// where none may be, or -1.
int misplacedIn(const RecordWalker &walker);
// "line <n> holds a line break", n counted from 1.
QString problem(const RecordWalker &walker, int field);

} // namespace LineBreaks
