#include "net/HTTPGet.h"

#include "net/HTTPGetThread.h"

#include <QEventLoop>
#include <QPointer>

THTTPGet::THTTPGet(QObject *parent)
    : QObject(parent)
{
}

THTTPGet::~THTTPGet()
{
    // The worker reports to this object, so it must be gone before we are.
    // It never waits for this thread, so waiting here cannot deadlock, and
    // the termination request wakes it at once.
    Abort();
    if (m_worker)
        m_worker->wait();
}

void THTTPGet::GetFile()
{
    if (m_worker)
        return;

    m_progressHandler = OnProgress;
    m_worker = std::make_unique<THTTPGetThread>(static_cast<const HTTPGetSettings &>(*this),
                                                static_cast<bool>(m_progressHandler));
    THTTPGetThread *const worker = m_worker.get();
    connect(worker, &THTTPGetThread::progressed, this,
            [this, worker](qint64 totalSize, qint64 readed) {
                deliver([this, worker, totalSize, readed] {
                    if (const TOnProgressEvent handler = m_progressHandler)
                        handler(worker, totalSize, readed);
                });
            },
            Qt::QueuedConnection);
    connect(worker, &THTTPGetThread::finished, this, [this] { deliver([this] { DoneThread(); }); },
            Qt::QueuedConnection);
    worker->start();

    if (!WaitThread)
        return;

    // Wait on an event loop rather than polling: timers, queued calls and
    // this download's own events keep running, and the thread sleeps in between.
    bool ended = false;
    QEventLoop loop;
    const auto stopWaiting = [&ended, &loop] {
        ended = true;
        loop.quit();
    };
    connect(this, &THTTPGet::threadDone, &loop, stopWaiting);
    connect(this, &QObject::destroyed, &loop, stopWaiting);
    while (!ended)
        loop.exec();
}

void THTTPGet::Abort()
{
    if (m_worker)
        m_worker->requestTermination();
}

void THTTPGet::DoneThread()
{
    m_worker->wait();
    m_lastResult = m_worker->Result() && !m_worker->terminationRequested();
    const QString fileName = m_worker->FileName();
    const qint64 fileSize = m_worker->FileSize();

    const QPointer<THTTPGet> self(this);
    if (!m_lastResult) {
        if (const TNotifyEvent handler = OnError)
            handler(this);
    } else if (const TOnDoneFileEvent handler = OnDoneFile) {
        handler(this, fileName, fileSize);
    }
    if (!self)
        return;

    m_worker.reset();
    m_progressHandler = nullptr;
    emit threadDone();
}

void THTTPGet::deliver(std::function<void()> event)
{
    m_pendingEvents.push_back(std::move(event));
    if (m_delivering)
        return; // the handler running further up the stack delivers it when it returns

    const QPointer<THTTPGet> self(this);
    m_delivering = true;
    while (!m_pendingEvents.empty()) {
        const std::function<void()> next = std::move(m_pendingEvents.front());
        m_pendingEvents.pop_front();
        next();
        if (!self)
            return;
    }
    m_delivering = false;
}
