#pragma once

#include "app/EditorState.h"

#include <optional>

// The selection: choosing a select list entry, the resets that commands make,
// the periodic readout into the position spins and the spins' writes.
namespace SelectionCommands {

// SelectedLine 0, dragging off, no select list entry, "Remove" disabled.
// New and Open reset no more than this.
void clearBasic(EditorState &state);
// Page change: the "Modify" controls disabled, the size spins hidden.
void clearForPageChange(EditorState &state);
// Remove: the "Modify" controls hidden.
void clearForRemove(EditorState &state);
// Send to back or front: the "Modify" controls disabled, the size spins hidden.
void clearForReorder(EditorState &state);

// Selects select list entry index and sets the controls by its kind.
// False (nothing changed) when index is not an entry of the list.
bool select(EditorState &state, int index);

// What the position spins should show for the selection, when there is one.
struct Readout
{
    QString x, y;
    std::optional<QString> width, height; // backgrounds only
};
std::optional<Readout> readout(const EditorState &state);

// The fields the position and size spins edit, as offsets from the kind word.
enum class Field { X = 1, Y = 2, Width = 4, Height = 5 };

// Writes the spin text into the selected record's field. Nothing is written
// when no element is selected or the element has no such field.
// Returns whether the document changed.
bool writeField(EditorState &state, Field field, const QString &text);

} // namespace SelectionCommands
