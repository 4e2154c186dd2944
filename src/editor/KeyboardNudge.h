#pragma once

#include "document/EditorState.h"

#include <QPoint>

#include <optional>

// The arrow keys move the selected element by one pixel.
namespace KeyboardNudge {

// The step of a key (a Qt::Key): Left (-1, 0), Up (0, -1), Right (1, 0),
// Down (0, 1); nothing for any other key.
std::optional<QPoint> stepOf(int key);

// Adds step to the X and Y lines of the selected element when the select
// list has a current entry; no bound is applied (the position spins mend a
// value below 0). Returns whether the document changed. Throws RuntimeError
// when a line to change is not a number; the document is then unchanged.
// A place from the origin stays so ("+20" -> "+21"); one the server computes
// stays as written, and kept (when given) says so.
bool nudge(EditorState &state, QPoint step, QString *kept = nullptr);

} // namespace KeyboardNudge
