// End-to-end: the real server reads our scripts and our client reads what it
// sends. Skipped when the server was not built (no source tarball).
#include "sphereclient/SphereLoginClient.h"
#include "support/SphereTestServer.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

namespace {

TEST(SphereServer, ASmallDialogArrivesAsScripted)
{
    SKIP_WITHOUT_SPHERE_SERVER();
    const QByteArray script = "[DIALOG d_small]\n"
                              "-20,40\n"
                              "resizepic 0 0 5054 200 100\n"
                              "text 10 10 0 0\n"
                              "text 10 30 33 1\n"
                              "button 150 70 4005 4007 1 0 1\n"
                              "\n"
                              "[DIALOG d_small TEXT]\n"
                              "Hello\n"
                              "Caf\xc3\xa9\n"
                              "\n"
                              "[EOF]\n";
    const JudgedDialogs judged = judgeDialogs({{"d_small.scp", script}}, {"d_small"});
    ASSERT_TRUE(judged.error.isEmpty()) << judged.error.toStdString();
    ASSERT_TRUE(judged.gumps.value("d_small")) << judged.log.toStdString();
    const ReceivedGump &gump = *judged.gumps.value("d_small");
    EXPECT_EQ(gump.x, -20);
    EXPECT_EQ(gump.y, 40);
    const QList<QStringList> controls = {{"resizepic", "0", "0", "5054", "200", "100"},
                                         {"text", "10", "10", "0", "0"},
                                         {"text", "10", "30", "33", "1"},
                                         {"button", "150", "70", "4005", "4007", "1", "0", "1"}};
    EXPECT_EQ(gump.controls, controls) << gump.layout.toStdString();
    EXPECT_EQ(gump.texts, QStringList({"Hello", QStringLiteral("Caf\u00e9")}));
}

TEST(SphereServer, AMissingDialogSendsNoGumpAndTheRunStillEnds)
{
    SKIP_WITHOUT_SPHERE_SERVER();
    const QByteArray script = "[DIALOG d_there]\n0,0\nresizepic 0 0 5054 100 100\n\n[EOF]\n";
    const JudgedDialogs judged = judgeDialogs({{"d_there.scp", script}}, {"d_not_there", "d_there"});
    ASSERT_TRUE(judged.error.isEmpty()) << judged.error.toStdString();
    ASSERT_TRUE(judged.gumps.contains("d_not_there"));
    EXPECT_FALSE(judged.gumps.value("d_not_there"));
    EXPECT_TRUE(judged.gumps.value("d_there"));
}

TEST(SphereServer, EofInOneFileDoesNotHideTheNextFile)
{
    SKIP_WITHOUT_SPHERE_SERVER();
    const QByteArray first = "[DIALOG d_first]\n0,0\nresizepic 0 0 5054 100 100\n[EOF]\n"
                             "[DIALOG d_hidden]\n0,0\nresizepic 0 0 5054 100 100\n";
    const QByteArray second = "[DIALOG d_second]\n5,5\ngumppic 0 0 100\n\n[EOF]\n";
    const JudgedDialogs judged =
        judgeDialogs({{"a_first.scp", first}, {"b_second.scp", second}}, {"d_first", "d_hidden", "d_second"});
    ASSERT_TRUE(judged.error.isEmpty()) << judged.error.toStdString();
    EXPECT_TRUE(judged.gumps.value("d_first"));
    EXPECT_FALSE(judged.gumps.value("d_hidden"));   // the [EOF] ended its file
    ASSERT_TRUE(judged.gumps.value("d_second"));
    EXPECT_EQ(judged.gumps.value("d_second")->controls, QList<QStringList>({{"gumppic", "0", "0", "100"}}));
}

TEST(SphereServer, HundredsOfDialogsInOneLogin)
{
    SKIP_WITHOUT_SPHERE_SERVER();
    constexpr int count = 300;
    QList<std::pair<QString, QByteArray>> files;
    QStringList names;
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("d_many_%1").arg(i);
        names.append(name);
        files.append({name + ".scp", QStringLiteral("[DIALOG %1]\n%2,0\ntext 0 0 0 0\n\n[DIALOG %1 TEXT]\nn%2\n\n[EOF]\n")
                                         .arg(name)
                                         .arg(i)
                                         .toUtf8()});
    }
    QElapsedTimer clock;
    clock.start();
    const JudgedDialogs judged = judgeDialogs(files, names);
    ASSERT_TRUE(judged.error.isEmpty()) << judged.error.toStdString();
    for (int i = 0; i < count; ++i) {
        const std::optional<ReceivedGump> gump = judged.gumps.value(names[i]);
        ASSERT_TRUE(gump) << names[i].toStdString();
        EXPECT_EQ(gump->x, i);
        EXPECT_EQ(gump->texts, QStringList({QStringLiteral("n%1").arg(i)}));
    }
    RecordProperty("milliseconds", int(clock.elapsed()));
}

TEST(SphereServer, AWrongPasswordIsDeniedWithItsReason)
{
    SKIP_WITHOUT_SPHERE_SERVER();
    SphereTestServer server(SphereTestServer::binary());
    QString error;
    ASSERT_TRUE(server.start(&error)) << error.toStdString();
    SphereLoginClient client({.port = server.port(), .account = server.accountName(), .password = "wrong"});
    EXPECT_FALSE(client.logIn(QDeadlineTimer(20000)));
    EXPECT_EQ(client.failure(), SphereLoginClient::Failure::LoginDenied);
    EXPECT_TRUE(client.errorString().contains("password")) << client.errorString().toStdString();
}

TEST(SphereLoginClient, NobodyListeningIsConnectionRefused)
{
    // Port 1 needs root to listen on.
    SphereLoginClient client({.port = 1, .account = "a", .password = "b"});
    EXPECT_FALSE(client.logIn(QDeadlineTimer(5000)));
    EXPECT_EQ(client.failure(), SphereLoginClient::Failure::ConnectionRefused);
    EXPECT_TRUE(client.errorString().contains("refused")) << client.errorString().toStdString();
}

} // namespace
