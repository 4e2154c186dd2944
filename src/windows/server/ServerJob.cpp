#include "windows/server/ServerJob.h"

#include <QThread>

ServerJob::ServerJob(QObject *parent) : QObject(parent) {}

ServerJob::~ServerJob()
{
    stopThread();
}

void ServerJob::run(Work work, std::function<void()> done)
{
    stopThread();
    auto cancel = std::make_shared<ServerCancel>();
    m_cancel = cancel;
    QThread *thread = QThread::create([this, work = std::move(work), cancel] {
        work(*cancel, [this](const QString &stage) { emit progress(stage); });
    });
    thread->setParent(this);   // a thread still running at the job's end is waited for, then deleted
    m_thread = thread;
    connect(thread, &QThread::finished, this, [this, thread, cancel, done = std::move(done)] {
        thread->deleteLater();
        if (m_thread != thread)
            return;
        m_thread = nullptr;
        if (!cancel->cancelled())
            done();
    });
    thread->start();
}

void ServerJob::cancel()
{
    stopThread();
}

void ServerJob::stopThread()
{
    if (!m_thread)
        return;
    QThread *thread = m_thread;
    m_thread = nullptr;
    m_cancel->cancel();
    // The server is ended; the thread's waits fail at once.
    thread->wait();
}
