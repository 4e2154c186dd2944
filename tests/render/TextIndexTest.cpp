#include "assets/HueLibrary.h"
#include "platform/RuntimeError.h"
#include "render/TextIndex.h"
#include "support/TextFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class TextIndexTest : public ::testing::Test
{
protected:
    QString appDir() const { return m_dir.path() + u'/'; }
    void writeLibrary(const QString &text) const { writeTextFile(HueLibrary::pathIn(appDir()), text); }

private:
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(TextIndexTest, FirstEntryWithTheHueGivesTheColour)
{
    writeLibrary(QStringLiteral("[NORMALS]\r\nTOTAL=3\r\n[1]\r\nCOLOR=clRed\r\nSPHERE=95\r\n"
                                "[2]\r\nCOLOR=$00a0b0c0\r\nSPHERE=1152\r\n[3]\r\nCOLOR=clBlue\r\nSPHERE=95\r\n"));
    TextIndex index;
    index.rebuild(appDir());
    EXPECT_EQ(index.entryOf(QStringLiteral("0")), 0);   // every entry has its SPHERE
    EXPECT_EQ(index.entryOf(QStringLiteral("95")), 1);
    EXPECT_EQ(index.entryOf(QStringLiteral("1152")), 2);
    EXPECT_EQ(index.entryOf(QStringLiteral("7")), 0);

    const HueColors colors(index, appDir());
    EXPECT_EQ(colors.colorOf(QStringLiteral("95")), 0x0000FFu);
    EXPECT_EQ(colors.colorOf(QStringLiteral("1152")), 0x00A0B0C0u);
    EXPECT_EQ(colors.colorOf(QStringLiteral("7")), 0x000000u);
    EXPECT_EQ(colors.colorOf(QString()), 0x000000u);
}

TEST_F(TextIndexTest, MissingLibraryIndexesTenZeros)
{
    TextIndex index;
    index.rebuild(appDir());
    EXPECT_EQ(index.entryOf(QStringLiteral("95")), 0);
    // Hue 0 matches entry 1, which has no COLOR: black.
    EXPECT_EQ(index.entryOf(QStringLiteral("0")), 1);
    EXPECT_EQ(HueColors(index, appDir()).colorOf(QStringLiteral("0")), 0x000000u);
}

TEST_F(TextIndexTest, IndexWaitsForRebuildButColoursAreReadFresh)
{
    writeLibrary(QStringLiteral("[NORMALS]\r\nTOTAL=2\r\n[1]\r\nCOLOR=clRed\r\nSPHERE=0x1f\r\n[2]\r\nSPHERE=40\r\n"));
    TextIndex index;
    index.rebuild(appDir());
    EXPECT_EQ(index.entryOf(QStringLiteral("0X1F")), 1);   // compared ignoring case

    writeLibrary(QStringLiteral("[NORMALS]\r\nTOTAL=2\r\n[1]\r\nCOLOR=clLime\r\nSPHERE=1\r\n[2]\r\nSPHERE=40\r\n"));
    EXPECT_EQ(index.entryOf(QStringLiteral("0x1f")), 1);
    EXPECT_EQ(HueColors(index, appDir()).colorOf(QStringLiteral("0x1f")), 0x00FF00u);
    index.rebuild(appDir());
    EXPECT_EQ(index.entryOf(QStringLiteral("0x1f")), 0);
    EXPECT_EQ(index.entryOf(QStringLiteral("1")), 1);
}

TEST_F(TextIndexTest, BadColourTextRaisesTheConversionError)
{
    writeLibrary(QStringLiteral("[NORMALS]\r\nTOTAL=1\r\n[1]\r\nCOLOR=pinkish\r\nSPHERE=5\r\n"));
    TextIndex index;
    index.rebuild(appDir());
    const HueColors colors(index, appDir());
    EXPECT_THROW(colors.colorOf(QStringLiteral("5")), RuntimeError);
    EXPECT_EQ(colors.colorOf(QStringLiteral("6")), 0x000000u);
}

TEST_F(TextIndexTest, HugeTotalIsIndexedUpToTheCap)
{
    writeLibrary(QStringLiteral("[NORMALS]\r\nTOTAL=1000000000\r\n[2]\r\nSPHERE=77\r\n"));
    TextIndex index;
    index.rebuild(appDir());
    EXPECT_EQ(index.entryOf(QStringLiteral("0")), 1);
    EXPECT_EQ(index.entryOf(QStringLiteral("77")), 2);
}
