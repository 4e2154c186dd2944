#include "net/UpdateList.h"
#include "net/UpdateStaging.h"
#include "platform/RuntimeError.h"
#include "support/FileFixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using FileFixtures::readFile;
using FileFixtures::writeFile;

TEST(UpdateList, VersionPairsAndNewerRule)
{
    struct Case
    {
        QStringList lines;
        std::optional<int> version;
        size_t files;
        bool newer; // than 141
    };
    const Case cases[] = {
        {{"150", "Brindle.exe", "Brindle.exe"}, 150, 1, true},
        {{"150", "a", "b", "c"}, 150, 1, true},                // a line without a partner makes no file
        {{"150", "a", "b", "c", "d"}, 150, 2, true},
        {{"141", "a", "b"}, 141, 1, false},                    // equal version
        {{"150"}, 150, 0, false},                              // too short
        {{}, std::nullopt, 0, false},
        {{"<html><body>404</body></html>", "a", "b"}, std::nullopt, 1, false},
        {{" 150 ", "a", "b"}, 150, 1, true},
        {{"0x200", "a", "b"}, std::nullopt, 1, false},         // not a decimal version
        {{"99999999999", "a", "b"}, std::nullopt, 1, false},   // out of range
    };
    for (const Case &c : cases) {
        const UpdateList list = UpdateList::fromLines(c.lines);
        SCOPED_TRACE(c.lines.join(u'|').toStdString());
        EXPECT_EQ(list.version(), c.version);
        EXPECT_EQ(list.files().size(), c.files);
        EXPECT_EQ(list.isNewerThan(141), c.newer);
    }
}

TEST(UpdateList, NamesThatLeaveTheFolderAreRefused)
{
    struct Case
    {
        const char *name;
        bool local;
        bool remote;
    };
    const Case cases[] = {
        {"Brindle.exe", true, true},
        {"DATA/buttons/new.bmp", true, true},
        {"DATA\\new.bmp", true, true},
        {"../../.bashrc", false, false},
        {"DATA/../../x", false, false},
        {"/usr/bin/x", false, false},
        {"\\\\server\\share\\x", false, false},
        {"C:\\Windows\\x.exe", false, false},
        {"c:x", false, false},
        {"http://elsewhere.example/x", false, false},
        {"//elsewhere.example/x", false, false},
        {"", false, false},
        {"./x", false, false},
        {"a//b", false, false},
        {"a/", false, false},
        {"x\ny", false, false},
        {"x.exe?y=1", true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(UpdateNames::isSafeLocalName(QString::fromLatin1(c.name)), c.local);
        EXPECT_EQ(UpdateNames::isSafeRemoteName(QString::fromLatin1(c.name)), c.remote);
    }
    EXPECT_EQ(UpdateList::fromLines({"150", "a", "b", "c", "../x"}).firstUnsafeLine(), 5);
    EXPECT_EQ(UpdateList::fromLines({"150", "http://h/a", "b"}).firstUnsafeLine(), 2);
    EXPECT_EQ(UpdateList::fromLines({"150", "a", "b", "../lone"}).firstUnsafeLine(), 0);
    EXPECT_EQ(UpdateNames::remoteAddress("http://h/PV", "a"), "http://h/PV/a");
    EXPECT_EQ(UpdateNames::remoteAddress("http://h/PV/", "a"), "http://h/PV/a");
}

// A remote name without its local name is refused like an unsafe name.
TEST(UpdateList, AnIncompletePairIsNamed)
{
    const struct
    {
        QStringList lines;
        int incomplete;
    } cases[] = {
        {{"150", "Brindle.exe"}, 2},
        {{"150", "a", "b", "UPDATE.exe"}, 4},
        {{"150", "a", "b"}, 0},
        {{"150", "a", "b", "c", "d"}, 0},
        {{"150"}, 0},
        {{}, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(UpdateList::fromLines(c.lines).incompleteLine(), c.incomplete) << c.lines.join(u'|').toStdString();
}

TEST(UpdateList, OversizedOrMissingFileIsNoList)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("TEMP.UP");
    EXPECT_TRUE(UpdateList::readLines(path).isEmpty());
    writeFile(path, "150\r\na\r\nb\r\n");
    EXPECT_EQ(UpdateList::readLines(path), QStringList({"150", "a", "b"}));
    writeFile(path, "150\r\n" + QByteArray(UpdateList::MaxBytes, 'x'));
    EXPECT_TRUE(UpdateList::readLines(path).isEmpty());
}

class UpdateStagingTest : public ::testing::Test
{
protected:
    QString path(const QString &relative) const { return m_dir.path() + u'/' + relative; }
    QTemporaryDir m_dir;
    UpdateStaging staging{m_dir.path() + u'/'};
};

TEST_F(UpdateStagingTest, FilesGoInOnlyAtCommitAndTheLaterOfTwoSameNamesWins)
{
    writeFile(path("Brindle.exe"), "old");
    staging.begin();
    writeFile(staging.stagedPath(0), "new");
    writeFile(staging.stagedPath(1), "first");
    writeFile(staging.stagedPath(2), "second");
    EXPECT_EQ(readFile(path("Brindle.exe")), "old");
    staging.commit({{"r", "Brindle.exe"}, {"r", "sub/dup.txt"}, {"r", "sub\\dup.txt"}});
    EXPECT_EQ(readFile(path("Brindle.exe")), "new");
    EXPECT_EQ(readFile(path("sub/dup.txt")), "second");
    EXPECT_FALSE(QFileInfo::exists(path("UPDATE.PART")));
    EXPECT_FALSE(QFileInfo::exists(path("Brindle.exe.kept")));
}

TEST_F(UpdateStagingTest, AFailedMovePutsBackWhatItReplaced)
{
    writeFile(path("a.txt"), "old a");
    writeFile(path("plain"), "a file where a folder should be");
    staging.begin();
    writeFile(staging.stagedPath(0), "new a");
    writeFile(staging.stagedPath(1), "new b");
    EXPECT_THROW(staging.commit({{"r", "a.txt"}, {"r", "plain/b.txt"}}), RuntimeError);
    EXPECT_EQ(readFile(path("a.txt")), "old a");
    EXPECT_EQ(readFile(path("plain")), "a file where a folder should be");
    EXPECT_FALSE(QFileInfo::exists(path("a.txt.kept")));

    staging.discard();
    staging.begin();   // a fresh start finds nothing of the last attempt
    EXPECT_FALSE(QFileInfo::exists(staging.stagedPath(0)));
}
