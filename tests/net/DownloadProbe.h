#pragma once

#include "net/HTTPGet.h"
#include "support/LoopbackHttpServer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// Records what a download component reports, and on which thread.
struct DownloadProbe
{
    struct Progress { qint64 totalSize; qint64 readed; };

    std::vector<Progress> progress;
    QObject *progressSender = nullptr;
    int doneCount = 0;
    int errorCount = 0;
    QString doneFileName;
    qint64 doneFileSize = -1;
    QObject *outcomeSender = nullptr;
    bool offOwnerThread = false;
    int depth = 0;       // handlers running right now
    int deepest = 0;     // most handlers ever running at once
    bool eventAfterOutcome = false;

    void attach(THTTPGet &get)
    {
        get.OnProgress = [this](QObject *sender, qint64 totalSize, qint64 readed) {
            const Scope scope(*this);
            eventAfterOutcome = eventAfterOutcome || doneCount + errorCount > 0;
            progressSender = sender;
            progress.push_back({totalSize, readed});
        };
        get.OnDoneFile = [this](QObject *sender, const QString &fileName, qint64 fileSize) {
            const Scope scope(*this);
            eventAfterOutcome = eventAfterOutcome || doneCount + errorCount > 0;
            outcomeSender = sender;
            doneFileName = fileName;
            doneFileSize = fileSize;
            ++doneCount;
        };
        get.OnError = [this](QObject *sender) {
            const Scope scope(*this);
            eventAfterOutcome = eventAfterOutcome || doneCount + errorCount > 0;
            outcomeSender = sender;
            ++errorCount;
        };
    }

    int events() const { return static_cast<int>(progress.size()) + doneCount + errorCount; }

private:
    struct Scope
    {
        explicit Scope(DownloadProbe &probe) : probe(probe)
        {
            probe.offOwnerThread = probe.offOwnerThread
                || QThread::currentThread() != QCoreApplication::instance()->thread();
            probe.deepest = std::max(probe.deepest, ++probe.depth);
        }
        ~Scope() { --probe.depth; }
        DownloadProbe &probe;
    };
};

// Processes events until the predicate holds or the limit passes; true when it held.
template <typename Predicate>
bool processEventsUntil(Predicate done, int limitMs = 10000)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
    poll.start(5);
    if (!done())
        loop.exec();
    return done();
}

// Lets whatever is still queued run for a while.
inline void processEventsFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

class DownloadTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        // The test server is on loopback; no proxy from the environment may step in.
        qputenv("no_proxy", "*");
        qputenv("NO_PROXY", "*");
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }

    static QByteArray fileContents(const QString &fileName)
    {
        QFile file(fileName);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    static void writeFile(const QString &fileName, const QByteArray &contents)
    {
        QFile file(fileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    static QByteArray bodyOf(int size)
    {
        QByteArray body;
        for (int i = 0; i < size; ++i)
            body += static_cast<char>('a' + i % 26);
        return body;
    }

    QTemporaryDir m_dir;
};
