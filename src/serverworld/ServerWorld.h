#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>
#include <utility>

class QProcess;
class QTemporaryDir;

// A way to stop a world from another thread: cancel() sets the flag and ends
// the server by its process id, so that a login waiting on its socket fails
// at once instead of at its deadline.
class ServerCancel
{
public:
    void cancel();
    bool cancelled() const { return m_cancelled.load(); }
    // The world tells which process to end; 0 when none runs.
    void setProcessId(qint64 pid);

private:
    std::atomic<bool> m_cancelled{false};
    std::atomic<qint64> m_pid{0};
};

// One dialog the stand-in is shown after login, with what DIALOG passes it
// as its arguments (ARGS, ARGN).
struct DialogOpening
{
    QString name;
    QString args;
    // Opened this many times in a row (at least once), so that a client may
    // answer it as often: every reply uses up one opening.
    int times = 1;
};

// A Sphere server on 127.0.0.1 with a world of its own in a temporary folder:
// zero-filled client files, one account with a random password and one
// character, and a login trigger that opens the dialogs asked for. The
// shard's scripts, when named, are copied in and never written; nothing
// outside the temporary folder is touched but the record of running worlds.
class ServerWorld
{
public:
    explicit ServerWorld(QString binary);
    ~ServerWorld();   // stops the server and removes the folder
    ServerWorld(const ServerWorld &) = delete;
    ServerWorld &operator=(const ServerWorld &) = delete;

    // Before start(). Each script file is read on its own by the server, so an
    // "[EOF]" in one does not end the others.
    void addScript(const QString &fileName, const QByteArray &bytes);
    // The *.scp files under dir (subfolders too) are copied into the world.
    void setShardScripts(const QString &dir) { m_shardScripts = dir; }
    // The account's privilege: 0 guest, 1 player, 2 counselor, 4 GM, 7 admin...
    void setPrivilege(int plevel) { m_plevel = plevel; }
    // The login trigger opens these dialogs in order, each preceded by the
    // system message "quillmark:open NAME", and ends with "quillmark:done".
    void openOnLogin(const QList<DialogOpening> &dialogs) { m_dialogs = dialogs; }
    // Where each running world leaves a record, so that one left by a killed
    // designer is found (endLeftovers). Empty: no record.
    void setRecordFolder(const QString &dir) { m_recordFolder = dir; }
    void setCancel(ServerCancel *cancel) { m_cancel = cancel; }

    // Writes the world, starts the server and waits until it has made the
    // character and accepts connections, or until the deadline, a cancel or
    // the server's end. On failure `error` says why, with the log's last lines.
    bool start(QDeadlineTimer deadline, QString *error);
    // Ends the server by its process id and waits (bounded); removes its record.
    void stop();

    quint16 port() const { return m_port; }
    QString accountName() const;
    QString password() const { return m_password; }
    QString folder() const;
    qint64 processId() const;
    bool running() const;

    // Everything the server wrote under logs/ (at most a few MB).
    QString log() const;
    // What it wrote to its console.
    QString console() const;
    // The last lines of the log, or of the console when the log is empty.
    QString lastLines(int count) const;

    // Ends the servers of worlds whose designer is gone, when the process still
    // runs the recorded program in the recorded folder, and removes their
    // folders and records. Returns how many servers it ended.
    static int endLeftovers(const QString &recordFolder);
    // The record folder the designer and the command line use.
    static QString defaultRecordFolder();

    static constexpr const char *OpenMarker = "quillmark:open ";
    static constexpr const char *DoneMarker = "quillmark:done";
    // The folder names of worlds begin with this (and only theirs are removed).
    static constexpr const char *FolderPrefix = "quillmark-world-";
    static constexpr const char *MarkerFile = "quillmark-world.txt";

private:
    bool writeWorld(QString *error);
    bool copyShardScripts(QString *error);
    QString loginScript() const;
    void writeRecord();
    void removeRecord();

    const QString m_binary;
    QString m_shardScripts;
    QString m_recordFolder;
    QString m_recordPath;
    QString m_password;
    int m_plevel = 7;
    ServerCancel *m_cancel = nullptr;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QProcess> m_process;
    QList<std::pair<QString, QByteArray>> m_scripts;
    QList<DialogOpening> m_dialogs;
    quint16 m_port = 0;
    mutable QByteArray m_console;
};
