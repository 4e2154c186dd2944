#pragma once

#include "document/EditorState.h"

#include <QString>
#include <QStringList>

// Commands on a dialog's script lines and on where a control stands among
// them. Each is one undo step and returns whether the design changed.
namespace ScriptLineCommands {

// The common forms the Insert menu offers.
enum class Form { If, IfElse, For, Local };
QString nameOf(Form form);         // as the menu shows it: "IF … ENDIF"
QStringList linesOf(Form form);    // the script lines it is made of

// Inserts the form's lines. With a record selected in the page shown, the
// block is put around it (a LOCAL line before it); otherwise at the end of
// the page. The opener (or the LOCAL line) is selected.
bool insert(EditorState &state, Form form);

// Moves the selected record (a script line or a control) past its
// neighbour record in the same page bracket; a control moved past an IF,
// ELSE or ENDIF line changes branch so.
bool moveUp(EditorState &state);
bool moveDown(EditorState &state);

// Moves the selected control out of the innermost block around it: just
// after the block's closer.
bool moveOutOfBlock(EditorState &state);

// A copy of the selected script line right after it.
bool duplicateLine(EditorState &state);

} // namespace ScriptLineCommands
