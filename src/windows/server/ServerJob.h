#pragma once

#include "serverworld/ServerPreview.h"

#include <QObject>

#include <functional>
#include <memory>

class QThread;

// One question to the user's server at a time, on a thread of its own, so
// that the window never waits on it. The answer is handed over on the
// window's thread. A new question, cancel() and the job's end stop the
// server at once (by its process id) and wait for the thread.
class ServerJob : public QObject
{
    Q_OBJECT

public:
    using Work = std::function<void(ServerCancel &cancel, const ServerProgress &progress)>;

    explicit ServerJob(QObject *parent = nullptr);
    ~ServerJob() override;

    // `work` runs on the thread; `done` afterwards on this object's thread,
    // unless the job was cancelled or replaced.
    void run(Work work, std::function<void()> done);
    void cancel();
    bool busy() const { return m_thread != nullptr; }

signals:
    void progress(const QString &stage);

private:
    void stopThread();

    QThread *m_thread = nullptr;
    std::shared_ptr<ServerCancel> m_cancel;
};
