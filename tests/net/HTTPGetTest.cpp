#include "DownloadProbe.h"

#include <QDir>

using namespace std::chrono_literals;

TEST_F(DownloadTest, DefaultsAreThePublishedOnes)
{
    const THTTPGet get;
    EXPECT_EQ(get.AcceptTypes, "*/*");
    EXPECT_EQ(get.Agent, "Quillmark HTTPGet");
    EXPECT_FALSE(get.BinaryData);
    EXPECT_FALSE(get.UseCache);
    EXPECT_FALSE(get.WaitThread);
    EXPECT_TRUE(get.URL.isEmpty() && get.FileName.isEmpty() && get.PostQuery.isEmpty());
    EXPECT_FALSE(get.busy());
}

TEST_F(DownloadTest, DocumentWithContentLengthArrivesWithProgressOnTheOwnerThread)
{
    CannedReply reply;
    reply.body = bodyOf(200);
    reply.chunkSize = 50;
    reply.chunkDelay = 15ms;
    LoopbackHttpServer server(reply);

    DownloadProbe probe;
    THTTPGet get;
    probe.attach(get);
    get.URL = server.url("/PV/list.txt");
    get.FileName = path("list.txt");
    get.GetFile();
    EXPECT_TRUE(get.busy());
    ASSERT_TRUE(processEventsUntil([&] { return !get.busy(); }));

    EXPECT_EQ(probe.errorCount, 0);
    ASSERT_EQ(probe.doneCount, 1);
    EXPECT_EQ(probe.outcomeSender, &get);
    EXPECT_EQ(probe.doneFileName, get.FileName);
    EXPECT_EQ(probe.doneFileSize, 200);
    EXPECT_TRUE(get.lastResult());
    EXPECT_EQ(fileContents(get.FileName), reply.body);

    ASSERT_FALSE(probe.progress.empty());
    EXPECT_FALSE(probe.offOwnerThread);
    EXPECT_NE(probe.progressSender, nullptr);
    EXPECT_NE(probe.progressSender, &get); // the worker reports progress
    for (size_t i = 0; i < probe.progress.size(); ++i) {
        EXPECT_EQ(probe.progress[i].totalSize, 200);
        if (i > 0)
            EXPECT_GT(probe.progress[i].readed, probe.progress[i - 1].readed);
    }
    EXPECT_EQ(probe.progress.back().readed, 200);
    EXPECT_FALSE(probe.eventAfterOutcome);
}

TEST_F(DownloadTest, DocumentCutShortIsAFailureAndKeepsTheOlderFile)
{
    CannedReply reply;
    reply.body = bodyOf(100);
    reply.announcedLength = 200;
    LoopbackHttpServer server(reply);

    DownloadProbe probe;
    THTTPGet get;
    probe.attach(get);
    get.URL = server.url("/cut");
    get.FileName = path("cut.bin");
    writeFile(get.FileName, "older contents");
    get.WaitThread = true;
    get.GetFile();

    EXPECT_EQ(probe.doneCount, 0);
    EXPECT_EQ(probe.errorCount, 1);
    EXPECT_EQ(probe.outcomeSender, &get);
    EXPECT_FALSE(get.lastResult());
    EXPECT_EQ(fileContents(get.FileName), "older contents");
}

TEST_F(DownloadTest, WithoutContentLengthOnlyAnEmptyDocumentSucceeds)
{
    CannedReply empty;
    empty.announceLength = false;
    CannedReply filled = empty;
    filled.body = bodyOf(200);
    LoopbackHttpServer server([&](const SeenRequest &request) {
        return request.target == "/empty" ? empty : filled;
    });

    DownloadProbe probe;
    THTTPGet get;
    probe.attach(get);
    get.WaitThread = true;

    get.URL = server.url("/empty");
    get.FileName = path("empty.txt");
    writeFile(get.FileName, "older contents");
    get.GetFile();
    EXPECT_EQ(probe.doneCount, 1);
    EXPECT_EQ(probe.doneFileSize, 0);
    EXPECT_EQ(fileContents(get.FileName), QByteArray());

    get.URL = server.url("/filled");
    get.FileName = path("filled.txt");
    get.GetFile();
    EXPECT_EQ(probe.doneCount, 1);
    EXPECT_EQ(probe.errorCount, 1);
    EXPECT_EQ(fileContents(get.FileName), "<missing>");
}

