#include "net/DownloadProbe.h"

// Hostile servers: each download fails within its bounds and the older local
// file stays as it was.
TEST_F(DownloadTest, HostileServersFailWithinBoundsAndKeepTheOlderFile)
{
    CannedReply endless;                 // far more than asked for, with no length
    endless.announceLength = false;
    endless.body = bodyOf(4 * 1024 * 1024);
    CannedReply oversized = endless;     // announced larger than allowed
    oversized.announceLength = true;
    CannedReply trickle;                 // 2 bytes per 200 ms
    trickle.body = bodyOf(100);
    trickle.chunkSize = 2;
    trickle.chunkDelay = std::chrono::milliseconds(200);
    CannedReply silent;                  // headers, then nothing for a long time
    silent.body = bodyOf(2);
    silent.chunkSize = 1;
    silent.chunkDelay = std::chrono::milliseconds(8000);
    CannedReply loop;                    // redirects to itself
    loop.status = "302 Found";
    loop.extraHeaders = {"Location: /loop"};
    CannedReply malformed;
    malformed.status = "\x01\x02 nonsense";
    malformed.body = "x";

    struct Case { const char *path; CannedReply reply; };
    const Case cases[] = {{"/endless", endless}, {"/oversized", oversized}, {"/trickle", trickle},
                          {"/silent", silent}, {"/loop", loop}, {"/malformed", malformed}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        LoopbackHttpServer server([&](const SeenRequest &) { return c.reply; }, 64);
        DownloadProbe probe;
        THTTPGet get;
        probe.attach(get);
        get.URL = server.url(c.path);
        get.FileName = path("list.txt");
        get.MaxSize = 1024;
        get.DeadlineSeconds = 1;
        writeFile(get.FileName, "older contents");
        get.WaitThread = true;
        get.GetFile();
        EXPECT_EQ(probe.doneCount, 0);
        EXPECT_EQ(probe.errorCount, 1);
        EXPECT_EQ(fileContents(get.FileName), "older contents");
    }
}
