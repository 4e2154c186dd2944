#include "editor/StartupSequence.h"
#include "document/EditorState.h"
#include "editor/AutoSaver.h"
#include "platform/RuntimeError.h"

#include <QFileInfo>

QString StartupSequence::dataFolder(const QString &chosen, const QString &current)
{
    QString dir = chosen.isEmpty() ? current : chosen;
    if (!dir.endsWith(u'/'))
        dir += u'/';
    return dir;
}

bool StartupSequence::run(const QString &chosenFolder, const QString &currentFolder)
{
    const QString dir = dataFolder(chosenFolder, currentFolder);
    m_state.AppDir = dir;
    m_host.useDataFolder(dir);
    if (m_host.runStartWindow(dir))
        return false;
    m_state.DATA.reset(m_state.Page);
    m_autoSaver.designStarted(m_state.DATA.lines());
    m_state.ShowText = m_state.ShowButtons = m_state.ShowGumppics = m_state.ShowResizepics = true;
    m_host.firstDocumentReady();
    return true;
}

void StartupSequence::openStartFile(QString &startFile)
{
    if (startFile.isEmpty())
        return;
    const QString path = QFileInfo(startFile).absoluteFilePath();
    startFile.clear();
    if (path.endsWith(QStringLiteral(".scp"), Qt::CaseInsensitive)) {
        m_host.importScript(path);
        return;
    }
    try {
        m_host.openDesign(path);
    } catch (const RuntimeError &e) {
        // The designer starts with a new document all the same.
        m_host.warn(QStringLiteral("Unable to open %1: %2").arg(path, e.message()));
    }
}
