#include "platform/DataFolder.h"
#include "platform/RuntimeError.h"
#include "platform/ShareFolder.h"
#include "support/FileFixtures.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>
#include <gtest/gtest.h>

using FileFixtures::readFile;
using FileFixtures::writeFile;

namespace {

// A start folder, the user's data folder and the installed sample, below one
// temporary folder; each case prepares what it needs.
struct Layout {
    QString root;
    QString at(const QString &name) const { return QDir(root).filePath(name); }
    QString current() const { return at("here"); }
    QString user() const { return at("home/Quillmark"); }
    QString sample() const { return at("share/sample"); }
};

void makeSample(const Layout &l)
{
    writeFile(l.sample() + "/DATA/buttons/okay.bmp", "BMokay");
    writeFile(l.sample() + "/DATA/1F4.bmp", "BM1f4");
    writeFile(l.sample() + "/ColorLibary.INI", "[sample]");
    writeFile(l.sample() + "/UO0.CORE", "font");
}

struct Case {
    const char *name;
    std::function<void(const Layout &)> prepare;
    bool noUserFolder;
    bool expectOwn;
    bool expectMade;
    // Files of the chosen folder and what they must hold.
    std::vector<std::pair<const char *, QByteArray>> expectFiles;
};

const Case cases[] = {
    {"StartFolderWithLibraryIsKept",
     [](const Layout &l) { makeSample(l); writeFile(l.current() + "/data/x.bmp", "BM"); },
     false, false, false, {{"data/x.bmp", "BM"}}},
    {"NoUserFolderOnThisSystemKeepsTheStartFolder",
     [](const Layout &l) { makeSample(l); QDir().mkpath(l.current()); }, true, false, false, {}},
    {"FirstUseCopiesTheSample",
     [](const Layout &l) { makeSample(l); QDir().mkpath(l.current()); },
     false, true, true,
     {{"DATA/buttons/okay.bmp", "BMokay"}, {"DATA/1F4.bmp", "BM1f4"}, {"ColorLibary.INI", "[sample]"},
      {"UO0.CORE", "font"}}},
    {"LibraryAlreadyThereIsNotTouched",
     [](const Layout &l) { makeSample(l); writeFile(l.user() + "/DATA/1F4.bmp", "mine"); },
     false, true, false, {{"DATA/1F4.bmp", "mine"}}},
    {"UsersOwnFilesBesideAMissingLibraryAreKept",
     [](const Layout &l) { makeSample(l); writeFile(l.user() + "/ColorLibary.INI", "[mine]"); },
     false, true, true, {{"ColorLibary.INI", "[mine]"}, {"DATA/1F4.bmp", "BM1f4"}}},
    {"CopyBrokenOffEarlierIsRedone",
     [](const Layout &l) {
         makeSample(l);
         writeFile(l.user() + "/.sample-copy/DATA/1F4.bmp", "BMhal");
         writeFile(l.user() + "/.sample-copy/stale.txt", "left over");
     },
     false, true, true, {{"DATA/1F4.bmp", "BM1f4"}}},
    {"NoSampleInstalledGivesAnEmptyFolder", [](const Layout &) {}, false, true, false, {}},
};

class DataFolderRule : public testing::TestWithParam<Case> {};

TEST_P(DataFolderRule, ChoosesAndFills)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Layout l{dir.path()};
    const Case &c = GetParam();
    c.prepare(l);

    const DataFolder::Choice choice = DataFolder::choose(l.current(), c.noUserFolder ? QString() : l.user(), l.sample());
    const QString expected = (c.expectOwn ? l.user() : l.current()) + u'/';
    EXPECT_EQ(choice.path, expected);
    EXPECT_EQ(choice.ownFolder, c.expectOwn);
    EXPECT_EQ(choice.madeFromSample, c.expectMade);
    EXPECT_TRUE(QFileInfo(choice.path).isDir());
    for (const auto &[name, bytes] : c.expectFiles)
        EXPECT_EQ(readFile(choice.path + name), bytes) << name;
    EXPECT_FALSE(QFileInfo::exists(l.user() + "/.sample-copy"));
    EXPECT_FALSE(QFileInfo::exists(l.user() + "/stale.txt"));
    if (!c.expectOwn)
        EXPECT_FALSE(QFileInfo::exists(l.user()));
}

INSTANTIATE_TEST_SUITE_P(Cases, DataFolderRule, testing::ValuesIn(cases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(DataFolder, UserFolderThatCannotBeMadeIsAnError)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Layout l{dir.path()};
    makeSample(l);
    writeFile(l.at("home"), "a file where the folder should be");
    EXPECT_THROW(DataFolder::choose(l.current(), l.user(), l.sample()), RuntimeError);
}

TEST(ShareFolder, InstalledLayoutComesBeforeTheFolderBesideTheProgram)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString bin = dir.filePath("prefix/bin");
    writeFile(bin + "/share/quillmark/help/page.html", "beside");
    EXPECT_EQ(readFile(ShareFolder::find(bin, "help/page.html")), "beside");
    writeFile(dir.filePath("prefix/share/quillmark/help/page.html"), "installed");
    EXPECT_EQ(readFile(ShareFolder::find(bin, "help/page.html")), "installed");
    EXPECT_TRUE(ShareFolder::find(bin, "sample").isEmpty());
}

} // namespace
