#include "document/SelectionSet.h"
#include "document/SelectionCommands.h"

#include <algorithm>

namespace SelectionSet {

QList<int> lines(const EditorState &state)
{
    if (state.SelectedLine <= 0)
        return {};
    if (state.Selection.isEmpty() || state.Selection.last() != state.SelectedLine)
        return {state.SelectedLine};
    return state.Selection;
}

QList<int> linesInOrder(const EditorState &state)
{
    QList<int> sorted = lines(state);
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

bool contains(const EditorState &state, int line)
{
    return line > 0 && lines(state).contains(line);
}

namespace {

// Makes the last of chosen the primary one and sets the controls by it.
void applyPrimary(EditorState &state, QList<int> chosen)
{
    if (chosen.isEmpty()) {
        SelectionCommands::clearBasic(state);
        state.Selection.clear();
        return;
    }
    const int primary = chosen.last();
    const qsizetype entry = state.LineList.indexOf(primary);
    if (entry < 0 || !SelectionCommands::select(state, int(entry))) {
        // Not listed yet (pasted, on another page): the controls follow it all the same.
        state.SelectedLine = primary;
        state.SelectIndex = -1;
        state.Controls = SelectionCommands::controlsFor(state);
    }
    state.Selection = std::move(chosen);
    state.noteChanged();
}

} // namespace

void selectOnly(EditorState &state, int line)
{
    applyPrimary(state, line > 0 ? QList<int>{line} : QList<int>{});
}

void toggle(EditorState &state, int line)
{
    if (line <= 0)
        return;
    QList<int> chosen = lines(state);
    if (!chosen.removeOne(line))
        chosen << line;
    applyPrimary(state, std::move(chosen));
}

void selectLines(EditorState &state, const QList<int> &added, bool add)
{
    QList<int> chosen = add ? lines(state) : QList<int>{};
    for (int line : added) {
        if (line <= 0)
            continue;
        chosen.removeOne(line);
        chosen << line;
    }
    applyPrimary(state, std::move(chosen));
}

QList<int> pageElements(const EditorState &state)
{
    QList<int> found;
    RecordWalker w(state.DATA.lines());
    while (w.next())
        if (w.item() == RecordWalker::Item::Element && w.page() == state.Page)
            found << w.line();
    return found;
}

void shiftForInsert(EditorState &state, int at, int count)
{
    for (int &line : state.Selection)
        if (line >= at)
            line += count;
}

} // namespace SelectionSet
