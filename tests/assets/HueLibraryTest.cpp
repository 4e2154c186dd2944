#include "assets/HueLibrary.h"
#include "platform/RuntimeError.h"
#include "support/TextFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <limits>

namespace {

class HueLibraryTest : public ::testing::Test
{
protected:
    QString appDir() const { return m_dir.path() + u'/'; }
    QString libraryPath() const { return HueLibrary::pathIn(appDir()); }
    void writeLibrary(const QString &text) const { writeTextFile(libraryPath(), text); }

    // A library of `total` entries named "Hue n", colour n, SPHERE n * 100.
    void writeNumberedLibrary(int total) const
    {
        QString text = QStringLiteral("[NORMALS]\r\nTOTAL=%1\r\n").arg(total);
        for (int n = 1; n <= total; ++n)
            text += QStringLiteral("[%1]\r\nNAME=Hue %1\r\nCOLOR=$%2\r\nSPHERE=%3\r\n")
                        .arg(n).arg(n, 8, 16, QChar(u'0')).arg(n * 100);
        writeLibrary(text);
    }

    QString conversionError(const HueLibrary &library, int position, int slot) const
    {
        try {
            library.selectedHue(position, slot);
        } catch (const RuntimeError &e) {
            return e.message();
        }
        return QStringLiteral("no error");
    }

private:
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(HueLibraryTest, MissingFileGivesTheDefaults)
{
    const HueLibrary library(appDir());
    EXPECT_EQ(library.total(), 10);
    EXPECT_EQ(library.pickerMaximum(), 1);
    const QList<HueSlot> shown = library.pickerSlots(1);
    ASSERT_EQ(shown.size(), 10);
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(shown[k].entry, k + 1);
        EXPECT_EQ(shown[k].name, QStringLiteral("Example"));
        EXPECT_EQ(shown[k].color(), 0x000000u);
    }
    EXPECT_EQ(library.selectedHue(1, 0), 95);
    EXPECT_EQ(library.firstEntries(), (QHash<QString, int>{{QStringLiteral("0"), 1}}));
    EXPECT_FALSE(QFile::exists(libraryPath()));
}

TEST_F(HueLibraryTest, PickerRangeAndSlotsFollowTotal)
{
    writeNumberedLibrary(10);
    EXPECT_EQ(HueLibrary(appDir()).pickerMaximum(), 1);

    writeNumberedLibrary(25);
    const HueLibrary library(appDir());
    EXPECT_EQ(library.pickerMaximum(), 16);
    const QList<HueSlot> atEnd = library.pickerSlots(16);
    EXPECT_EQ(atEnd.first().entry, 16);
    EXPECT_EQ(atEnd.first().name, QStringLiteral("Hue 16"));
    EXPECT_EQ(atEnd.last().name, QStringLiteral("Hue 25"));
    EXPECT_EQ(atEnd.last().color(), 25u);

    // Fewer than ten entries: slots past TOTAL show the defaults.
    writeNumberedLibrary(3);
    const HueLibrary few(appDir());
    EXPECT_EQ(few.pickerMaximum(), 1);
    EXPECT_EQ(few.pickerSlots(1)[2].name, QStringLiteral("Hue 3"));
    EXPECT_EQ(few.pickerSlots(1)[3].name, QStringLiteral("Example"));
    EXPECT_EQ(few.pickerSlots(1)[3].colorText, QStringLiteral("clBlack"));
}

TEST_F(HueLibraryTest, OkReadsSphereOfPositionPlusSlotAtTheClick)
{
    writeNumberedLibrary(25);
    EXPECT_EQ(HueLibrary(appDir()).selectedHue(11, 3), 1400);

    // Read at the click, not taken from what the slot showed.
    writeLibrary(QStringLiteral("[NORMALS]\r\nTOTAL=25\r\n[14]\r\nSPHERE=1152\r\n"
                                "[15]\r\nSPHERE=abc\r\n[16]\r\nSPHERE=\r\n"));
    const HueLibrary library(appDir());
    EXPECT_EQ(library.selectedHue(11, 3), 1152);
    EXPECT_EQ(library.selectedHue(11, 2), 95);   // section 13 is missing
    EXPECT_EQ(conversionError(library, 11, 4), QStringLiteral("'abc' is not a valid integer value"));
    EXPECT_EQ(conversionError(library, 11, 5), QStringLiteral("'' is not a valid integer value"));
}

TEST_F(HueLibraryTest, BadColourFailsOnlyAtItsSlot)
{
    writeLibrary(QStringLiteral("[NORMALS]\r\nTOTAL=10\r\n[2]\r\nCOLOR=reddish\r\n[3]\r\nCOLOR=clRed\r\n"));
    const QList<HueSlot> shown = HueLibrary(appDir()).pickerSlots(1);
    EXPECT_EQ(shown[0].color(), 0u);
    EXPECT_THROW(shown[1].color(), RuntimeError);
    EXPECT_EQ(shown[2].color(), 0x0000FFu);
}

TEST_F(HueLibraryTest, AppendRaisesTotalFirstAndKeepsTheRest)
{
    writeLibrary(QStringLiteral("; my hues\r\n[NORMALS]\r\nTOTAL=1\r\n\r\n[1]\r\nNAME=Red\r\nCOLOR=clRed\r\nSPHERE=33\r\n"
                                "\r\n[Notes]\r\nkeep=me\r\n"));
    EXPECT_EQ(HueLibrary(appDir()).append(QStringLiteral("Pale"), 0x00A0B0C0, QStringLiteral(" 1152x")), 2);
    EXPECT_EQ(readTextFile(libraryPath()),
              QStringLiteral("; my hues\r\n[NORMALS]\r\nTOTAL=2\r\n\r\n[1]\r\nNAME=Red\r\nCOLOR=clRed\r\nSPHERE=33\r\n"
                             "\r\n[Notes]\r\nkeep=me\r\n\r\n[2]\r\nNAME=Pale\r\nCOLOR=$00a0b0c0\r\nSPHERE= 1152x\r\n"));
}

TEST_F(HueLibraryTest, AppendToMissingFileWritesEntryEleven)
{
    EXPECT_EQ(HueLibrary(appDir()).append(QStringLiteral("Red"), 0x0000FF, QStringLiteral("33")), 11);
    EXPECT_EQ(readTextFile(libraryPath()),
              QStringLiteral("[NORMALS]\r\nTOTAL=11\r\n\r\n[11]\r\nNAME=Red\r\nCOLOR=clRed\r\nSPHERE=33\r\n"));
}

TEST_F(HueLibraryTest, AppendWhileShowingTenEntriesWidensTheRangeOnly)
{
    writeNumberedLibrary(10);
    const QList<HueSlot> before = HueLibrary(appDir()).pickerSlots(1);
    HueLibrary(appDir()).append(QStringLiteral("New"), 0x123456, QStringLiteral("7"));
    const HueLibrary after(appDir());
    EXPECT_EQ(after.pickerMaximum(), 2);
    const QList<HueSlot> now = after.pickerSlots(1);
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(now[k].name, before[k].name);
    EXPECT_EQ(after.pickerSlots(2).last().name, QStringLiteral("New"));
}

TEST_F(HueLibraryTest, AppendToUnwritableFileRaisesUnableToWrite)
{
    const QString dir = appDir() + QStringLiteral("missing/");
    try {
        HueLibrary(dir).append(QStringLiteral("x"), 0, QStringLiteral("1"));
        FAIL() << "no write error";
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Unable to write to ") + HueLibrary::pathIn(dir));
    }
}

TEST_F(HueLibraryTest, MalformedTotalNeitherCrashesNorHangs)
{
    writeLibrary(QStringLiteral("[NORMALS]\r\nTOTAL=0\r\n"));
    EXPECT_EQ(HueLibrary(appDir()).pickerMaximum(), 1);
    EXPECT_TRUE(HueLibrary(appDir()).firstEntries().isEmpty());

    writeLibrary(QStringLiteral("[NORMALS]\r\nTOTAL=-2147483648\r\n"));
    EXPECT_EQ(HueLibrary(appDir()).pickerMaximum(), 1);
    EXPECT_TRUE(HueLibrary(appDir()).firstEntries().isEmpty());
    // A negative count restarts at entry 1, which the picker can show.
    EXPECT_EQ(HueLibrary(appDir()).append(QStringLiteral("a"), 0, QStringLiteral("1")), 1);
    EXPECT_EQ(HueLibrary(appDir()).total(), 1);

    writeLibrary(QStringLiteral("[NORMALS]\r\nTOTAL=ten\r\n"));
    EXPECT_EQ(HueLibrary(appDir()).total(), 10);
    EXPECT_EQ(HueLibrary(appDir()).firstEntries(), (QHash<QString, int>{{QStringLiteral("0"), 1}}));

    writeLibrary(QStringLiteral("[NORMALS]\r\nTOTAL=1000000000\r\n[3]\r\nSPHERE=5\r\n"));
    const HueLibrary huge(appDir());
    EXPECT_EQ(huge.pickerMaximum(), 999999991);
    EXPECT_EQ(huge.pickerSlots(huge.pickerMaximum()).last().entry, 1000000000);
    EXPECT_EQ(huge.firstEntries(), (QHash<QString, int>{{QStringLiteral("0"), 1}, {QStringLiteral("5"), 3}}));

    // The largest count: the last slot is reachable, and no entry fits after it.
    const int largest = std::numeric_limits<int>::max();
    writeLibrary(QStringLiteral("[NORMALS]\r\nTOTAL=%1\r\n").arg(largest));
    const HueLibrary full(appDir());
    EXPECT_EQ(full.pickerSlots(full.pickerMaximum()).last().entry, largest);
    const QString before = readTextFile(libraryPath());
    EXPECT_EQ(HueLibrary(appDir()).append(QStringLiteral("a"), 0, QStringLiteral("1")), 0);
    EXPECT_EQ(readTextFile(libraryPath()), before);
}

TEST_F(HueLibraryTest, IndexKeepsTheFirstEntryOfEachSphereText)
{
    using Index = QHash<QString, int>;
    const int cap = HueLibrary::maxIndexedEntries;
    struct Case { const char *what; QString text; Index expected; };
    const Case cases[] = {
        {"first of equal texts, ignoring case; no gap, so no \"0\"",
         "[NORMALS]\r\nTOTAL=3\r\n[1]\r\nSPHERE=0x1F\r\n[2]\r\nSPHERE=95\r\n[3]\r\nSPHERE=0x1f\r\n",
         {{"0x1f", 1}, {"95", 2}}},
        {"the first entry without SPHERE reads as \"0\", after an entry that says 0",
         "[NORMALS]\r\nTOTAL=5\r\n[3]\r\nSPHERE=0\r\n[1]\r\nSPHERE=7\r\n[2]\r\nSPHERE=8\r\n[5]\r\nSPHERE=9\r\n",
         {{"7", 1}, {"8", 2}, {"0", 3}, {"9", 5}}},
        {"sections above TOTAL are not read",
         "[NORMALS]\r\nTOTAL=2\r\n[1]\r\nSPHERE=7\r\n[2]\r\nSPHERE=8\r\n[3]\r\nSPHERE=9\r\n", {{"7", 1}, {"8", 2}}},
        {"names that are not an entry's number in plain decimal",
         "[NORMALS]\r\nTOTAL=9\r\n[01]\r\nSPHERE=7\r\n[+2]\r\nSPHERE=8\r\n[0]\r\nSPHERE=5\r\n[-1]\r\nSPHERE=6\r\n"
         "[x]\r\nSPHERE=4\r\n",
         {{"0", 1}}},
        {"the first section of a repeated name",
         "[NORMALS]\r\nTOTAL=1\r\n[1]\r\nSPHERE=7\r\n[1]\r\nSPHERE=8\r\n", {{"7", 1}}},
        {"a huge TOTAL counts up to the cap, and only the sections there are",
         QStringLiteral("[NORMALS]\r\nTOTAL=2147483647\r\n[1]\r\nSPHERE=7\r\n[%1]\r\nSPHERE=8\r\n[%2]\r\nSPHERE=9\r\n")
             .arg(cap).arg(cap + 1),
         {{"7", 1}, {"0", 2}, {"8", cap}}},
    };
    for (const Case &c : cases) {
        writeLibrary(c.text);
        EXPECT_EQ(HueLibrary(appDir()).firstEntries(), c.expected) << c.what;
    }
}
