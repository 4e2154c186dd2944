#pragma once

#include "document/EditorState.h"

#include <QList>

// Several selected elements. The primary one (the last chosen) is
// SelectedLine and is what the select list and the "Modify" group show.
namespace SelectionSet {

// The kind word lines of every selected element, primary last.
QList<int> lines(const EditorState &state);
// The same in document order.
QList<int> linesInOrder(const EditorState &state);
bool contains(const EditorState &state, int line);

// Only this element (0 clears). The select list entry and the controls
// follow the element when the last render drew it.
void selectOnly(EditorState &state, int line);
// Ctrl-click: adds the element as the new primary, or takes it out (the
// element chosen before it becomes primary).
void toggle(EditorState &state, int line);
// The band and Select All: these elements, the last one primary; with add
// they join the present selection.
void selectLines(EditorState &state, const QList<int> &lines, bool add = false);

// The element records held by the brackets of the page in the page box.
QList<int> pageElements(const EditorState &state);

// Lines inserted at `at` move every selected line at or after it.
void shiftForInsert(EditorState &state, int at, int count);

} // namespace SelectionSet
