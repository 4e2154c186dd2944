#include "document/SelectionCommands.h"
#include "document/FieldValue.h"
#include "document/StoredStandIn.h"
#include "document/UndoSteps.h"
#include "platform/NumberText.h"

namespace SelectionCommands {

namespace {

ElementKind selectedKind(const EditorState &state)
{
    return state.SelectedLine > 0 ? state.DATA.kindAt(state.SelectedLine) : ElementKind::None;
}

} // namespace

void clearBasic(EditorState &state)
{
    state.SelectedLine = 0;
    state.Selection.clear();
    state.Dragging = false;
    state.SelectIndex = -1;
    state.Controls = SelectionControls();
    state.noteChanged();
}

SelectionControls controlsFor(const EditorState &state)
{
    SelectionControls c;
    const ElementKind kind = selectedKind(state);
    if (kind == ElementKind::None)
        return c;
    c.removeEnabled = true;
    c.positionEnabled = true;
    c.changeImageEnabled = true;
    c.optionsEnabled = true;
    c.popupSendFrontEnabled = true;
    c.popupSendBackEnabled = true;
    c.popupCloneEnabled = true;
    c.popupRemoveEnabled = true;
    switch (kind) {
    case ElementKind::Gumppic:
        c.optionsVisible = false;
        break;
    case ElementKind::Button:
        break;
    case ElementKind::Text:
        c.changeImageVisible = false;
        break;
    case ElementKind::Resizepic:
        c.sizeVisible = true;
        c.optionsVisible = false;
        break;
    case ElementKind::Script:
        // A script line has no place: its text is edited in the property panel.
        c.positionVisible = false;
        c.positionEnabled = false;
        c.changeImageVisible = false;
        c.popupSendFrontEnabled = false;
        c.popupSendBackEnabled = false;
        break;
    default:
        // The newer kinds are edited in the property panel; the spins keep
        // their position and, for the box kinds, their size. "Change Image"
        // is there for the kinds with an art file; "Options" brings the
        // panel up and the keyboard into it.
        c.sizeVisible = Records::widthFieldOf(kind) > 0;
        c.changeImageVisible = Records::artFieldOf(kind) > 0;
        break;
    }
    return c;
}

bool select(EditorState &state, int index)
{
    if (index < 0 || index >= state.LineList.size())
        return false;
    state.SelectIndex = index;
    state.SelectedLine = state.LineList[index];
    state.Selection = {state.SelectedLine};
    state.Controls = controlsFor(state);
    state.noteChanged();
    return true;
}

void follow(EditorState &state)
{
    state.SelectIndex = state.SelectedLine > 0 ? int(state.LineList.indexOf(state.SelectedLine)) : -1;
    state.Controls = controlsFor(state);
    state.noteChanged();
}

std::optional<Readout> readout(const EditorState &state)
{
    // An element selected but not listed (yet) is read all the same.
    if (state.SelectedLine <= 0 || selectedKind(state) == ElementKind::None || Records::isScript(selectedKind(state)))
        return std::nullopt;
    const Document &doc = state.DATA;
    const int at = state.SelectedLine;
    const auto written = [&](int offset) { return StoredStandIn::split(doc.line(at + offset)).written; };
    Readout r{written(1), written(2), std::nullopt, std::nullopt};
    if (const int width = Records::widthFieldOf(doc.kindAt(at)); width > 0) {
        r.width = written(width);
        r.height = written(width + 1);
    }
    return r;
}

QString fieldName(Field field)
{
    switch (field) {
    case Field::X: return QStringLiteral("X");
    case Field::Y: return QStringLiteral("Y");
    case Field::Width: return QStringLiteral("Width");
    case Field::Height: return QStringLiteral("Height");
    }
    return {};
}

namespace {

// The field's offset in a record of the kind: a box kind's size fields
// stand after its position, a background's after its art.
int fieldOffset(ElementKind kind, Field field)
{
    const int width = Records::widthFieldOf(kind);
    if (width < 0 || (field != Field::Width && field != Field::Height))
        return int(field);
    return field == Field::Width ? width : width + 1;
}

} // namespace

int offsetOf(ElementKind kind, Field field)
{
    if (kind == ElementKind::None || Records::isScript(kind))
        return 0;
    if ((field == Field::Width || field == Field::Height) && Records::widthFieldOf(kind) < 0)
        return 0;
    return fieldOffset(kind, field);
}

std::optional<QString> typedText(Field field, const QString &typed)
{
    if (NumberText::tryParse(typed))
        return NumberText::zeroBelowOne(typed);
    const FieldValue::Form form = FieldValue::formOf(typed);
    if (form == FieldValue::Form::Expression)
        return typed;
    // "-n" from the origin reads as a number below one here, as it always did.
    const bool place = field == Field::X || field == Field::Y;
    if (place && form == FieldValue::Form::Relative && !typed.startsWith(u'-'))
        return typed;
    return std::nullopt;
}

bool steppable(const QString &text)
{
    const QString t = text.trimmed();
    return t.isEmpty() || FieldValue::formOf(t) == FieldValue::Form::Number;
}

bool writeField(EditorState &state, Field field, const QString &text)
{
    return recordStep<UndoSteps::FieldEdit>(state, [&] {
        // With no element selected the offsets would land on the page bracket.
        const ElementKind kind = selectedKind(state);
        if (kind == ElementKind::None)
            return false;
        if ((field == Field::Width || field == Field::Height) && Records::widthFieldOf(kind) < 0)
            return false;
        const int line = state.SelectedLine + fieldOffset(kind, field);
        if (line >= state.DATA.size())
            return false;
        // The spin shows the expression alone: writing it back keeps the stand-in.
        const StoredStandIn::Parts typed = StoredStandIn::split(text);
        const QString written = typed.value ? text
                                            : StoredStandIn::join(text, StoredStandIn::split(state.DATA.line(line)).value);
        if (state.DATA.line(line) == written)
            return false;
        state.DATA.setLine(line, written);
        return true;
    }, int(state.SelectedLine), fieldOffset(selectedKind(state), field), fieldName(field));
}

} // namespace SelectionCommands