TEST_F(DownloadTest, BinaryDataWithoutContentLengthIsNotReadAtAll)
{
    CannedReply unannounced;
    unannounced.announceLength = false;
    unannounced.body = bodyOf(300);
    CannedReply announced;
    announced.body = bodyOf(300);
    LoopbackHttpServer server([&](const SeenRequest &request) {
        return request.target == "/announced" ? announced : unannounced;
    });

    DownloadProbe probe;
    THTTPGet get;
    probe.attach(get);
    get.WaitThread = true;
    get.BinaryData = true;

    get.URL = server.url("/unannounced");
    get.FileName = path("unannounced.bin");
    get.GetFile();
    EXPECT_EQ(probe.errorCount, 1);
    EXPECT_TRUE(probe.progress.empty());
    EXPECT_FALSE(QFile::exists(get.FileName));

    get.URL = server.url("/announced");
    get.FileName = path("announced.bin");
    get.GetFile();
    EXPECT_EQ(probe.doneCount, 1);
    EXPECT_EQ(probe.doneFileSize, 300);
    EXPECT_EQ(fileContents(get.FileName), announced.body);
}

TEST_F(DownloadTest, ErrorPageIsAFailureAndLeavesTheLocalFileAlone)
{
    CannedReply notFound;
    notFound.status = "404 Not Found";
    notFound.body = "<html>Not Found</html>";
    LoopbackHttpServer server(notFound);

    DownloadProbe probe;
    THTTPGet get;
    probe.attach(get);
    get.WaitThread = true;

    get.URL = server.url("/PV/quillmark.txt");
    get.FileName = path("TEMP.UP");
    writeFile(get.FileName, "150\n");
    get.GetFile();
    EXPECT_EQ(probe.errorCount, 1);
    EXPECT_EQ(fileContents(get.FileName), QByteArray("150\n"));

    get.FileName = path("absent.txt");
    get.GetFile();
    EXPECT_EQ(probe.errorCount, 2);
    EXPECT_EQ(probe.doneCount, 0);
    EXPECT_FALSE(QFile::exists(get.FileName));
}

TEST_F(DownloadTest, UnreachableServerOrMissingHostIsAFailureWithoutFile)
{
    DownloadProbe probe;
    THTTPGet get;
    probe.attach(get);
    get.WaitThread = true;

    get.URL = QStringLiteral("http://127.0.0.1:%1/PV/NEWS.txt").arg(LoopbackHttpServer::closedPort());
    get.FileName = path("refused.txt");
    get.GetFile();
    EXPECT_EQ(probe.errorCount, 1);
    EXPECT_FALSE(QFile::exists(get.FileName));

    LoopbackHttpServer server(CannedReply{});
    get.URL = QStringLiteral("http://") + server.hostAndPort(); // no "/": no host
    get.FileName = path("nohost.txt");
    get.GetFile();
    EXPECT_EQ(probe.errorCount, 2);
    EXPECT_EQ(probe.doneCount, 0);
    EXPECT_FALSE(QFile::exists(get.FileName));
    EXPECT_EQ(server.requestCount(), 0);
}

TEST_F(DownloadTest, SchemeInAnyCaseOrNoneReachesTheSamePath)
{
    LoopbackHttpServer server(CannedReply{});
    THTTPGet get;
    get.WaitThread = true;
    get.FileName = path("out.txt");

    get.URL = QStringLiteral("HTTP://") + server.hostAndPort() + "/PV/list.txt";
    get.GetFile();
    EXPECT_TRUE(get.lastResult());
    get.URL = server.hostAndPort() + "/a/b";
    get.GetFile();
    EXPECT_TRUE(get.lastResult());
    get.URL = server.url("/PV/two words.txt");
    get.GetFile();
    EXPECT_TRUE(get.lastResult());

    const std::vector<SeenRequest> seen = server.requests();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].target, "/PV/list.txt");
    EXPECT_EQ(seen[1].target, "/a/b");
    EXPECT_EQ(seen[2].target, "/PV/two%20words.txt");
    EXPECT_EQ(seen[0].header("host"), server.hostAndPort().toLatin1());
}

