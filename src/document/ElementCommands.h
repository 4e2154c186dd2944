#pragma once

#include "document/EditorState.h"

#include <QSize>

#include <functional>
#include <optional>

// The windows through which a new element gets its art, its button behaviour
// and its text. The main window shows them; tests answer them directly.
class ElementDialogs
{
public:
    enum class PickerMode { Picture, Button, Resizepic };

    struct ButtonOptions
    {
        bool closeOnClick = false;
        QString page = QStringLiteral("0");  // "Page to switch to"
        QString events;                      // lines joined by CR LF
        bool cancelled = false;              // the window was left without Ok: nothing changes
    };

    virtual ~ElementDialogs() = default;

    // The image picker on folder (AppDir + "DATA/..."): the chosen file name
    // without folder, or nothing when the user cancelled.
    virtual std::optional<QString> pickImage(const QString &folder, PickerMode mode) = 0;
    // The button options window; it keeps its values between uses.
    virtual ButtonOptions askButtonOptions() = 0;
    // The hue window, refreshed first: the chosen Sphere hue number.
    virtual int askHue() = 0;
    // The text window: the text typed.
    virtual QString askText() = 0;
};

// Commands that change which elements the page in the page box holds and in
// what order. Each returns whether the page must be redrawn.
namespace ElementCommands {

// Add commands place the element at x, y (the insert buttons use 0, 0).
// They stop without a change when the picker is cancelled.
bool addGumppic(EditorState &state, ElementDialogs &dialogs, const QString &x = QStringLiteral("0"),
                const QString &y = QStringLiteral("0"));
// sizeOf, when given, gives the size a side asked as "0" takes, from the
// background file chosen (a click of the brush places a background that shows).
bool addResizepic(EditorState &state, ElementDialogs &dialogs, const QString &x = QStringLiteral("0"),
                  const QString &y = QStringLiteral("0"), const QString &width = QStringLiteral("100"),
                  const QString &height = QStringLiteral("100"),
                  const std::function<QSize(const QString &)> &sizeOf = {});
bool addButton(EditorState &state, ElementDialogs &dialogs, const QString &x = QStringLiteral("0"),
               const QString &y = QStringLiteral("0"));
bool addText(EditorState &state, ElementDialogs &dialogs, const QString &x = QStringLiteral("0"),
             const QString &y = QStringLiteral("0"));

// Inserts a record at the end of the page in the page box (a new bracket at
// the end of the document when the page has none), keeping SelectedLine on
// its element.
void insertIntoPage(EditorState &state, const QStringList &record);

// Deletes the selected records and resets the selection. stepName is the
// undo step's name ("Cut" when the records went to the clipboard).
bool remove(EditorState &state, const QString &stepName = QStringLiteral("Remove"));

// Copies the selected records to the end of the page in the page box, 10
// pixels right and down when offset is on. The selection stays on the
// sources. Throws RuntimeError (leaving the document unchanged) when an X or
// Y is not a number and offset is on.
bool clone(EditorState &state, bool offset, const QString &stepName = QStringLiteral("Clone"));

// Moves the selected records to the start (back) or end (front) of their
// page brackets, in their order, and resets the selection.
bool sendToBack(EditorState &state);
bool sendToFront(EditorState &state);

// Events text as the document holds it ("\r\n" between lines) and as an edit
// box holds it ("\n").
QString eventsFromEditor(const QString &text);
QString eventsToEditor(const QString &text);

} // namespace ElementCommands
