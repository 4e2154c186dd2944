#include "document/PropertyCommands.h"
#include "document/ButtonReplies.h"
#include "document/ControlCommands.h"
#include "document/UndoSteps.h"
#include "platform/ArtFolders.h"
#include "platform/NumberText.h"

namespace PropertyCommands {

namespace {

// Writes text into line when it differs; true when it did.
bool write(Document &doc, int line, const QString &text)
{
    if (line >= doc.size() || doc.line(line) == text)
        return false;
    doc.setLine(line, text);
    return true;
}

// The selected record, when all its lines are there to be edited.
ElementKind editableKind(const EditorState &state)
{
    const int at = state.SelectedLine;
    const ElementKind kind = at > 0 ? state.DATA.kindAt(at) : ElementKind::None;
    if (kind == ElementKind::None || state.DATA.recordLengthAt(at) != Records::lengthOf(kind)
        || at + Records::lengthOf(kind) > state.DATA.size())
        return ElementKind::None;
    return kind;
}

} // namespace

bool changeImage(EditorState &state, ElementDialogs &dialogs)
{
    state.Dragging = false;
    using Mode = ElementDialogs::PickerMode;
    QString folder;
    Mode mode = Mode::Picture;
    const ElementKind kind = editableKind(state);
    switch (kind) {
    case ElementKind::Gumppic: folder = ArtFolders::Pictures; break;
    case ElementKind::Button: folder = ArtFolders::Buttons; mode = Mode::Button; break;
    case ElementKind::Resizepic: folder = ArtFolders::Backgrounds; mode = Mode::Resizepic; break;
    default: {
        const std::optional<ControlCommands::ArtPicker> picker = ControlCommands::artPickerOf(kind);
        if (!picker)
            return false;
        folder = picker->folder;
        mode = picker->mode;
        break;
    }
    }
    return recordStep<UndoSteps::ChangeImage>(state, [&] {
        const std::optional<QString> chosen = dialogs.pickImage(state.AppDir + folder, mode);
        state.PickerCancelled = !chosen;
        return chosen && write(state.DATA, state.SelectedLine + Records::artFieldOf(kind), *chosen);
    });
}

bool editOptions(EditorState &state, PropertyDialogs &dialogs)
{
    state.Dragging = false;
    return recordStep<UndoSteps::EditOptions>(state, [&] {
        Document &doc = state.DATA;
        const int at = state.SelectedLine;
        bool changed = false;
        switch (editableKind(state)) {
        case ElementKind::Text: {
            if (const std::optional<int> hue = dialogs.editHue(NumberText::tryParse(doc.line(at + 3))))
                changed |= write(doc, at + 3, QString::number(*hue));
            changed |= write(doc, at + 4, dialogs.editText(doc.line(at + 4)));
            break;
        }
        case ElementKind::Button: {
            ElementDialogs::ButtonOptions current;
            current.closeOnClick = doc.line(at + 4) == u"1";
            current.page = doc.line(at + 5);
            current.events = doc.line(at + 7);
            const ElementDialogs::ButtonOptions chosen = dialogs.editButtonOptions(current);
            changed |= write(doc, at + 4, chosen.closeOnClick ? QStringLiteral("1") : QStringLiteral("0"));
            changed |= write(doc, at + 5, chosen.page);
            changed |= write(doc, at + 6, ButtonReplies::withEvents(doc.line(at + 6), !chosen.events.isEmpty()));
            changed |= write(doc, at + 7, chosen.events);
            break;
        }
        default:
            break;
        }
        return changed;
    });
}

} // namespace PropertyCommands
