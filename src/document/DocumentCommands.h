#pragma once

#include "document/EditorState.h"

#include <optional>

// Commands on the document as a whole: New, Open, the page box, and the
// dialog-wide location and window flags records.
namespace DocumentCommands {

// New: clears the selection, shows page "0" and makes "{BOP", "0", "}EOP".
// New and Open are no steps: they start a fresh history, clean, so no undo
// brings back the design they replaced.
void newDocument(EditorState &state);

// Open, after the user chose a file: the document becomes its lines and
// fileName the design's file. The page box keeps its value.
void openDocument(EditorState &state, QStringList lines, const QString &fileName);

// Import: the document becomes the imported lines in one step, and the
// selection is cleared, since it pointed into the lines that are gone.
// The page box keeps its value.
void importDocument(EditorState &state, QStringList lines);

// The page box shows pageText (already normalised): dragging stops, the
// page gets a bracket at the end of the document when it has none, and the
// selection is reset.
void changePage(EditorState &state, const QString &pageText);

// The location record's X and Y, when the document has one.
struct Location { QString x, y; };
std::optional<Location> location(const EditorState &state);
// Writes X and Y into the location record, or appends "LOCATION", x, y.
void storeLocation(EditorState &state, const Location &location);

// The window flags record, when the document has one.
struct WindowFlags { bool canNotClose = false; bool canNotMove = false; };
std::optional<WindowFlags> windowFlags(const EditorState &state);
// Writes the flags into the window flags record, or appends "MISC" and both.
void storeWindowFlags(EditorState &state, const WindowFlags &flags);

// The dialog's close block (what runs when the player closes the dialog with
// the right mouse button), its lines joined by CR LF; empty without one.
QString closeBlock(const EditorState &state);
// Writes the block as one undo step; nothing when it is unchanged, and no
// record is added for an empty block.
bool storeCloseBlock(EditorState &state, const QString &events);

} // namespace DocumentCommands
