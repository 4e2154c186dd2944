#include "document/StandInCommands.h"

#include "document/FieldValue.h"
#include "document/StoredStandIn.h"
#include "document/UndoSteps.h"

namespace StandInCommands {

namespace {

// The document line of the field of the selected element, 0 when none.
int fieldLine(const EditorState &state, Field field)
{
    if (state.SelectedLine <= 0 || state.SelectedLine >= state.DATA.size())
        return 0;
    const int offset = SelectionCommands::offsetOf(state.DATA.kindAt(state.SelectedLine), field);
    const int line = state.SelectedLine + offset;
    return offset > 0 && line < state.DATA.size() ? line : 0;
}

} // namespace

std::optional<Shown> shownFor(const EditorState &state, Field field)
{
    const int line = fieldLine(state, field);
    if (line == 0)
        return std::nullopt;
    const StoredStandIn::Parts parts = StoredStandIn::split(state.DATA.line(line));
    if (FieldValue::formOf(parts.written) != FieldValue::Form::Expression)
        return std::nullopt;
    if (const std::optional<int> computed = FieldValue::evaluate(parts.written))
        return Shown{false, QString::number(*computed)};
    return Shown{true, parts.value ? QString::number(*parts.value) : QString()};
}

Typed read(const QString &typed)
{
    const QString t = typed.trimmed();
    if (t.isEmpty())
        return {true, std::nullopt};
    bool ok = false;
    const int value = t.toInt(&ok);
    if (!ok)
        return {};
    return {true, value};
}

bool set(EditorState &state, Field field, std::optional<int> value)
{
    const int line = fieldLine(state, field);
    if (line == 0)
        return false;
    const QString before = state.DATA.line(line);
    const StoredStandIn::Parts parts = StoredStandIn::split(before);
    if (FieldValue::formOf(parts.written) != FieldValue::Form::Expression)
        return false;
    // What the designer computes itself is drawn at its value whatever is stored.
    if (value && FieldValue::evaluate(parts.written))
        return false;
    const QString after = StoredStandIn::join(parts.written, value);
    if (after == before)
        return false;
    return recordStep<UndoSteps::SetStandIn>(state, [&] {
        state.DATA.setLine(line, after);
        return true;
    }, SelectionCommands::fieldName(field), value.has_value());
}

} // namespace StandInCommands
