#pragma once

#include "document/EditorState.h"

#include <QPoint>
#include <QSize>
#include <QString>

#include <optional>

// The plain rules behind the canvas mouse handlers: what a button does, where
// a dragged element goes, and what a background band measures.
namespace CanvasMouse {

enum class Action { SelectAndDrag, Menu, Select, Remove, AutoSave, None };

// The action text of a mouse button ("Select + Drag", "Menu", "Select",
// "Remove", "AutoSave", "NONE"), compared case-sensitively; any other text
// does nothing.
Action actionOf(const QString &text);

// Document point of a canvas point.
QPoint documentPoint(QPoint canvasPoint, int scrollX, int scrollY);

// Canvas position of a dragged element: the pointer minus the grab offset,
// held at the left and top edges of the visible area.
QPoint dragPosition(QPoint canvasPointer, QPoint grabOffset);

// Moves the element record at line so that it is drawn at the position:
// literal places as decimal text, relative ones kept relative; a place the
// server computes stays as written, and the returned text says so (empty
// when every field followed).
QString writePosition(EditorState &state, int line, QPoint documentPosition);

// The size of a background drawn from start to end (document points); nothing
// when end lies left of or above start.
std::optional<QSize> bandSize(QPoint start, QPoint end);

} // namespace CanvasMouse
