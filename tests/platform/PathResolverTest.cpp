#include "platform/PathResolver.h"
#include "support/FileFixtures.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using FileFixtures::writeFile;

namespace {

class PathResolverTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = dir.path() + "/";
        writeFile(root + "DATA/Buttons/okay.CS", "F7\r\nF8\r\n");
        writeFile(root + "DATA/Buttons/okay.Bmp", "BM");
        writeFile(root + "DATA/1F4.bmp", "BM");
        writeFile(root + "DATA/ABC.BMP", "BM");
        writeFile(root + "DATA/b.bmpx", "no");
        writeFile(root + "DATA/readme.txt", "no");
        writeFile(root + "DATA/resizepic/9200.bmp", "BM");
    }
    QTemporaryDir dir;
    QString root;
};

} // namespace

TEST_F(PathResolverTest, MatchesEveryComponentIgnoringCase)
{
    const QString expected = root + "DATA/Buttons/okay.CS";
    EXPECT_EQ(PathResolver::resolve(root, "DATA/buttons/okay.CS"), expected);
    EXPECT_EQ(PathResolver::resolve(root, "DATA/BUTTONS/okay.cs"), expected);
    EXPECT_EQ(PathResolver::resolve(root, "data/Buttons/OKAY.cs"), expected);
    EXPECT_EQ(PathResolver::resolve(root + "DATA/buttons/okay.cs"), expected);
    EXPECT_EQ(PathResolver::resolve(root + "DATA/buttons/okay.bmp"), root + "DATA/Buttons/okay.Bmp");
    EXPECT_EQ(PathResolver::resolve(root, "DATA/1f4.BMP"), root + "DATA/1F4.bmp");
    EXPECT_EQ(PathResolver::resolve(root, "DATA/ReSizePic/"), root + "DATA/resizepic/");
}

TEST_F(PathResolverTest, ExactNameWinsAndUnknownNamesKeepTheirSpelling)
{
    writeFile(root + "DATA/BUTTONS/okay.cs", "1\r\n2\r\n");
    EXPECT_EQ(PathResolver::resolve(root, "DATA/BUTTONS/okay.cs"), root + "DATA/BUTTONS/okay.cs");
    EXPECT_EQ(PathResolver::resolve(root, "DATA/Buttons/okay.CS"), root + "DATA/Buttons/okay.CS");
    // A new file's path: existing folders found, the new name as asked for.
    EXPECT_EQ(PathResolver::resolve(root, "data/resizepic/New.bmp"), root + "DATA/resizepic/New.bmp");
    EXPECT_EQ(PathResolver::resolve(root, "AutoSave/Auto.1"), root + "AutoSave/Auto.1");
}

TEST_F(PathResolverTest, ListsBitmapsIgnoringTheCaseOfTheExtension)
{
    EXPECT_EQ(PathResolver::filesWithExtension(root + "DATA/", ".bmp"),
              QStringList({"1F4.bmp", "ABC.BMP"}));
    EXPECT_EQ(PathResolver::filesWithExtension(root + "data/BUTTONS/", ".bmp"), QStringList({"okay.Bmp"}));
    EXPECT_TRUE(PathResolver::filesWithExtension(root + "DATA/none/", ".bmp").isEmpty());
}

TEST_F(PathResolverTest, LinksThatLeadOutOfDataNameNoFile)
{
    QTemporaryDir outside;
    writeFile(outside.path() + "/secret.bmp", "BM");
    const struct { QString link, target; } links[] = {
        {"DATA/away.bmp", outside.path() + "/secret.bmp"},
        {"DATA/away", outside.path()},
        {"DATA/Buttons/up", root + "DATA"},
        {"DATA/Buttons/ok2.bmp", root + "DATA/Buttons/okay.Bmp"},
        {"DATA/dangling.bmp", outside.path() + "/gone.bmp"},
    };
    for (const auto &l : links)
        ASSERT_TRUE(QFile::link(l.target, root + l.link)) << l.link.toStdString();

    const struct { const char *relative; bool found; } cases[] = {
        {"DATA/away.bmp", false},         // a file linked from outside
        {"DATA/AWAY/secret.bmp", false},  // a folder linked from outside
        {"DATA/away/new.bmp", false},     // nor can anything new go there
        {"DATA/dangling.bmp", false},
        {"DATA/buttons/up/1F4.bmp", true},     // links within DATA keep working
        {"DATA/Buttons/OK2.bmp", true},
        {"DATA/1f4.bmp", true},
        {"DATA/missing.bmp", true},             // a new file inside is fine
        {"DATA/../DATA/1F4.bmp", false},
    };
    for (const auto &c : cases) {
        const QString path = PathResolver::resolveInData(root, c.relative);
        EXPECT_EQ(!path.isNull(), c.found) << c.relative << " -> " << path.toStdString();
    }
    EXPECT_EQ(PathResolver::resolveInData(root, "DATA/buttons/OK2.bmp"), root + "DATA/Buttons/ok2.bmp");
}