TEST_F(DownloadTest, RequestHeadersFollowTheSettings)
{
    LoopbackHttpServer server(CannedReply{});
    THTTPGet get;
    get.WaitThread = true;
    get.FileName = path("out.txt");
    get.URL = server.url("/defaults");
    get.GetFile();

    get.URL = server.url("/custom");
    get.AcceptTypes = QStringLiteral("text/plain");
    get.Agent.clear();
    get.UseCache = true;
    get.Referer = QStringLiteral("http://quillmark.invalid/start");
    get.UserName = QStringLiteral("shard");
    get.Password = QStringLiteral("s3cret");
    get.GetFile();

    get.URL = server.url("/bare");
    get.AcceptTypes.clear();
    get.GetFile();

    const std::vector<SeenRequest> seen = server.requests();
    ASSERT_EQ(seen.size(), 3u);
    const SeenRequest &defaults = seen[0];
    EXPECT_EQ(defaults.method, "GET");
    EXPECT_EQ(defaults.version, "HTTP/1.0");
    EXPECT_EQ(defaults.header("accept"), "*/*");
    EXPECT_EQ(defaults.header("user-agent"), "Quillmark HTTPGet");
    EXPECT_EQ(defaults.header("pragma"), "no-cache");
    EXPECT_EQ(defaults.header("cache-control"), "no-cache");
    EXPECT_FALSE(defaults.hasHeader("referer"));
    EXPECT_FALSE(defaults.hasHeader("authorization"));
    EXPECT_TRUE(defaults.body.isEmpty());

    const SeenRequest &custom = seen[1];
    EXPECT_EQ(custom.header("accept"), "text/plain");
    EXPECT_FALSE(custom.hasHeader("user-agent"));
    EXPECT_FALSE(custom.hasHeader("pragma"));
    EXPECT_FALSE(custom.hasHeader("cache-control"));
    EXPECT_EQ(custom.header("referer"), "http://quillmark.invalid/start");
    EXPECT_EQ(custom.header("authorization"), "Basic " + QByteArray("shard:s3cret").toBase64());
    EXPECT_FALSE(seen[2].hasHeader("accept"));
}

TEST_F(DownloadTest, PostQueryIsSentAsAFormBody)
{
    LoopbackHttpServer server(CannedReply{});
    THTTPGet get;
    get.WaitThread = true;
    get.FileName = path("out.txt");
    get.URL = server.url("/PV/form");
    get.PostQuery = QStringLiteral("name=Quill&ver=141");
    get.GetFile();
    EXPECT_TRUE(get.lastResult());

    const std::vector<SeenRequest> seen = server.requests();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].method, "POST");
    EXPECT_EQ(seen[0].target, "/PV/form");
    EXPECT_EQ(seen[0].version, "HTTP/1.0");
    EXPECT_EQ(seen[0].header("content-type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(seen[0].header("content-length"), "18");
    EXPECT_EQ(seen[0].body, "name=Quill&ver=141");
}

TEST_F(DownloadTest, RedirectIsFollowedToTheDocument)
{
    CannedReply moved;
    moved.status = "302 Found";
    moved.extraHeaders = {"Location: /PV/new.txt"};
    moved.body = "moved";
    CannedReply document;
    document.body = "the document";
    LoopbackHttpServer server([&](const SeenRequest &request) {
        return request.target == "/PV/old.txt" ? moved : document;
    });

    DownloadProbe probe;
    THTTPGet get;
    probe.attach(get);
    get.WaitThread = true;
    get.URL = server.url("/PV/old.txt");
    get.FileName = path("doc.txt");
    get.GetFile();
    EXPECT_EQ(probe.doneCount, 1);
    EXPECT_EQ(fileContents(get.FileName), document.body);
    EXPECT_EQ(server.requestCount(), 2);
}

TEST_F(DownloadTest, RelativeFileNameLandsInTheCurrentDirectory)
{
    CannedReply reply;
    reply.body = "news";
    LoopbackHttpServer server(reply);
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_dir.path()));

    DownloadProbe probe;
    THTTPGet get;
    probe.attach(get);
    get.WaitThread = true;
    get.URL = server.url("/PV/NEWS.txt");
    get.FileName = QStringLiteral("NEWS.txt");
    get.GetFile();
    QDir::setCurrent(previous);

    EXPECT_EQ(probe.doneFileName, "NEWS.txt");
    EXPECT_EQ(fileContents(path("NEWS.txt")), "news");
}

