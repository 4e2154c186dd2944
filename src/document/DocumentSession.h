#pragma once

#include "document/DocumentNotices.h"
#include "document/EditorState.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

// The open design together with its undo history, its file name and its
// modified mark. The stack belongs to the session so the commands, the Edit
// menu and the history view share it. The session tells what changed: every
// command, step, undo and redo notes a change on the state, and once per
// event-loop turn the session compares the state with what it last announced
// and sends one notice per kind of change. Undo and redo change the same
// things as the step did, so they send the same notices.
class DocumentSession : public QObject, private ChangeListener
{
    Q_OBJECT

public:
    explicit DocumentSession(QObject *parent = nullptr);
    ~DocumentSession() override;
    DocumentSession(const DocumentSession &) = delete;
    DocumentSession &operator=(const DocumentSession &) = delete;

    EditorState state;
    QUndoStack undoStack;

    // Unsaved changes: the stack has moved away from where the design was
    // last opened, saved or started.
    bool isModified() const { return !undoStack.isClean(); }
    void markSaved(const QString &fileName);
    void markUnmodified() { undoStack.setClean(); }

    // The window title: the file's name (or "Untitled") and "*" when modified.
    QString titleText(const QString &programName) const;

    // The Show*, Highlight, AlwaysDrawPage0 and zoom options; no step, since
    // they change how the design is shown, not the design.
    void setViewOptions(const ViewOptions &options);

    // Sends the notices of what changed since the last ones now, instead of
    // at the end of this turn; nothing when nothing changed.
    void publish();

signals:
    void linesChanged(LineChange change);
    void selectionChanged();
    void pageChanged();
    void viewOptionsChanged();
    void fileNameChanged();
    void modifiedChanged(bool modified);

private:
    void noteChanged() override;

    ChangeWatch m_watch;
    bool m_publishPending = false;
};
