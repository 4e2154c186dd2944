#pragma once

#include "document/EditorState.h"
#include "document/ElementCommands.h"

#include <optional>

// The windows through which a placed element's properties are edited, each
// loaded with what the record holds.
class PropertyDialogs
{
public:
    virtual ~PropertyDialogs() = default;

    // The hue window showing the library entry of hue (a Sphere number, or
    // nothing when the record's is not one): the chosen Sphere hue number,
    // nothing when Ok was pressed with no entry chosen.
    virtual std::optional<int> editHue(std::optional<int> hue) = 0;
    // The text window holding text: the text as it reads when it closes.
    virtual QString editText(const QString &text) = 0;
    // The button options window loaded with options: what it holds when it closes.
    virtual ElementDialogs::ButtonOptions editButtonOptions(const ElementDialogs::ButtonOptions &options) = 0;
};

// Edits of the selected element's record ("Change Image", "Options").
// Each returns whether the document changed, as one undo step; all clear
// Dragging.
namespace PropertyCommands {

// The image picker in the mode of the selected kind; the chosen file goes
// into the record's art field, a cancel leaves the element as it was. Of the
// newer kinds, check boxes and radios pick buttons, tiled and hued pictures
// pictures; texts and the kinds without art have no image.
bool changeImage(EditorState &state, ElementDialogs &dialogs);

// A text's hue (kept when no hue is chosen) and string, or a button's close flag, page and events (the
// events flag "0" when the events are empty, else "1"). Pictures and
// backgrounds have no options.
bool editOptions(EditorState &state, PropertyDialogs &dialogs);

} // namespace PropertyCommands
