#pragma once

#include "document/BranchChoice.h"
#include "document/SelectionControls.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct EditorState;

// The lines one change touched: from line first, removed lines became
// inserted ones. Several edits between two notices are one span covering all.
struct LineChange
{
    int first = 0;
    int removed = 0;
    int inserted = 0;

    static LineChange between(const QStringList &before, const QStringList &after);
    bool operator==(const LineChange &) const = default;
};

// The options that change how the design is drawn, not the design.
struct ViewOptions
{
    bool ShowText = true;
    bool ShowButtons = true;
    bool ShowGumppics = true;
    bool ShowResizepics = true;
    bool HighlightSelected = true;
    bool AlwaysDrawPage0 = true;
    int Zoom = 100;
    BranchChoice Branches;
    bool MarkLogic = true;

    static ViewOptions of(const EditorState &state);
    void applyTo(EditorState &state) const;
    bool operator==(const ViewOptions &) const = default;
};

// Told whenever a command, a step or a selection change touched the state;
// the session answers by announcing what changed, once per event-loop turn.
class ChangeListener
{
public:
    virtual ~ChangeListener() = default;
    virtual void noteChanged() = 0;
};

// What changed in the state since the last look, by kind.
struct StateChanges
{
    std::optional<LineChange> lines;
    bool selection = false;
    bool page = false;
    bool viewOptions = false;
    bool fileName = false;

    bool any() const { return lines || selection || page || viewOptions || fileName; }
};

// Remembers the state as last announced and tells what differs from it. The
// lines are kept as a shared copy, so an unchanged document costs nothing.
class ChangeWatch
{
public:
    explicit ChangeWatch(const EditorState &state) { remember(state); }
    // What differs from the remembered state; then remembers the state as it is.
    StateChanges take(const EditorState &state);
    // The lines as last announced.
    const QStringList &lines() const { return m_lines; }

private:
    void remember(const EditorState &state);

    QStringList m_lines;
    QString m_page;
    int m_selectedLine = 0;
    int m_selectIndex = -1;
    QList<int> m_selection;
    SelectionControls m_controls;
    ViewOptions m_view;
    QString m_fileName;
};