TEST_F(DownloadTest, SecondGetFileWhileBusyIsIgnoredAndLateChangesDoNotReachTheWorker)
{
    CannedReply reply;
    reply.body = bodyOf(120);
    reply.chunkSize = 40;
    reply.chunkDelay = 20ms;
    LoopbackHttpServer server(reply);

    DownloadProbe probe;
    THTTPGet get;
    probe.attach(get);
    get.URL = server.url("/first");
    get.FileName = path("first.bin");
    get.GetFile();
    get.URL = server.url("/second");
    get.FileName = path("second.bin");
    get.GetFile();
    ASSERT_TRUE(processEventsUntil([&] { return !get.busy(); }));
    processEventsFor(50);

    EXPECT_EQ(probe.doneCount, 1);
    EXPECT_EQ(probe.doneFileName, path("first.bin"));
    EXPECT_EQ(fileContents(path("first.bin")), reply.body);
    EXPECT_FALSE(QFile::exists(path("second.bin")));
    ASSERT_EQ(server.requestCount(), 1);
    EXPECT_EQ(server.requests()[0].target, "/first");
}

TEST_F(DownloadTest, AbortDuringASlowBodyReportsFailure)
{
    CannedReply reply;
    reply.body = bodyOf(4000);
    reply.chunkSize = 100;
    reply.chunkDelay = 100ms;
    LoopbackHttpServer server(reply);

    DownloadProbe probe;
    THTTPGet get;
    probe.attach(get);
    const TOnProgressEvent record = get.OnProgress;
    get.OnProgress = [&](QObject *sender, qint64 totalSize, qint64 readed) {
        record(sender, totalSize, readed);
        get.Abort();
    };
    get.WaitThread = true;
    get.URL = server.url("/slow");
    get.FileName = path("slow.bin");
    get.GetFile();

    EXPECT_EQ(probe.errorCount, 1);
    EXPECT_EQ(probe.doneCount, 0);
    EXPECT_FALSE(get.lastResult());
    ASSERT_FALSE(probe.progress.empty());
    EXPECT_LT(probe.progress.back().readed, 4000);
    EXPECT_LT(QFile(get.FileName).size(), 4000);
}

TEST_F(DownloadTest, WaitThreadKeepsTimersAndQueuedCallsRunning)
{
    CannedReply reply;
    reply.body = bodyOf(200);
    reply.chunkSize = 40;
    reply.chunkDelay = 60ms;
    LoopbackHttpServer server(reply);

    DownloadProbe probe;
    THTTPGet get;
    probe.attach(get);
    get.WaitThread = true;
    get.URL = server.url("/PV/NEWS.txt");
    get.FileName = path("NEWS.txt");

    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(20);
    bool queuedCallRan = false;
    QMetaObject::invokeMethod(&timer, [&] { queuedCallRan = true; }, Qt::QueuedConnection);

    get.GetFile();

    EXPECT_GT(ticks, 0);
    EXPECT_TRUE(queuedCallRan);
    EXPECT_FALSE(get.busy());
    EXPECT_EQ(probe.doneCount, 1); // handled before GetFile returned
    ASSERT_FALSE(probe.progress.empty());
    EXPECT_EQ(probe.progress.back().readed, 200);
}

TEST_F(DownloadTest, EventsRunOneAtATimeEvenWhenAHandlerProcessesEvents)
{
    CannedReply reply;
    reply.body = bodyOf(300);
    reply.chunkSize = 30;
    reply.chunkDelay = 5ms;
    LoopbackHttpServer server(reply);

    DownloadProbe probe;
    THTTPGet get;
    probe.attach(get);
    const TOnProgressEvent record = get.OnProgress;
    get.OnProgress = [&](QObject *sender, qint64 totalSize, qint64 readed) {
        record(sender, totalSize, readed);
        if (probe.progress.size() == 1)
            processEventsFor(250); // like a modal box: the rest of the download arrives meanwhile
    };
    get.WaitThread = true;
    get.URL = server.url("/burst");
    get.FileName = path("burst.bin");
    get.GetFile();

    EXPECT_EQ(probe.deepest, 1);
    EXPECT_EQ(probe.doneCount, 1);
    EXPECT_FALSE(probe.eventAfterOutcome);
    ASSERT_FALSE(probe.progress.empty());
    EXPECT_EQ(probe.progress.back().readed, 300);
}
