#pragma once

#include "net/HTTPGetSettings.h"
#include "net/HttpTransfer.h"

#include <QObject>

#include <atomic>
#include <thread>

// Runs one download on a thread of its own. It works only on its own copy of
// the settings; what it reports crosses to the owner's thread as queued
// signals, and its outcome is read there after wait().
//
// A plain joined std::thread rather than QThread: joining is the one
// hand-over point, visible to ThreadSanitizer as well as to the reader.
class THTTPGetThread : public QObject
{
    Q_OBJECT

public:
    THTTPGetThread(const HTTPGetSettings &settings, bool reportProgress, QObject *parent = nullptr);
    // Stops the download and waits for the thread.
    ~THTTPGetThread() override;

    // Starts the thread; when none can be made, finished() still follows.
    void start();
    // Returns once the thread has ended; at once when it has or never ran.
    void wait();

    // Asks the download to stop; it then ends as a failure. Any thread.
    void requestTermination();
    bool terminationRequested() const { return m_terminationRequested.load(); }

    // The outcome, meaningful after the thread has finished.
    bool Result() const { return m_result.load(); }
    qint64 FileSize() const { return m_fileSize.load(); }
    qint64 BytesRead() const { return m_bytesRead.load(); }
    const QString &FileName() const { return m_settings.FileName; }

signals:
    // After each block written; emitted on the worker's thread.
    void progressed(qint64 totalSize, qint64 readed);
    // The thread's last act; Result() and the sizes are final by then.
    // Receivers connect with a queued connection.
    void finished();

private:
    void run();
    bool download();

    const HTTPGetSettings m_settings;
    const bool m_reportProgress;
    HttpTransfer m_transfer;
    std::atomic<bool> m_terminationRequested{false};
    std::atomic<bool> m_result{false};
    std::atomic<qint64> m_fileSize{0};
    std::atomic<qint64> m_bytesRead{0};
    std::thread m_thread;
};
