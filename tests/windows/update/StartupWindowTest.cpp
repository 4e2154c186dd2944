#include "support/FileFixtures.h"
#include "support/LoopbackHttpServer.h"
#include "windows/main/ScriptedModals.h"
#include "windows/update/TForm15.h"
#include "windows/update/TForm16.h"

#include <QFileInfo>
#include <QMap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

static const QString StartupCaption = QStringLiteral("System Update");
using FileFixtures::readFile;
using FileFixtures::writeFile;

namespace {

const QString Question = QStringLiteral("There is a new Version avalible download?");

// The update server's "PV/" folder: file name -> reply. Anything else is 404.
CannedReply notFound()
{
    CannedReply reply;
    reply.status = "404 Not Found";
    reply.body = "<html><body>Not Found</body></html>";
    return reply;
}

CannedReply file(const QByteArray &body)
{
    CannedReply reply;
    reply.body = body;
    return reply;
}

} // namespace

class StartupWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        qputenv("no_proxy", "*");
        form.Folder = m_dir.path() + u'/';
        form.NewsWindow = &news;
        form.CheckUpdates = true;
        form.LoadFont = [this] { ++fontLoads; };
        form.CloseProgram = [this] { programClosed = true; };
        form.StartProgram = [this](const QString &path) {
            started << QFileInfo(path).fileName();
            return true;
        };
    }

    // Serves folder under "/PV/"; the window's base address points there.
    void serve(QMap<QString, CannedReply> folder)
    {
        server = std::make_unique<LoopbackHttpServer>([folder](const SeenRequest &request) {
            const QString target = QString::fromLatin1(request.target);
            return target.startsWith(u"/PV/") ? folder.value(target.mid(4), notFound()) : notFound();
        }, 16);
        form.Server.setBase(server->url(QStringLiteral("/PV/")));
    }

    // Starts the sequence as the main window does and returns when the window
    // has closed. Script the start-up window first, then what it shows.
    void start()
    {
        form.ProgressBar2->setValue(0);
        form.Timer1->start();
        Modal::exec(form);
    }

    QStringList requested() const
    {
        QStringList targets;
        if (server)
            for (const SeenRequest &r : server->requests())
                targets << QString::fromLatin1(r.target);
        return targets;
    }
    QString path(const QString &relative) const { return m_dir.path() + u'/' + relative; }

    QTemporaryDir m_dir;
    ScriptedModals modals;
    TForm16 news;
    TForm15 form;
    std::unique_ptr<LoopbackHttpServer> server;
    int fontLoads = 0;
    bool programClosed = false;
    QStringList started;
};

TEST_F(StartupWindowTest, NoServerGoesStraightToTheLoaderWithoutTraffic)
{
    form.ShowNews = true;
    modals.runWindow(StartupCaption);
    start();
    EXPECT_EQ(fontLoads, 1);
    EXPECT_FALSE(programClosed);
    EXPECT_EQ(form.ProgressBar2->value(), 3);
    EXPECT_TRUE(modals.shown().size() == 1); // the start-up window only
    EXPECT_FALSE(form.isVisible());
}

TEST_F(StartupWindowTest, NewsIsShownAndDeletedEmptyNewsIsNot)
{
    for (const QByteArray &text : {QByteArray("New hues!\r\nBug fixes."), QByteArray()}) {
        SCOPED_TRACE(text.constData());
        form.ShowNews = true;
        form.CheckUpdates = false;
        serve({{"NEWS.txt", file(text)}});
        QString shownText;
        modals.runWindow(StartupCaption, 20000);
        if (!text.isEmpty())
            modals.onWindow<TForm16>([&](TForm16 &w) {
                shownText = w.Memo1->toPlainText();
                w.Button1->click();
            });
        start();
        EXPECT_EQ(shownText, text.isEmpty() ? QString() : QStringLiteral("New hues!\nBug fixes."));
        EXPECT_FALSE(QFileInfo::exists(path("NEWS.txt")));
        EXPECT_EQ(requested(), QStringList({"/PV/NEWS.txt"}));
        EXPECT_EQ(form.ProgressBar2->value(), 3);
        EXPECT_TRUE(modals.finished());
    }
}

