#pragma once

#include "net/HTTPGetSettings.h"

#include <QObject>

#include <deque>
#include <functional>
#include <memory>

class THTTPGetThread;

using TOnProgressEvent = std::function<void(QObject *Sender, qint64 TotalSize, qint64 Readed)>;
using TOnDoneFileEvent = std::function<void(QObject *Sender, const QString &FileName, qint64 FileSize)>;
using TOnDoneStringEvent = std::function<void(QObject *Sender, const QString &Result)>;
using TNotifyEvent = std::function<void(QObject *Sender)>;

// Fetches one document over HTTP into a file on a worker thread and reports
// progress, completion and failure on the thread that owns the component,
// one event at a time. Only one download runs at a time.
//
// Set the public fields (AcceptTypes, Agent, URL, FileName, ...) and the
// handlers, then call GetFile(). Handlers run from the event loop and must
// not throw. Destroying the component, even from one of its own handlers,
// stops its download and waits for the worker; no handler runs afterwards.
class THTTPGet : public QObject, public HTTPGetSettings
{
    Q_OBJECT

public:
    explicit THTTPGet(QObject *parent = nullptr);
    ~THTTPGet() override;

    // When true, GetFile() returns only after the download has ended and its
    // OnDoneFile or OnError has run; the calling thread's events (timers,
    // queued calls, input) keep being processed meanwhile.
    bool WaitThread = false;

    // Sender is the worker; TotalSize is the announced Content-Length (0 when
    // none), Readed the bytes received so far. The handler in place when
    // GetFile() starts is the one used for that download.
    TOnProgressEvent OnProgress;
    // Sender is the component; FileName as it was when the download started.
    TOnDoneFileEvent OnDoneFile;
    // Declared for downloads into a string; no operation starts one.
    TOnDoneStringEvent OnDoneString;
    TNotifyEvent OnError;

    // Starts a download with the current settings; ignored while one runs.
    void GetFile();
    // Stops the running download, which then reports failure through OnError.
    void Abort();

    bool busy() const { return m_worker != nullptr; }
    // Whether the last finished download succeeded.
    bool lastResult() const { return m_lastResult; }

signals:
    // Emitted once a download's OnDoneFile or OnError has returned.
    void threadDone();

private:
    // Termination handler of the worker: reports its outcome, then lets it go.
    void DoneThread();
    // Runs the component's events strictly one after another, even when a
    // handler processes events itself.
    void deliver(std::function<void()> event);

    std::unique_ptr<THTTPGetThread> m_worker;
    TOnProgressEvent m_progressHandler;
    std::deque<std::function<void()>> m_pendingEvents;
    bool m_delivering = false;
    bool m_lastResult = false;
};
