#pragma once

#include "editor/AutoSave.h"

#include <QString>
#include <QStringList>

class ProblemList;
struct Settings;

// Where autosave reports: the status line and the problems panel.
class AutoSaveHost
{
public:
    virtual ~AutoSaveHost() = default;
    virtual void showStatus(const QString &text) = 0;
    virtual void showProblems() = 0;
};

// The designer's autosave: one save into the ring per trigger. A failure is
// named once in the status and the problems list, not at every trigger; the
// next trigger tries again, and a success takes the entry away.
class AutoSaver
{
public:
    AutoSaver(ProblemList &problems, AutoSaveHost &host);

    inline static const QString Source = QStringLiteral("Autosave");

    // One autosave now, whatever the mode. settingsPath is the settings file,
    // drawEngine the options window's creation style; settings learn the next slot.
    void saveNow(const QString &settingsPath, const QString &appDir, const QStringList &lines,
                 const QString &drawEngine, Settings &settings);
    // The timer saves only a design that changed since the last autosave.
    bool dueOnTime(const QStringList &lines) const { return !m_last.unchanged(lines); }
    // An untouched new design is no work to keep.
    void designStarted(const QStringList &lines) { m_last.saved(lines); }
    void failed(const QString &message);
    // Slots still being flushed reach their names.
    void finish() { m_commits.waitForDone(); }

private:
    ProblemList &m_problems;
    AutoSaveHost &m_host;
    AutoSaveRing::FailureNotice m_failure;
    AutoSaveRing::LastAutosave m_last;
    // Last, so it is the first to go: it waits for the slots it still commits.
    AutoSaveRing::SlotCommits m_commits;
};
