#include "DownloadProbe.h"

#include <QPointer>

using namespace std::chrono_literals;

// Destroying a component while its worker runs must neither crash nor call
// into freed memory, nor run a handler afterwards. These run in the sanitizer
// builds too.

namespace {

CannedReply slowReply()
{
    CannedReply reply;
    reply.body = QByteArray(3000, 'x');
    reply.chunkSize = 100;
    reply.chunkDelay = 40ms;
    return reply;
}

} // namespace

TEST_F(DownloadTest, DestroyedRightAfterStarting)
{
    LoopbackHttpServer server(slowReply());
    DownloadProbe probe;
    {
        THTTPGet get;
        probe.attach(get);
        get.URL = server.url("/slow");
        get.FileName = path("slow.bin");
        get.GetFile();
    }
    processEventsFor(100);
    EXPECT_EQ(probe.events(), 0);
}

TEST_F(DownloadTest, DestroyedInTheMiddleOfTheBody)
{
    LoopbackHttpServer server(slowReply());
    DownloadProbe probe;
    auto get = std::make_unique<THTTPGet>();
    probe.attach(*get);
    get->URL = server.url("/slow");
    get->FileName = path("slow.bin");
    get->GetFile();
    ASSERT_TRUE(processEventsUntil([&] { return probe.progress.size() >= 2; }));

    const int seen = probe.events();
    get.reset();
    processEventsFor(150);
    EXPECT_EQ(probe.events(), seen);
    EXPECT_EQ(probe.errorCount + probe.doneCount, 0);
}

TEST_F(DownloadTest, DestroyedByItsOwnProgressHandler)
{
    LoopbackHttpServer server(slowReply());
    DownloadProbe probe;
    auto *get = new THTTPGet;
    const QPointer<THTTPGet> watch(get);
    probe.attach(*get);
    const TOnProgressEvent record = get->OnProgress;
    get->OnProgress = [&probe, record, get](QObject *sender, qint64 totalSize, qint64 readed) {
        record(sender, totalSize, readed);
        if (probe.progress.size() == 2)
            delete get;
    };
    get->URL = server.url("/slow");
    get->FileName = path("slow.bin");
    get->GetFile();

    ASSERT_TRUE(processEventsUntil([&] { return watch.isNull(); }));
    processEventsFor(150);
    EXPECT_EQ(probe.progress.size(), 2u);
    EXPECT_EQ(probe.errorCount + probe.doneCount, 0);
}

TEST_F(DownloadTest, DestroyedWhileWaitThreadWaits)
{
    LoopbackHttpServer server(slowReply());
    DownloadProbe probe;
    auto *get = new THTTPGet;
    const QPointer<THTTPGet> watch(get);
    probe.attach(*get);
    get->WaitThread = true;
    get->URL = server.url("/slow");
    get->FileName = path("slow.bin");
    QTimer::singleShot(120, [get] { delete get; });

    get->GetFile(); // returns once the component is gone

    EXPECT_TRUE(watch.isNull());
    processEventsFor(100);
    EXPECT_EQ(probe.errorCount + probe.doneCount, 0);
}

TEST_F(DownloadTest, DestroyedWhileTheOutcomeIsOnItsWay)
{
    CannedReply reply;
    reply.body = "short";
    LoopbackHttpServer server(reply);
    DownloadProbe probe;
    {
        THTTPGet get;
        probe.attach(get);
        get.URL = server.url("/short");
        get.FileName = path("short.txt");
        get.GetFile();
        // Let the worker finish without giving its reports a chance to run.
        for (int i = 0; i < 1000 && server.requestCount() == 0; ++i)
            QThread::msleep(5);
        QThread::msleep(100);
    }
    processEventsFor(100);
    EXPECT_EQ(probe.events(), 0);
}
