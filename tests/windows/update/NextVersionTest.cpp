#include "support/LoopbackHttpServer.h"
#include "windows/main/MainWindowFixture.h"
#include "windows/update/TForm15.h"
#include "windows/update/TForm16.h"

#include <QAction>
#include <QFileInfo>
#include <QPlainTextEdit>

TEST_F(MainWindowTest, NextVersionShowsTheTextOrSaysItCouldNotGetIt)
{
    const QString failed = QStringLiteral("Unable to get the Next version info");
    window->NextVersion1->trigger();   // no server configured: no traffic at all
    EXPECT_EQ(modals->messages(Modal::MessageKind::Warning), QStringList({failed}));

    qputenv("no_proxy", "*");
    CannedReply reply;
    reply.body = "Coming: undo.\r\n";
    LoopbackHttpServer server([&](const SeenRequest &r) {
        CannedReply missing;
        missing.status = "404 Not Found";
        return r.target == "/PV/Insite.txt" ? reply : missing;
    });
    window->Form15->Server.setBase(server.url(QStringLiteral("/PV/")));
    QString shown;
    modals->onWindow<TForm16>([&](TForm16 &w) {
        shown = w.Memo1->toPlainText();
        w.accept();
    });
    window->NextVersion1->trigger();
    EXPECT_EQ(shown, QStringLiteral("Coming: undo."));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("VER.TEMP"))));

    reply.body.clear();   // an empty text is not shown
    window->NextVersion1->trigger();
    window->Form15->Server.setBase(server.url(QStringLiteral("/elsewhere/")));
    window->NextVersion1->trigger();
    EXPECT_EQ(modals->messages(Modal::MessageKind::Warning), QStringList({failed, failed}));
}
