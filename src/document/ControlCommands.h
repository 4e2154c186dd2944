#pragma once

#include "document/ElementCommands.h"
#include "document/RecordWalker.h"

#include <QList>
#include <QSize>
#include <QString>

#include <optional>

// Making and editing the element kinds beyond the four classic ones, which
// have no windows of their own: a field table per kind drives both the new
// record and the property panel.
namespace ControlCommands {

struct FieldDefinition
{
    enum class Type { Number, Flag, Text, ArtFile };
    QString name;        // as the panel labels it
    Type type;
    QString initial;     // in a new record
};

// Fields 1 … length - 1 of the kind's record, in record order; empty for
// the classic kinds and None.
const QList<FieldDefinition> &fieldsOf(ElementKind kind);

// The kind's record at x, y with every other field at its initial value.
QStringList newRecord(ElementKind kind, const QString &x, const QString &y);

// Adds an element of the kind at x, y to the page in the page box and
// selects it; one undo step. Kinds with an art file ask the picker first
// (the button folder for check boxes and radios, the picture folder
// otherwise) and stop without a change when it is cancelled. A size, for
// the kinds with a width and height, replaces the initial one; a side
// below 1 keeps its initial value (a click instead of a drawn box).
bool insertControl(EditorState &state, ElementDialogs &dialogs, ElementKind kind,
                   const QString &x = QStringLiteral("0"), const QString &y = QStringLiteral("0"),
                   std::optional<QSize> size = std::nullopt);

// The picker mode and the folder under AppDir of the kind's art file:
// check boxes and radios show buttons, the others pictures. Nothing for a
// kind without art.
struct ArtPicker
{
    ElementDialogs::PickerMode mode;
    QString folder;
};
std::optional<ArtPicker> artPickerOf(ElementKind kind);

// The field (1 … length - 1) the keyboard goes to when the element's
// options are asked for: its text when it has one, else its first field
// after the position that is not its art file. 0 for the classic kinds.
int optionsFieldOf(ElementKind kind);

// Writes field (1 … length - 1) of the selected element of a newer kind:
// one undo step, keystrokes into the same field merged. Refused (false, no
// change) when the selection is of another kind, the field is not one of
// the record's, a number or flag field is given no whole number, or a text
// holds a line break.
bool writeControlField(EditorState &state, int field, const QString &text);

} // namespace ControlCommands
