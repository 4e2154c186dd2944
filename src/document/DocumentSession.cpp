#include "document/DocumentSession.h"
#include "document/BranchFollow.h"

#include <QFileInfo>
#include <QMetaObject>

DocumentSession::DocumentSession(QObject *parent) : QObject(parent), m_watch(state)
{
    state.History = &undoStack;
    state.Listener = this;
    // Undo, redo and jumps in the history view note their change through
    // the steps; the stack's own signals say when the modified mark moved.
    connect(&undoStack, &QUndoStack::cleanChanged, this, [this](bool clean) { emit modifiedChanged(!clean); });
}

DocumentSession::~DocumentSession()
{
    // The steps the stack deletes with the session must not call back.
    state.Listener = nullptr;
}

void DocumentSession::markSaved(const QString &fileName)
{
    state.FileName = fileName;
    undoStack.setClean();
    noteChanged();
}

QString DocumentSession::titleText(const QString &programName) const
{
    const QString name = state.FileName.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(state.FileName).fileName();
    return name + (isModified() ? QStringLiteral("*") : QString()) + QStringLiteral(" - ") + programName;
}

void DocumentSession::setViewOptions(const ViewOptions &options)
{
    options.applyTo(state);
    noteChanged();
}

void DocumentSession::noteChanged()
{
    // Many changes in one turn (a command and the selection it leaves) are
    // one round of notices, sent when the turn's work is done.
    if (m_publishPending)
        return;
    m_publishPending = true;
    QMetaObject::invokeMethod(this, &DocumentSession::publish, Qt::QueuedConnection);
}

void DocumentSession::publish()
{
    m_publishPending = false;
    // Each condition keeps the branch shown while edits elsewhere move it among the others.
    if (state.DATA.lines() != m_watch.lines())
        state.Branches = BranchFollow::across(state.Branches, m_watch.lines(), state.DATA.lines());
    const StateChanges changes = m_watch.take(state);
    if (changes.lines)
        emit linesChanged(*changes.lines);
    if (changes.page)
        emit pageChanged();
    if (changes.selection)
        emit selectionChanged();
    if (changes.viewOptions)
        emit viewOptionsChanged();
    if (changes.fileName)
        emit fileNameChanged();
}
