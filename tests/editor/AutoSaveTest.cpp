#include "editor/AutoSave.h"
#include "editor/SettingsLocation.h"
#include "platform/IniFile.h"
#include "platform/RuntimeError.h"
#include "support/TextFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <future>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class AutoSaveTest : public ::testing::Test
{
protected:
    QString appDir() const { return m_dir.path() + u'/'; }
    QString iniPath() const { return m_dir.path() + QStringLiteral("/quillmark.INI"); }
    QString ini(const QString &section, const QString &key) const
    {
        return IniFile(iniPath()).readString(section, key, QStringLiteral("<missing>"));
    }
    AutoSaveRing::Result save(const QStringList &lines = {QStringLiteral("{BOP"), QStringLiteral("0"), QStringLiteral("}EOP")})
    {
        IniFile file(iniPath());
        return AutoSaveRing::saveOnce(file, appDir(), lines, QStringLiteral("(1.1) Insert"));
    }
    void setSlot(const QString &current, const QString &total)
    {
        IniFile file(iniPath());
        file.writeAll({{QStringLiteral("Files"), QStringLiteral("AutoCurrent"), current},
                       {QStringLiteral("Files"), QStringLiteral("AutoT"), total}});
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(AutoSaveTest, FirstAutosaveCreatesTheFolderTheSlotAndTheTwelveKeysInOrder)
{
    ASSERT_FALSE(QFileInfo::exists(appDir() + QStringLiteral("AutoSave")));
    const AutoSaveRing::Result r = save();
    EXPECT_EQ(r.file, appDir() + QStringLiteral("AutoSave/Auto.0"));
    EXPECT_EQ(readTextFile(r.file), QStringLiteral("{BOP\r\n0\r\n}EOP\r\n"));
    EXPECT_EQ(r.nextSlot, 1);
    EXPECT_TRUE(r.problems.isEmpty());
    EXPECT_EQ(readTextFile(iniPath()),
              QStringLiteral("[Realtime Engine]\r\nTransparent=1\r\nTextcolors=1\r\n\r\n"
                             "[Files]\r\nAuto=5\r\nAutoT=5\r\nAuto1=0\r\nAuto2=1\r\nAuto3=0\r\nAutoCurrent=1\r\n\r\n"
                             "[Mouse]\r\nLEFT=Select + Drag\r\nRIGHT=Menu\r\n\r\n[COLOR]\r\nBackground=clWhite\r\n\r\n"
                             "[STYLE]\r\nDrawengine=(1.1) Insert\r\n"));
}

TEST_F(AutoSaveTest, TheRingWrapsAfterTotal)
{
    struct Case { const char *current, *total; QList<int> written; int storedAfter; };
    const Case cases[] = {
        {"5", "5", {5, 0}, 1},
        {"10", "3", {10, 0, 1, 2, 3, 0}, 1},   // Total lowered below the slot
        {"2147483647", "5", {2147483647, 0}, 1},
        {"0", "1", {0, 1, 0}, 1},
    };
    for (const Case &c : cases) {
        setSlot(QString::fromLatin1(c.current), QString::fromLatin1(c.total));
        for (int slot : c.written)
            EXPECT_EQ(save().file, AutoSaveRing::slotPath(appDir(), slot)) << c.current << " / " << c.total;
        EXPECT_EQ(ini(QStringLiteral("Files"), QStringLiteral("AutoCurrent")), QString::number(c.storedAfter));
    }
}

TEST_F(AutoSaveTest, SlotOrTotalThatIsNotANumberIsNamedAndTheRingGoesOn)
{
    struct Case { const char *current, *total; int written; QStringList problems; };
    const Case cases[] = {
        {"abc", "many", 0, {"'abc' is not a valid integer value", "'many' is not a valid integer value"}},
        // A ring the options window cannot set takes the default size.
        {"3", "0", 3, {"'0' is not a value from 1 to 20"}},
        {"3", "500", 3, {"'500' is not a value from 1 to 20"}},
    };
    for (const Case &c : cases) {
        setSlot(QString::fromLatin1(c.current), QString::fromLatin1(c.total));
        const AutoSaveRing::Result r = save();
        EXPECT_EQ(r.file, AutoSaveRing::slotPath(appDir(), c.written)) << c.total;
        EXPECT_EQ(r.problems, c.problems) << c.total;
        EXPECT_EQ(ini(QStringLiteral("Files"), QStringLiteral("AutoCurrent")), QString::number(c.written + 1));
        EXPECT_EQ(ini(QStringLiteral("Files"), QStringLiteral("AutoT")), QStringLiteral("5")) << c.total;
        EXPECT_TRUE(save().problems.isEmpty()) << c.total;   // named once: the file holds good numbers now
    }
}

// However fast slots come while the commit thread is busy, one file per slot
// waits beside its target, and none is left once the commits are done.
TEST_F(AutoSaveTest, SlotsFasterThanTheirCommitsLeaveNoFilesBehind)
{
    std::promise<void> release;
    const std::shared_future<void> go = release.get_future().share();
    std::atomic<int> commits = 0;
    const QDir folder(AutoSaveRing::folderOf(appDir()));
    const auto aside = [&] { return folder.entryList({QStringLiteral("*.new-*")}, QDir::Files | QDir::Hidden); };
    QStringList failures;
    {
        AutoSaveRing::SlotCommits ring([&](const QString &m) { failures << m; },
                                        [&](SafeFile::Pending &p) { go.wait(); ++commits; p.commit(); });
        QDir().mkpath(folder.path());
        for (int k = 0; k < 300; ++k)
            ring.add(SafeFile::writeAside(AutoSaveRing::slotPath(appDir(), k % 3), QByteArray::number(k)));
        EXPECT_LE(aside().size(), 4);   // the one held on the thread and one per slot
        release.set_value();
        ring.waitForDone();
    }
    EXPECT_TRUE(aside().isEmpty()) << aside().join(u' ').toStdString();
    for (int slot : {0, 1, 2})
        EXPECT_EQ(readTextFile(AutoSaveRing::slotPath(appDir(), slot)), QString::number(297 + slot));
    EXPECT_LE(commits, 4);
    EXPECT_TRUE(failures.isEmpty());
}

TEST_F(AutoSaveTest, FolderThatCannotBeCreatedFailsWithoutAdvancing)
{
    writeTextFile(appDir() + QStringLiteral("AutoSave"), QStringLiteral("a file in the folder's place"));
    try {
        save();
        FAIL() << "no error";
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Cannot create file ") + AutoSaveRing::slotPath(appDir(), 0));
    }
    EXPECT_FALSE(QFileInfo::exists(iniPath()));

    AutoSaveRing::FailureNotice notice;
    EXPECT_EQ(notice.failed(QStringLiteral("x")), QStringLiteral("x"));
    EXPECT_EQ(notice.failed(QStringLiteral("x")), std::nullopt);
    notice.succeeded();
    EXPECT_EQ(notice.failed(QStringLiteral("x")), QStringLiteral("x"));
}

TEST_F(AutoSaveTest, SettingsBesideTheExecutableUnlessItsFolderIsReadOnly)
{
    const QString bin = m_dir.path() + QStringLiteral("/bin"), config = m_dir.path() + QStringLiteral("/config");
    QDir().mkpath(bin);
    const SettingsLocation beside = SettingsLocation::choose(bin + QStringLiteral("/quillmark"), config);
    EXPECT_EQ(beside.path, bin + QStringLiteral("/quillmark.INI"));
    EXPECT_FALSE(beside.inConfigFolder);

    // A folder that does not exist stands for one that cannot be written
    // (root writes everywhere, so permissions cannot show it here).
    const SettingsLocation moved = SettingsLocation::choose(m_dir.path() + QStringLiteral("/gone/quillmark"), config);
    EXPECT_EQ(moved.path, config + QStringLiteral("/quillmark.INI"));
    EXPECT_TRUE(moved.inConfigFolder);
    EXPECT_TRUE(QFileInfo(config).isDir());
}

// A process killed in the middle of autosaves leaves every slot and the
// settings file whole: each holds what an autosave wrote in full, or what it held before.
TEST_F(AutoSaveTest, KillDuringAutosaveLeavesWholeFiles)
{
    QStringList big;
    for (int i = 0; i < 200000; ++i)
        big << QStringLiteral("line %1 of a large design").arg(i);
    const QString bigText = big.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    const QString small = QStringLiteral("{BOP\r\n0\r\n}EOP\r\n");
    setSlot(QStringLiteral("0"), QStringLiteral("1"));
    save();
    save();   // slots 0 and 1 hold the small design

    for (int delayMs : {5, 20, 60}) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;)
                save(big);
        }
        usleep(delayMs * 1000);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        for (int slot : {0, 1}) {
            const QString text = readTextFile(AutoSaveRing::slotPath(appDir(), slot));
            EXPECT_TRUE(text == small || text == bigText) << "slot " << slot << " after " << delayMs << " ms";
        }
        const QString current = ini(QStringLiteral("Files"), QStringLiteral("AutoCurrent"));
        EXPECT_TRUE(current == u"0" || current == u"1") << current.toStdString();
        EXPECT_EQ(ini(QStringLiteral("STYLE"), QStringLiteral("Drawengine")), QStringLiteral("(1.1) Insert"));
    }
}
