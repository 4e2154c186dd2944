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
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    return {int(head), before.mid(head, before.size() - head - tail), after.mid(head, after.size() - head - tail)};
}

namespace {

void replaceLines(QStringList &lines, int at, qsizetype count, const QStringList &with)
{
    const qsizetype common = std::min(count, with.size());
    for (qsizetype k = 0; k < common; ++k)
        lines[at + k] = with[k];
    if (count > common)
        lines.remove(at + common, count - common);
    else if (with.size() > common) {
        lines.insert(at + common, with.size() - common, QString());
        std::copy(with.begin() + common, with.end(), lines.begin() + at + common);
    }
}

} // namespace

void LineSplice::apply(QStringList &lines) const
{
    replaceLines(lines, at, removed.size(), inserted);
}

void LineSplice::revert(QStringList &lines) const
{
    replaceLines(lines, at, inserted.size(), removed);
}

DocumentStep::DocumentStep(EditorState &state, StepRecord record, const QString &text)
    : QUndoCommand(text), m_state(state), m_record(std::move(record))
{
}

void DocumentStep::undo()
{
    QStringList &lines = m_state.DATA.lines();
    for (auto it = m_record.splices.crbegin(); it != m_record.splices.crend(); ++it)
        it->revert(lines);
    m_record.before.restore(m_state);
    m_applied = false;
    ++m_state.HistoryMoves;
}

void DocumentStep::redo()
{
    if (m_applied)
        return;
    QStringList &lines = m_state.DATA.lines();
    for (const LineSplice &splice : m_record.splices)
        splice.apply(lines);
    m_record.after.restore(m_state);
    m_applied = true;
    ++m_state.HistoryMoves;
}

void DocumentStep::absorb(const DocumentStep &later)
{
    m_record.splices += later.m_record.splices;
    m_record.after = later.m_record.after;
}
