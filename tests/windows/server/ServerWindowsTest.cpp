// The designer's side of the user's own server: the options tab, the
// commands' one-sentence guidance, the preview window's failure report and
// the import's searchable list, all without a real server.
#include "platform/IniFile.h"
#include "serverworld/ServerWorld.h"
#include "support/FileFixtures.h"
#include "support/PrivateTempFolder.h"
#include "windows/main/MainWindowFixture.h"
#include "windows/options/TForm12.h"
#include "windows/server/ServerImportDialog.h"
#include "windows/server/ServerPreviewWindow.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QThread>

namespace {

// Lets the event loop run until `done` or the deadline.
template <typename Done>
bool waitFor(Done done, int ms = 15000)
{
    const QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    return done();
}

class ServerWindowsTest : public MainWindowTest
{
protected:
    TForm12 &options() { return *window->control<TForm12>("Form12"); }
    QString fakeServer(const QString &body)
    {
        const QString program = path("fake-server.sh");
        writeFile("fake-server.sh", ("#!/bin/sh\n" + body + "\n").toUtf8());
        QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner);
        return program;
    }
    QStringList worlds() const
    {
        return QDir::temp().entryList({QLatin1String(ServerWorld::FolderPrefix) + "*"}, QDir::Dirs);
    }
    PrivateTempFolder m_temp; // worlds are counted where no other test makes them
};

} // namespace

TEST_F(ServerWindowsTest, TheServerTabKeepsProgramAndScriptsInTheSettingsFile)
{
    boot();
    options().SphereProgramEdit->setText(" /opt/sphere/SphereSvr ");
    options().ShardScriptsEdit->setText("/srv/shard/scripts");
    options().Button2Click();
    const IniFile ini(path("quillmark.INI"));
    EXPECT_EQ(ini.readString("Server", "Program", {}), "/opt/sphere/SphereSvr");
    EXPECT_EQ(ini.readString("Server", "Scripts", {}), "/srv/shard/scripts");
    EXPECT_EQ(window->settings().sphereProgram, "/opt/sphere/SphereSvr");
}

TEST_F(ServerWindowsTest, CheckingAProgramTellsWhyItDoesNotWork)
{
    boot();
    const struct {
        QString program;
        QString expected;
    } rows[] = {
        {path("no-such-server"), "there is no server program at"},
        {fakeServer("echo 'cannot open map0.mul'\nexit 1"), "cannot open map0.mul"},
    };
    for (const auto &row : rows) {
        options().SphereProgramEdit->setText(row.program);
        options().SphereProgramCheck->click();
        ASSERT_TRUE(waitFor([&] { return options().SphereProgramStatus->text().startsWith("Does not work"); }))
            << options().SphereProgramStatus->text().toStdString();
        EXPECT_TRUE(options().SphereProgramStatus->text().contains(row.expected))
            << options().SphereProgramStatus->text().toStdString();
    }
}

// Until the program (and for the import the scripts folder) is named, each
// command says in one sentence what to set and where.
TEST_F(ServerWindowsTest, TheCommandsSayWhatToSetFirst)
{
    boot();
    const struct {
        const char *action;
        QString program;
        QString expected;
    } rows[] = {
        {"ServerPreview1", "", "Name your Sphere server's program under Options, tab \"Server\", first."},
        {"ImportFromServer1", "", "Name your Sphere server's program under Options, tab \"Server\", first."},
        {"ImportFromServer1", "/opt/sphere/SphereSvr", "Name your shard's scripts folder under Options, tab \"Server\", first."},
    };
    const QString offer = QStringLiteral(" Open the options at that tab now?");
    for (const auto &row : rows) {
        modals->forgetShown();
        window->settings().sphereProgram = row.program;
        modals->answerConfirm(false);
        window->control<QAction>(row.action)->trigger();
        ASSERT_EQ(modals->shown().size(), 1) << row.action;
        EXPECT_EQ(modals->shown().first().text, row.expected + offer) << row.action;
    }
    // Yes opens the options at the Server tab; what is still missing stays named.
    window->settings().sphereProgram.clear();
    modals->answerConfirm(true);
    modals->onWindow<TForm12>([](TForm12 &options) {
        EXPECT_EQ(options.PageControl1->tabText(options.PageControl1->currentIndex()), "Server");
        options.reject();
    });
    window->control<QAction>("ServerPreview1")->trigger();
    EXPECT_TRUE(modals->finished());
    EXPECT_EQ(window->control<QLabel>("Label8")->text(), rows[0].expected);
}

TEST_F(ServerWindowsTest, APreviewWhoseServerExitsShowsItsLastLinesAndLeavesNothing)
{
    boot();
    const QStringList before = worlds();
    window->settings().sphereProgram = fakeServer("echo 'ERROR: the world cannot be read'\nexit 2");
    window->control<QAction>("ServerPreview1")->trigger();
    auto *preview = window->control<ServerPreviewWindow>("ServerPreview");
    ASSERT_TRUE(waitFor([&] { return !preview->busy() && !preview->Failure->isHidden(); }));
    EXPECT_TRUE(preview->Failure->text().contains("the world cannot be read")) << preview->Failure->text().toStdString();
    EXPECT_EQ(worlds(), before);
    preview->close();
}

TEST_F(ServerWindowsTest, TheImportListsTheShardsDialogsAndSearchesThem)
{
    FileFixtures::writeFile(path("shard/a.scp"), "[DIALOG d_bank]\n0,0\n[DIALOG d_bank TEXT]\nx\n[DIALOG D_Runebook]\n0,0\n");
    FileFixtures::writeFile(path("shard/sub/b.SCP"), "[dialog d_banker]\n0,0\n[DIALOG d_bank]\n0,0\n");
    ServerImportDialog dialog(path("shard"));
    ASSERT_TRUE(waitFor([&] { return dialog.namesRead(); }));
    const struct {
        QString search;
        QStringList shown;
    } rows[] = {
        {"", {"d_bank", "d_banker", "D_Runebook"}},
        {"BANK", {"d_bank", "d_banker"}},
        {"rune", {"D_Runebook"}},
        {"nothing", {}},
    };
    for (const auto &row : rows) {
        dialog.Search->setText(row.search);
        QStringList shown;
        for (int i = 0; i < dialog.Names->count(); ++i)
            shown << dialog.Names->item(i)->text();
        EXPECT_EQ(shown, row.shown) << row.search.toStdString();
        EXPECT_EQ(dialog.OkButton->isEnabled(), !row.shown.isEmpty());
    }
}
