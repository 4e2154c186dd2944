#pragma once

#include "document/BranchChoice.h"
#include "document/Document.h"
#include "document/DocumentNotices.h"
#include "document/SelectionControls.h"

#include <QList>
#include <QString>
#include <QStringList>

class QUndoStack;

// Everything the main window knows about the open design and how it is shown,
// as plain data. Commands work on it; the window mirrors it in its controls.
struct EditorState
{
    Document DATA = Document(Document::newDocumentLines(QStringLiteral("0")));
    QString AppDir;                     // data directory with a trailing "/"
    QString Page = QStringLiteral("0"); // the page box text

    int SelectedLine = 0;               // kind word line of the selection, 0 for none
    // Every selected element's kind word line in the order chosen; the last
    // is the primary one, SelectedLine. When it does not end in SelectedLine
    // (a command set SelectedLine alone) the selection is SelectedLine only.
    QList<int> Selection;
    int LocationLine = -1;              // last "LOCATION" line, -1 for none
    int MiscLine = -1;                  // last "MISC" line, -1 for none

    bool Dragging = false;
    bool PickerCancelled = false;

    bool ShowText = true;
    bool ShowButtons = true;
    bool ShowGumppics = true;
    bool ShowResizepics = true;

    bool HighlightSelected = true;      // tool button "Highlight Selected"
    bool AlwaysDrawPage0 = true;        // tool button "With this on Page 0 is always drawn"
    int ScrollX = 0;                    // horizontal scroll bar position
    int ScrollY = 0;                    // vertical scroll bar position
    // Which branch of each condition the canvas and test mode show (a view option).
    BranchChoice Branches;
    // Elements inside conditions and loops, and those the server places, are
    // marked on the canvas; test mode shows the dialog as the player sees it.
    bool MarkLogic = true;
    int Zoom = 100;                     // canvas scale in percent; scroll positions stay document pixels

    // Rebuilt by every render: the select list entries, the document line of
    // each entry, and the entry the select list shows (-1 for none).
    QStringList SelectList;
    QList<int> LineList;
    int SelectIndex = -1;

    SelectionControls Controls;

    QString FileName;                   // the design's file; empty until opened or saved
    // The undo stack of the session that owns this state; commands push their
    // steps on it. A state without one refuses edits unless it is a batch.
    QUndoStack *History = nullptr;
    // Edits of a state without a history that are meant to be kept nowhere
    // (batch runs, tests of a command's lines): set on purpose, never by default.
    bool Batch = false;
    // The session that announces each change; none for plain data.
    ChangeListener *Listener = nullptr;

    // A state whose edits go nowhere, on purpose: batch runs and tests of
    // what a command does to the lines.
    static EditorState batch()
    {
        EditorState state;
        state.Batch = true;
        return state;
    }

    // Every command, step and selection change ends here.
    void noteChanged() const
    {
        if (Listener)
            Listener->noteChanged();
    }
};
