#pragma once

#include "platform/SafeFile.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <deque>
#include <functional>
#include <mutex>
#include <optional>

class IniFile;

// One autosave: the document lines go into the ring of project files
// AppDir + "AutoSave/Auto.0" ... "Auto.<Total>", at the slot the settings
// file names under "Files" / "AutoCurrent"; the next slot and the other
// keys autosave keeps are written back in one rewrite of the settings file.
namespace AutoSaveRing {

// The folder of the ring, inside the data directory.
QString folderOf(const QString &appDir);
QString slotPath(const QString &appDir, int slot);

struct Result
{
    QString file;          // the slot file written
    int nextSlot = 0;      // stored as "AutoCurrent"
    QStringList problems;  // "AutoCurrent" or "AutoT" that were not numbers, or out of range
};

// Creates the "AutoSave" folder when it is missing. A slot or ring size
// that is not a number, or a ring size outside 1..20, is named in problems
// and taken as 0 or the default 5 (and the default stored).
// drawEngine is the default of "STYLE" / "Drawengine" (the options
// window's current creation style). Throws RuntimeError "Cannot create file
// <path>" or "Unable to write to <path>" when a file cannot be written; the
// slot then does not advance, and both files keep what they held before.
//
// With commits, the slot's bytes are written and checked here, and the wait
// for the device and the rename run on the commits' thread: the settings then
// name the next slot before the slot is in place, so a crash or power loss
// in between loses that newest autosave, never a whole earlier slot.
class SlotCommits;
Result saveOnce(IniFile &settings, const QString &appDir, const QStringList &lines, const QString &drawEngine,
                SlotCommits *commits = nullptr);

// Flushes written slots to the device and renames them into place on a
// thread of their own, one after another in the order they came, so the
// window does not wait for the disk. A commit that fails is reported to
// `failed` on the thread that made this object.
//
// A slot added while an earlier one of the same name still waits replaces
// it, and the earlier file beside it is removed at once: however fast the
// slots come, no more files wait than the ring has slots.
class SlotCommits
{
public:
    using Commit = std::function<void(SafeFile::Pending &)>;

    // commit: how a slot is committed on the thread (tests hold it back); Pending::commit by default.
    explicit SlotCommits(std::function<void(const QString &message)> failed, Commit commit = {});
    ~SlotCommits();   // waits for the slots still queued
    SlotCommits(const SlotCommits &) = delete;
    SlotCommits &operator=(const SlotCommits &) = delete;

    void add(SafeFile::Pending slot);
    void waitForDone() { m_thread.waitForDone(); }

private:
    void commitNext();

    std::function<void(const QString &)> m_failed;
    Commit m_commit;
    QObject m_owner;   // lives on the caller's thread: failures are delivered there
    std::mutex m_mutex;
    std::deque<SafeFile::Pending> m_waiting;   // in order, one per slot name
    QThreadPool m_thread;
};

// The design the last autosave wrote: a timer that finds it unchanged
// writes nothing, so an idle designer keeps its older autosaves.
class LastAutosave
{
public:
    bool unchanged(const QStringList &lines) const { return m_lines && *m_lines == lines; }
    void saved(const QStringList &lines) { m_lines = lines; }

private:
    std::optional<QStringList> m_lines;
};

// Names each failure once: the first time a trigger fails, and again only
// after an autosave has succeeded in between.
class FailureNotice
{
public:
    // The message to show now, or nothing when it was already shown.
    std::optional<QString> failed(const QString &message);
    void succeeded() { m_shown.reset(); }

private:
    std::optional<QString> m_shown;
};

} // namespace AutoSaveRing
