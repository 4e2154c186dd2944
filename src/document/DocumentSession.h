#pragma once

#include "document/EditorState.h"

#include <QFileInfo>
#include <QString>
#include <QUndoStack>

// The open design together with its undo history. The stack belongs to the
// session so the commands, the Edit menu and the history view share it.
class DocumentSession
{
public:
    DocumentSession() { state.History = &undoStack; }
    DocumentSession(const DocumentSession &) = delete;
    DocumentSession &operator=(const DocumentSession &) = delete;

    EditorState state;
    QUndoStack undoStack;

    // Unsaved changes: the stack has moved away from where the design was
    // last opened, saved or started.
    bool isModified() const { return !undoStack.isClean(); }
    void markSaved(const QString &fileName)
    {
        state.FileName = fileName;
        undoStack.setClean();
    }
    void markUnmodified() { undoStack.setClean(); }

    // The window title: the file's name (or "Untitled") and "*" when modified.
    QString titleText(const QString &programName) const
    {
        const QString name = state.FileName.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(state.FileName).fileName();
        return name + (isModified() ? QStringLiteral("*") : QString()) + QStringLiteral(" - ") + programName;
    }
};
