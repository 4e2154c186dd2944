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

// What the position spins should show for the selection, when there is one:
// each field as the server reads it (a stand-in stored after an expression
// is shown beside it, not in the spin).
struct Readout
{
    QString x, y;
    std::optional<QString> width, height; // backgrounds only
};
std::optional<Readout> readout(const EditorState &state);

// The fields the position and size spins edit, as offsets from the kind word.
enum class Field { X = 1, Y = 2, Width = 4, Height = 5 };

// The field's offset from the kind word in a record of the kind; 0 when the
// kind has no such field.
int offsetOf(ElementKind kind, Field field);
// "X", "Y", "Width" or "Height", as the Edit menu names a step on it.
QString fieldName(Field field);

// What typed spin text writes: a number (below 1 as "0"), an expression the
// server computes ("<argn1>"), and for a place one from the origin ("+20",
// "*20"); nullopt while it is none of these (cleared, a lone "-"), when the
// record keeps its value.
std::optional<QString> typedText(Field field, const QString &typed);

// Whether a spin's arrows may step the field's text: a number (or nothing
// yet). An expression or a place from the origin ("+20", "*20") is the
// server's to compute: stepping it as a number would lose what it says.
bool steppable(const QString &text);

// Writes the spin text into the selected record's field. Nothing is written
// when no element is selected or the element has no such field. An
// expression written over an expression keeps the stand-in stored after it.
// Returns whether the document changed.
bool writeField(EditorState &state, Field field, const QString &text);

} // namespace SelectionCommands
