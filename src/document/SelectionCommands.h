#pragma once

#include "document/EditorState.h"

#include <optional>

// The selection: choosing a select list entry, the resets that commands make,
// the periodic readout into the position spins and the spins' writes.
namespace SelectionCommands {

// Nothing selected: SelectedLine 0, dragging off, no select list entry and
// the controls of no selection (every command that drops the selection ends here).
void clearBasic(EditorState &state);

// What "Remove", "Modify" and the canvas popup show for the selection: its
// primary element's kind decides, and with none everything is disabled
// (still shown, so the panel does not jump).
SelectionControls controlsFor(const EditorState &state);

// After a render: the select list entry and the controls follow the selection
// again, also for elements selected before the list held them (a paste).
void follow(EditorState &state);

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
