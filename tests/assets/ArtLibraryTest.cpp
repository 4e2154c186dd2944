#include "assets/ArtLibrary.h"
#include "platform/RuntimeError.h"
#include "support/FileFixtures.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ArtLibraryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        appDir = dir.path() + u'/';
        QDir().mkpath(appDir + "DATA/buttons");
        QImage red(4, 3, QImage::Format_RGB32);
        red.fill(Qt::red);
        ASSERT_TRUE(red.save(appDir + "red.png"));
        ASSERT_TRUE(red.save(appDir + "red.bmp"));
    }

    QStringList files(const QString &folder) const
    {
        return QDir(appDir + folder).entryList(QDir::Files, QDir::Name);
    }

    QTemporaryDir dir;
    QString appDir;
};

} // namespace

TEST_F(ArtLibraryTest, WritesButtonsAndPicturesAsBitmaps)
{
    ArtLibrary::addButton(appDir, appDir + "red.bmp", "Ok", "F7", "F8");
    ArtLibrary::addButton(appDir, appDir + "red.png", "Ok", "F9", "FA");
    EXPECT_EQ(files("DATA/buttons"), QStringList({"Ok.Bmp", "Ok.CS"}));
    EXPECT_EQ(FileFixtures::readFile(appDir + "DATA/buttons/Ok.CS"), "F9\r\nFA\r\n");

    ArtLibrary::addPicture(appDir, appDir + "red.png", "1F4");
    EXPECT_TRUE(files("DATA").contains("1F4.Bmp"));
    const QImage stored(appDir + "DATA/1F4.Bmp", "BMP");
    ASSERT_FALSE(stored.isNull());
    EXPECT_EQ(stored.size(), QSize(4, 3));
    EXPECT_EQ(stored.pixel(1, 1), QColor(Qt::red).rgb());
}

TEST_F(ArtLibraryTest, RefusesWhatWouldEscapeOrBreakTheLibrary)
{
    const struct { const char *name, *up, *down; } refused[] = {
        {"", "F7", "F8"}, {"../x", "F7", "F8"}, {"a/b", "F7", "F8"}, {"a\\b", "F7", "F8"}, {"..", "F7", "F8"},
        {"ok", "G7", "F8"}, {"ok", "F7", ""},
    };
    for (const auto &r : refused)
        EXPECT_THROW(ArtLibrary::addButton(appDir, appDir + "red.bmp", r.name, r.up, r.down), ArtLibrary::Refused)
            << r.name << ' ' << r.up << ' ' << r.down;
    for (const char *gump : {"", "../1F4", "1F4/..", "xyz"})
        EXPECT_THROW(ArtLibrary::addPicture(appDir, appDir + "red.bmp", gump), ArtLibrary::Refused) << gump;
    EXPECT_TRUE(files("DATA/buttons").isEmpty());
    EXPECT_TRUE(files("").size() == 2);
}

TEST_F(ArtLibraryTest, SourceAndWriteFailuresLeaveNothingHalfDone)
{
    const struct { QString source; QString message; } failures[] = {
        {"", "Unknown picture file extension (.)"},
        {appDir + "red.xyz", "Unknown picture file extension (.xyz)"},
        {appDir + "missing.bmp", "Cannot open file " + appDir + "missing.bmp"},
    };
    FileFixtures::writeFile(appDir + "broken.bmp", "not a picture");
    for (const auto &f : failures) {
        try {
            ArtLibrary::addButton(appDir, f.source, "Ok", "F7", "F8");
            ADD_FAILURE() << f.source.toStdString();
        } catch (const RuntimeError &e) {
            EXPECT_EQ(e.message(), f.message);
        }
    }
    EXPECT_THROW(ArtLibrary::addPicture(appDir, appDir + "broken.bmp", "1F4"), RuntimeError);
    EXPECT_TRUE(files("DATA/buttons").isEmpty());

    // No buttons folder: nothing of the entry is written.
    QDir(appDir + "DATA/buttons").removeRecursively();
    EXPECT_THROW(ArtLibrary::addButton(appDir, appDir + "red.bmp", "Ok", "F7", "F8"), RuntimeError);
    EXPECT_FALSE(QDir(appDir + "DATA/buttons").exists());
}
