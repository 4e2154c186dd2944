#include "editor/DocumentLifecycle.h"
#include "document/Document.h"
#include "document/DialogName.h"
#include "document/DocumentCommands.h"
#include "editor/AutoSave.h"
#include "document/SelectionCommands.h"
#include "sphere/SphereImport.h"

#include <QFileInfo>

DocumentLifecycle::DocumentLifecycle(DocumentSession &session, ProblemList &problems, LifecycleHost &host,
                                     std::function<void()> beforeOpen)
    : m_session(session), m_problems(problems), m_host(host), m_beforeOpen(std::move(beforeOpen))
{
}

QString DocumentLifecycle::withDefaultExtension(const QString &path)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".SDF") : path;
}

bool DocumentLifecycle::isAutoSaveSlot(const QString &path, const QString &appDir)
{
    if (path.isEmpty())
        return false;
    const QString ring = QFileInfo(AutoSaveRing::folderOf(appDir)).canonicalFilePath();
    const QString folder = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
    return !ring.isEmpty() && folder == ring;
}

bool DocumentLifecycle::mayDiscardChanges()
{
    if (!m_session.isModified())
        return true;
    switch (m_host.askSaveChanges()) {
    case LifecycleHost::SaveAnswer::Save:
        save();
        return !m_session.isModified();
    case LifecycleHost::SaveAnswer::Discard:
        return true;
    case LifecycleHost::SaveAnswer::Cancel:
        break;
    }
    return false;
}

bool DocumentLifecycle::newDocument()
{
    if (!mayDiscardChanges())
        return false;
    DocumentCommands::newDocument(m_session.state);
    m_session.markUnmodified();
    return true;
}

QString DocumentLifecycle::chooseDesign()
{
    if (!mayDiscardChanges())
        return QString();
    SelectionCommands::clearBasic(m_session.state);
    return m_host.askOpenPath();
}

void DocumentLifecycle::open(const QString &path)
{
    if (m_beforeOpen)
        m_beforeOpen();
    DocumentCommands::openDocument(m_session.state, Document::loadProjectFile(path), path);
    m_session.markUnmodified();
}

bool DocumentLifecycle::save()
{
    if (m_session.state.FileName.isEmpty() || isAutoSaveSlot(m_session.state.FileName, m_session.state.AppDir))
        return saveAs();
    Document::saveProjectFile(m_session.state.FileName, m_session.state.DATA.lines());
    m_session.markSaved(m_session.state.FileName);
    m_host.documentSaved();
    return true;
}

bool DocumentLifecycle::saveAs()
{
    const QString asked = m_host.askSavePath();
    if (asked.isEmpty())
        return false;
    const QString path = withDefaultExtension(asked);
    Document::saveProjectFile(path, m_session.state.DATA.lines());
    m_session.markSaved(path);
    m_host.documentSaved();
    return true;
}

// Records that cannot be read are named one by one by the render; the file
// as a whole is named once above them.
bool DocumentLifecycle::listUnreadable(const QString &path, qsizetype unreadable)
{
    if (unreadable <= 0)
        return false;
    const QString message =
        QStringLiteral("%1: %2 of its records cannot be read").arg(QFileInfo(path).fileName()).arg(unreadable);
    m_problems.setProblems(ProblemList::OpenSource,
                           {Problem{0, message, Problem::Severity::Error, ProblemList::OpenSource}},
                           m_session.state.DATA.lines());
    return true;
}

DocumentLifecycle::Import DocumentLifecycle::import()
{
    if (!mayDiscardChanges())
        return {};
    const std::optional<LifecycleHost::ImportedScript> script = m_host.askImport();
    if (!script)
        return {Import::Outcome::Cancelled, QString()};
    DocumentCommands::importDocument(m_session.state, script->name.trimmed().isEmpty()
                                                          ? script->lines
                                                          : DialogName::withName(script->lines, script->name.trimmed()));
    const QList<Problem> leftOut = importProblems(script->notes);
    m_problems.setProblems(ProblemList::ImportSource, leftOut, m_session.state.DATA.lines());
    return {Import::Outcome::Imported,
            leftOut.isEmpty()
                ? QStringLiteral("Imported")
                : QStringLiteral("Imported; %1 script %2 left out or changed, listed under Problems")
                      .arg(leftOut.size())
                      .arg(leftOut.size() == 1 ? QStringLiteral("line") : QStringLiteral("lines"))};
}
