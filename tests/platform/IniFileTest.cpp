#include "platform/IniFile.h"
#include "platform/RuntimeError.h"
#include "support/FileFixtures.h"
#include "support/TextFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using FileFixtures::readFile;
using FileFixtures::writeFile;

namespace {

const QByteArray handWritten =
    "; settings written by hand\r\n"
    "[Realtime Engine]\r\n"
    "Enabled=1\r\n"
    "  Delay = 250  \r\n"
    "; a comment inside a section\r\n"
    "Unknown Key=kept as it is\r\n"
    "\r\n"
    "[STYLE]\r\n"
    "Color=$00a0b0c0\r\n"
    "Quoted=\"with spaces \"\r\n"
    "Hex=0x10\r\n"
    "Word=abc\r\n"
    "\r\n"
    "[Files]\r\n"
    "Last=C:\\gumps\\a.SDF\r\n";

class IniFileTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath("Quillmark.INI"); }
};

} // namespace

TEST_F(IniFileTest, ReadsSectionsAndKeysIgnoringCase)
{
    writeFile(path(), handWritten);
    const IniFile ini(path());
    EXPECT_EQ(ini.readString("realtime engine", "ENABLED", "x"), "1");
    EXPECT_EQ(ini.readInteger("Realtime Engine", "delay", 0), 250);
    EXPECT_EQ(ini.readString("REALTIME ENGINE", "unknown key", ""), "kept as it is");
    EXPECT_EQ(ini.readString("style", "color", ""), "$00a0b0c0");
    EXPECT_EQ(ini.readString("STYLE", "Quoted", ""), "with spaces ");
    EXPECT_EQ(ini.readInteger("STYLE", "Hex", 0), 16);
    EXPECT_EQ(ini.readString("files", "last", ""), "C:\\gumps\\a.SDF");
    EXPECT_TRUE(ini.sectionExists("files"));
    EXPECT_TRUE(ini.valueExists("Realtime Engine", "Delay"));
    EXPECT_FALSE(ini.valueExists("Realtime Engine", "Color")); // belongs to another section
}

TEST_F(IniFileTest, MissingFileSectionKeyOrNumberGivesTheDefault)
{
    const IniFile none(dir.filePath("absent.INI"));
    EXPECT_EQ(none.readString("STYLE", "Color", "clWhite"), "clWhite");
    EXPECT_EQ(none.readInteger("STYLE", "Size", 7), 7);
    EXPECT_TRUE(none.readBool("STYLE", "On", true));
    EXPECT_FALSE(none.sectionExists("STYLE"));

    writeFile(path(), handWritten);
    const IniFile ini(path());
    EXPECT_EQ(ini.readString("Mouse", "Speed", "3"), "3");
    EXPECT_EQ(ini.readInteger("STYLE", "Word", 5), 5);
    EXPECT_EQ(ini.readInteger("STYLE", "Missing", -2), -2);
    EXPECT_TRUE(ini.readBool("Realtime Engine", "Enabled", false));
    EXPECT_FALSE(ini.readBool("Realtime Engine", "Absent", false));
}

TEST_F(IniFileTest, WritingOneKeyKeepsEverythingElseInPlace)
{
    writeFile(path(), handWritten);
    IniFile ini(path());
    ini.writeString("realtime engine", "DELAY", "100");  // existing key, other case
    ini.writeInteger("Style", "Size", 12);                // new key in existing section
    ini.writeBool("Ruler", "Show", true);                 // new section
    EXPECT_EQ(readFile(path()),
              "; settings written by hand\r\n"
              "[Realtime Engine]\r\n"
              "Enabled=1\r\n"
              "DELAY=100\r\n"
              "; a comment inside a section\r\n"
              "Unknown Key=kept as it is\r\n"
              "\r\n"
              "[STYLE]\r\n"
              "Color=$00a0b0c0\r\n"
              "Quoted=\"with spaces \"\r\n"
              "Hex=0x10\r\n"
              "Word=abc\r\n"
              "Size=12\r\n"
              "\r\n"
              "[Files]\r\n"
              "Last=C:\\gumps\\a.SDF\r\n"
              "\r\n"
              "[Ruler]\r\n"
              "Show=1\r\n");
    EXPECT_EQ(IniFile(path()).readInteger("REALTIME ENGINE", "delay", 0), 100);
}

TEST_F(IniFileTest, CreatesMissingFileAndReadsForeignLineEnds)
{
    IniFile ini(path());
    ini.writeString("NORMALS", "TOTAL", "10");
    EXPECT_EQ(readFile(path()), "[NORMALS]\r\nTOTAL=10\r\n");

    writeFile(path(), "[A]\nx=1\ny=2\n");
    EXPECT_EQ(IniFile(path()).readString("a", "y", ""), "2");
    writeFile(path(), "[A]\rx=1\ry=2");
    EXPECT_EQ(IniFile(path()).readString("a", "y", ""), "2");
}

TEST_F(IniFileTest, TwoObjectsOnOneFileSeeEachOthersWrites)
{
    writeFile(path(), handWritten);
    IniFile first(path());
    IniFile second(path());
    EXPECT_EQ(second.readString("STYLE", "Word", ""), "abc");
    first.writeString("STYLE", "Word", "xyz"); // same length as before
    EXPECT_EQ(second.readString("STYLE", "Word", ""), "xyz");
    second.writeString("Files", "Next", "b.SDF");
    EXPECT_EQ(first.readString("STYLE", "Word", ""), "xyz");
    EXPECT_EQ(first.readString("Files", "Next", ""), "b.SDF");
}

TEST_F(IniFileTest, FailedWriteRaisesUnableToWriteAndChangesNothing)
{
    // A path below a regular file cannot be created, even by root.
    writeFile(dir.filePath("blocker"), "not a directory");
    const QString unwritable = dir.filePath("blocker/settings.INI");
    IniFile ini(unwritable);
    try {
        ini.writeString("STYLE", "Color", "clRed");
        FAIL() << "write did not fail";
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.message(), "Unable to write to " + unwritable);
    }
    EXPECT_EQ(ini.readString("STYLE", "Color", "none"), "none");
}

TEST(IniFileWriteAll, AllKeysInOneRewriteOrNoneWhenItFails)
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/a.INI");
    writeTextFile(path, QStringLiteral("; kept\r\n[A]\r\nx=1\r\n"));
    IniFile file(path);
    file.writeAll({{QStringLiteral("a"), QStringLiteral("X"), QStringLiteral("2")},
                   {QStringLiteral("B"), QStringLiteral("y"), QStringLiteral("3")},
                   {QStringLiteral("A"), QStringLiteral("z"), QStringLiteral("4")}});
    EXPECT_EQ(readTextFile(path), QStringLiteral("; kept\r\n[A]\r\nX=2\r\nz=4\r\n\r\n[B]\r\ny=3\r\n"));

    IniFile unwritable(dir.path() + QStringLiteral("/missing/b.INI"));
    EXPECT_THROW(unwritable.writeAll({{QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("1")}}), RuntimeError);
    EXPECT_EQ(unwritable.readString(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("none")), QStringLiteral("none"));
}
