#pragma once

#include "document/EditorState.h"
#include "document/SelectionCommands.h"

#include <QString>

#include <optional>

// The stand-ins of the selected element's place and size, as the Modify panel
// shows and sets them beside the expressions the server computes: where the
// canvas draws the element, kept in the design after the expression
// ("<argn1> //standin 40") and never exported.
namespace StandInCommands {

using SelectionCommands::Field;

struct Shown
{
    // The designer cannot compute the expression: the user's value stands in.
    bool settable = false;
    // The stored stand-in ("" for none); for an expression the designer
    // computes itself, that value.
    QString text;
};

// What the panel shows beside the field of the selected element; nullopt
// when nothing is selected, the element has no such field or the field holds
// no expression.
std::optional<Shown> shownFor(const EditorState &state, Field field);

// Typed stand-in text: empty clears (no value), a whole number sets;
// anything else is refused (not valid).
struct Typed
{
    bool valid = false;
    std::optional<int> value;
};
Typed read(const QString &typed);

// Sets the stand-in of the selected element's field, or clears it with an
// empty value: one undo step. False, and no step, when the field holds no
// expression, the designer computes it itself (clearing is still allowed) or
// the stand-in is already so.
bool set(EditorState &state, Field field, std::optional<int> value);

} // namespace StandInCommands
