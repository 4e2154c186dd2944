#include "document/DocumentHistory.h"

EditorSnapshot EditorSnapshot::of(const EditorState &state)
{
    return {state.Page, state.SelectedLine, state.SelectIndex, state.Selection, state.Controls};
}

void EditorSnapshot::restore(EditorState &state) const
{
    state.Page = Page;
    state.SelectedLine = SelectedLine;
    state.SelectIndex = SelectIndex;
    state.Selection = Selection;
    state.Controls = Controls;
    state.Dragging = false;
}

LineSplice LineSplice::between(const QStringList &before, const QStringList &after)
{
    const LineChange change = LineChange::between(before, after);
    return {change.first, before.mid(change.first, change.removed), after.mid(change.first, change.inserted)};
}

void LineSplice::apply(Document &document) const
{
    document.replaceLines(at, removed.size(), inserted);
}

void LineSplice::revert(Document &document) const
{
    document.replaceLines(at, inserted.size(), removed);
}

DocumentStep::DocumentStep(EditorState &state, StepRecord record, const QString &text)
    : QUndoCommand(text), m_state(state), m_record(std::move(record))
{
}

void DocumentStep::undo()
{
    for (auto it = m_record.splices.crbegin(); it != m_record.splices.crend(); ++it)
        it->revert(m_state.DATA);
    m_record.before.restore(m_state);
    m_applied = false;
    m_state.noteChanged();
}

void DocumentStep::redo()
{
    if (m_applied)
        return;
    for (const LineSplice &splice : m_record.splices)
        splice.apply(m_state.DATA);
    m_record.after.restore(m_state);
    m_applied = true;
    m_state.noteChanged();
}

void DocumentStep::absorb(const DocumentStep &later)
{
    m_record.splices += later.m_record.splices;
    m_record.after = later.m_record.after;
}
