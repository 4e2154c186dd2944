#include "editor/AutoSaver.h"
#include "document/ProblemList.h"
#include "editor/Settings.h"
#include "platform/IniFile.h"
#include "platform/RuntimeError.h"

AutoSaver::AutoSaver(ProblemList &problems, AutoSaveHost &host)
    : m_problems(problems), m_host(host), m_commits([this](const QString &message) { failed(message); })
{
}

void AutoSaver::saveNow(const QString &settingsPath, const QString &appDir, const QStringList &lines,
                        const QString &drawEngine, Settings &settings)
{
    try {
        IniFile file(settingsPath);
        const AutoSaveRing::Result r = AutoSaveRing::saveOnce(file, appDir, lines, drawEngine, &m_commits);
        m_last.saved(lines);
        settings.autoCurrent = r.nextSlot;
        m_failure.succeeded();
        QList<Problem> named;
        for (const QString &problem : r.problems) {
            m_host.showStatus(QStringLiteral("Autosave: ") + problem);
            named << Problem{0, QStringLiteral("Autosave: ") + problem, Problem::Severity::Warning, Source};
        }
        m_problems.setProblems(Source, named);
    } catch (const RuntimeError &e) {
        failed(e.message());
        return;
    }
    m_host.showProblems();
}

void AutoSaver::failed(const QString &message)
{
    if (const std::optional<QString> shown = m_failure.failed(message)) {
        m_host.showStatus(QStringLiteral("Autosave failed: ") + *shown);
        m_problems.setProblems(Source, {Problem{0, QStringLiteral("Autosave failed: ") + *shown,
                                                Problem::Severity::Error, Source}});
    }
    m_host.showProblems();
}