TEST_F(StartupWindowTest, AgreedUpdateFetchesEachPairInOrderAndStartsTheUpdater)
{
    struct Case
    {
        QByteArray list;
        QStringList fetched;
    };
    const Case cases[] = {
        {"150\r\nBrindle.exe\r\nBrindle.exe\r\n", {"/PV/quillmark.txt", "/PV/Brindle.exe"}},
        {"150\r\nBrindle.exe\r\nBrindle.exe\r\nbin/UPDATE.exe\r\nUPDATE.exe\r\n",
         {"/PV/quillmark.txt", "/PV/Brindle.exe", "/PV/bin/UPDATE.exe"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.list.constData());
        started.clear();
        programClosed = false;
        QFile::remove(path("UPDATE.exe"));
        writeFile(path("Brindle.exe"), "old");
        CannedReply slow = file("new brindle");
        slow.chunkSize = 4;
        slow.chunkDelay = 10ms;
        serve({{"quillmark.txt", file(c.list)}, {"Brindle.exe", slow}, {"bin/UPDATE.exe", file("updater")}});
        modals.runWindow(StartupCaption, 20000);
        modals.answerConfirm(true);
        start();

        EXPECT_EQ(requested(), c.fetched);
        EXPECT_EQ(readFile(path("Brindle.exe")), "new brindle");
        EXPECT_EQ(QFileInfo::exists(path("UPDATE.exe")), c.fetched.size() == 3);
        EXPECT_EQ(started, QStringList({"UPDATE.exe"}));
        EXPECT_TRUE(programClosed);
        EXPECT_TRUE(form.updateStarted());
        EXPECT_EQ(fontLoads, 0);
        EXPECT_EQ(modals.shown().last().text, Question);
        EXPECT_EQ(form.ProgressBar1->maximum(), c.fetched.size() == 3 ? 7 : 11); // the last file's size
        EXPECT_EQ(form.ProgressBar2->value(), 2); // settings and the list; the loader never ran
    }
}

TEST_F(StartupWindowTest, NoNewerVersionOrNoOrUnsafeNamesGoOnToTheLoaderReplacingNothing)
{
    struct Case
    {
        QByteArray list;
        bool asked;
        bool answer;
        QString warning;
    };
    const Case cases[] = {
        {"141\r\nBrindle.exe\r\nBrindle.exe\r\n", false, false, {}},
        {"<html><body>Server error</body></html>\r\n", false, false, {}},
        {"150\r\nBrindle.exe\r\nBrindle.exe\r\n", true, false, {}},
        {"150\r\nBrindle.exe\r\nBrindle.exe\r\nx\r\n../../.bashrc\r\n", false, false,
         "The update list names a file that may not be used, on line 5: \"../../.bashrc\". The update is refused."},
        {"150\r\nhttp://elsewhere.example/x\r\nBrindle.exe\r\n", false, false,
         "The update list names a file that may not be used, on line 2: \"http://elsewhere.example/x\". "
         "The update is refused."},
        {"150\r\nBrindle.exe\r\n", false, false,
         "The update list ends with a file that has no local name, on line 2: \"Brindle.exe\". The update is refused."},
        {"150\r\nBrindle.exe\r\nBrindle.exe\r\nUPDATE.exe\r\n", false, false,
         "The update list ends with a file that has no local name, on line 4: \"UPDATE.exe\". The update is refused."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.list.constData());
        writeFile(path("Brindle.exe"), "old");
        serve({{"quillmark.txt", file(c.list)}, {"Brindle.exe", file("new")}});
        const int before = fontLoads;
        const qsizetype warnings = modals.messages(Modal::MessageKind::Warning).size();
        modals.runWindow(StartupCaption, 20000);
        if (c.asked)
            modals.answerConfirm(c.answer);
        start();

        EXPECT_EQ(fontLoads, before + 1);
        EXPECT_EQ(form.ProgressBar2->value(), 4);
        EXPECT_EQ(requested(), QStringList({"/PV/quillmark.txt"}));
        EXPECT_EQ(readFile(path("Brindle.exe")), "old");
        EXPECT_FALSE(programClosed);
        const QStringList shownWarnings = modals.messages(Modal::MessageKind::Warning).mid(warnings);
        EXPECT_EQ(shownWarnings, c.warning.isEmpty() ? QStringList() : QStringList({c.warning}));
        EXPECT_TRUE(modals.finished());
    }
}

TEST_F(StartupWindowTest, FailedFileOffersCancelUpdateWhichReplacesNothing)
{
    writeFile(path("Brindle.exe"), "old");
    serve({{"quillmark.txt", file("150\r\nBrindle.exe\r\nBrindle.exe\r\nmissing.dat\r\nmissing.dat\r\n")},
           {"Brindle.exe", file("new")}});
    modals.onWindow<TForm15>([this](TForm15 &w) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.CancelUpdate->isVisible(); }));
        w.CancelUpdate->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !w.isVisible(); }));
    });
    modals.answerConfirm(true);
    start();

    EXPECT_EQ(requested(), QStringList({"/PV/quillmark.txt", "/PV/Brindle.exe", "/PV/missing.dat"}));
    EXPECT_EQ(readFile(path("Brindle.exe")), "old");
    EXPECT_FALSE(QFileInfo::exists(path("UPDATE.PART")));
    EXPECT_TRUE(started.isEmpty());
    EXPECT_FALSE(programClosed);
    EXPECT_EQ(fontLoads, 1);
}

TEST_F(StartupWindowTest, ReleaseNotesAreShownOnceEvenWhenEmptyAndDeleted)
{
    form.CheckUpdates = false;
    writeFile(path("NEW.TEMP"), "");
    modals.runWindow(StartupCaption);
    modals.acceptWindow<TForm16>();
    start();
    EXPECT_EQ(modals.windowCaptions(), QStringList({"System Update", "New Features and Fixs"}));
    EXPECT_FALSE(QFileInfo::exists(path("NEW.TEMP")));
    EXPECT_EQ(form.ProgressBar2->value(), 3);
}

// The news window only shows text: Escape closes it as its Ok does.
TEST(NewsWindow, EscapeClosesIt)
{
    TForm16 news;
    news.setModal(false);
    news.show();
    QTest::keyClick(&news, Qt::Key_Escape);
    EXPECT_FALSE(news.isVisible());
}
