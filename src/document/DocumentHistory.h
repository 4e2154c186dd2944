#pragma once

#include "document/EditorState.h"
#include "platform/RuntimeError.h"

#include <QList>
#include <QStringList>
#include <QUndoCommand>
#include <QUndoStack>

#include <type_traits>

// What a step puts back besides the lines: the page shown, the selection
// and the controls that went with it.
struct EditorSnapshot
{
    QString Page;
    int SelectedLine = 0;
    int SelectIndex = -1;
    QList<int> Selection;
    SelectionControls Controls;

    static EditorSnapshot of(const EditorState &state);
    bool operator==(const EditorSnapshot &) const = default;
    void restore(EditorState &state) const;
};

// One contiguous replacement in the document lines: at line `at` the lines
// `removed` became `inserted`. Steps keep these instead of whole copies, so a
// step on a large design costs the lines it touched.
struct LineSplice
{
    int at = 0;
    QStringList removed;
    QStringList inserted;

    // The smallest splice that turns before into after (common head and tail kept).
    static LineSplice between(const QStringList &before, const QStringList &after);
    bool isEmpty() const { return removed.isEmpty() && inserted.isEmpty(); }
    void apply(Document &document) const;
    void revert(Document &document) const;
};

// What a finished change recorded: the state before, the splices in the
// order they were made, and the state after.
struct StepRecord
{
    EditorSnapshot before;
    QList<LineSplice> splices;
    EditorSnapshot after;
};

// The base of every undo step: applying the splices forward restores the
// state after the change, backward the state before it. The change itself
// was made by the command function, so the push's first redo does nothing.
class DocumentStep : public QUndoCommand
{
public:
    DocumentStep(EditorState &state, StepRecord record, const QString &text);

    void undo() override;
    void redo() override;

    const StepRecord &record() const { return m_record; }

protected:
    EditorState &state() { return m_state; }
    // Takes a later step of the same run into this one.
    void absorb(const DocumentStep &later);

private:
    EditorState &m_state;
    StepRecord m_record;
    bool m_applied = true;
};

// A state edited outside any history loses what it did: only a state that
// says it is a batch may be edited without one.
inline void requireHistory(const EditorState &state)
{
    if (!state.History && !state.Batch)
        throw RuntimeError(QStringLiteral("An edit of a design without an undo history"));
}

// Watches one change from its start to its end (a command, or a drag from
// press to release) and pushes it as a step of kind Step when it changed the
// lines. Selection changes alone are no step.
class PendingStep
{
    // A step kind that declares RecordedUnchanged is a step even when the
    // lines stay the same (importing the design that is open).
    template <class Step>
    static constexpr bool recordedUnchanged()
    {
        if constexpr (requires { Step::RecordedUnchanged; })
            return Step::RecordedUnchanged;
        return false;
    }

public:
    explicit PendingStep(const EditorState &state) : m_before(EditorSnapshot::of(state)), m_lines(state.DATA.lines())
    {
        requireHistory(state);
    }

    bool changed(const EditorState &state) const { return state.DATA.lines() != m_lines; }

    // Puts the lines and the selection back as they were at the start.
    void rollback(EditorState &state) const
    {
        state.DATA.replaceAll(m_lines);
        m_before.restore(state);
        state.noteChanged();
    }

    template <class Step, class... Args>
    void commit(EditorState &state, Args &&...args) const
    {
        state.noteChanged();
        if (!state.History)
            return;   // a batch
        LineSplice splice = LineSplice::between(m_lines, state.DATA.lines());
        if (splice.isEmpty() && !recordedUnchanged<Step>())
            return;
        StepRecord record{m_before, {std::move(splice)}, EditorSnapshot::of(state)};
        state.History->push(new Step(state, std::move(record), std::forward<Args>(args)...));
    }

private:
    EditorSnapshot m_before;
    QStringList m_lines;
};

// Runs change (a callable returning bool or nothing) as one step of kind
// Step. When it throws, the lines and the selection are put back and the
// exception goes on, so a failed command never leaves half a change.
template <class Step, class Change, class... Args>
auto recordStep(EditorState &state, Change &&change, Args &&...args)
{
    const PendingStep pending(state);
    try {
        if constexpr (std::is_void_v<decltype(change())>) {
            change();
            pending.commit<Step>(state, std::forward<Args>(args)...);
        } else {
            auto result = change();
            pending.commit<Step>(state, std::forward<Args>(args)...);
            return result;
        }
    } catch (...) {
        pending.rollback(state);
        throw;
    }
}
