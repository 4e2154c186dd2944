#include "document/DocumentNotices.h"
#include "document/EditorState.h"

#include <algorithm>

LineChange LineChange::between(const QStringList &before, const QStringList &after)
{
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    return {int(head), int(before.size() - head - tail), int(after.size() - head - tail)};
}

ViewOptions ViewOptions::of(const EditorState &state)
{
    return {state.ShowText, state.ShowButtons, state.ShowGumppics, state.ShowResizepics,
            state.HighlightSelected, state.AlwaysDrawPage0, state.Zoom, state.Branches,
            state.MarkLogic};
}

void ViewOptions::applyTo(EditorState &state) const
{
    state.ShowText = ShowText;
    state.ShowButtons = ShowButtons;
    state.ShowGumppics = ShowGumppics;
    state.ShowResizepics = ShowResizepics;
    state.HighlightSelected = HighlightSelected;
    state.AlwaysDrawPage0 = AlwaysDrawPage0;
    state.Zoom = Zoom;
    state.Branches = Branches;
    state.MarkLogic = MarkLogic;
}

void ChangeWatch::remember(const EditorState &state)
{
    m_lines = state.DATA.lines();
    m_page = state.Page;
    m_selectedLine = state.SelectedLine;
    m_selectIndex = state.SelectIndex;
    m_selection = state.Selection;
    m_controls = state.Controls;
    m_view = ViewOptions::of(state);
    m_fileName = state.FileName;
}

namespace {

// QList's own comparison hands an empty list's null data to memcmp, which
// the sanitizers rightly report; the selection is often empty.
bool sameLines(const QList<int> &a, const QList<int> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

} // namespace

StateChanges ChangeWatch::take(const EditorState &state)
{
    StateChanges changes;
    // Lists that still share their data compare at once.
    if (state.DATA.lines() != m_lines)
        changes.lines = LineChange::between(m_lines, state.DATA.lines());
    changes.selection = state.SelectedLine != m_selectedLine || state.SelectIndex != m_selectIndex
                        || !sameLines(state.Selection, m_selection) || !(state.Controls == m_controls);
    changes.page = state.Page != m_page;
    changes.viewOptions = !(ViewOptions::of(state) == m_view);
    changes.fileName = state.FileName != m_fileName;
    remember(state);
    return changes;
}
