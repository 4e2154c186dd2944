#include "assets/ArtPresence.h"
#include "assets/ArtStore.h"
#include "assets/ResizepicComposer.h"
#include "support/SyntheticArt.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using SyntheticArt::bmpBytes;
using SyntheticArt::solid;
using SyntheticArt::writeFile;

namespace {

class ArtPresenceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        appDir = dir.path() + u'/';
        writeFile(appDir, QStringLiteral("DATA/1F4.bmp"), bmpBytes(solid(4, 3, 0xFF00FF00u)));
        writeFile(appDir, QStringLiteral("DATA/Buttons/Okay.BMP"), bmpBytes(solid(6, 2, 0xFF0000FFu)));
    }
    QTemporaryDir dir;
    QString appDir;
};

} // namespace

// What the listing says must be what the resolver finds: names match
// ignoring case in every component, and only a name nothing matches is missing.
TEST_F(ArtPresenceTest, LacksOnlyWhatNoSpellingOfTheNameFinds)
{
    const struct
    {
        const char *relative;
        bool lacks;
    } cases[] = {
        {"DATA/1F4.bmp", false},
        {"DATA/1f4.BMP", false},
        {"data/1F4.bmp", false},
        {"DATA/buttons/okay.bmp", false},
        {"DATA/BUTTONS/OKAY.bmp", false},
        {"DATA/1F5.bmp", true},
        {"DATA/buttons/1F4.bmp", true},
        {"DATA/resizepic/09200.bm", true},     // a folder that is not there holds nothing
        {"DATA/", false},                        // no name: the resolver decides
    };
    ArtPresence presence;
    for (const auto &c : cases)
        EXPECT_EQ(presence.lacks(appDir, QString::fromLatin1(c.relative)), c.lacks) << c.relative;
    EXPECT_EQ(presence.listings(), 3);   // DATA/ and data/ fold alike; buttons, resizepic
}

// A folder is listed once per page drawn at most: a file added later is
// found after the next revalidation, and a store drawing with the listing
// gives the same images as one asking the disk each time.
TEST_F(ArtPresenceTest, ALibraryThatChangesIsListedAgain)
{
    ArtStore remembering(appDir), asking(appDir);
    remembering.rememberPresence(true);
    EXPECT_TRUE(remembering.gumppic(QStringLiteral("A00.bmp")).isNull());
    for (int k = 0; k < 1000; ++k)
        remembering.gumppic(QStringLiteral("%1.bmp").arg(0x10000 + k, 0, 16));
    EXPECT_EQ(remembering.presence()->listings(), 1);

    writeFile(appDir, QStringLiteral("DATA/a00.BMP"), bmpBytes(solid(5, 5, 0xFFFF0000u)));
    remembering.revalidatePresence();   // the folder was written just now: listed again
    const struct
    {
        const char *name;
        bool found;
    } cases[] = {{"A00.bmp", true}, {"1F4.bmp", true}, {"2A.bmp", false}};
    for (const auto &c : cases) {
        const QString name = QString::fromLatin1(c.name);
        EXPECT_EQ(!remembering.gumppic(name).isNull(), c.found) << c.name;
        EXPECT_EQ(remembering.gumppic(name), asking.gumppic(name)) << c.name;
    }
    EXPECT_EQ(remembering.button(QStringLiteral("okay.bmp")), asking.button(QStringLiteral("okay.bmp")));
    EXPECT_FALSE(remembering.buttonGumps(QStringLiteral("okay.bmp")));
}

TEST_F(ArtPresenceTest, CountlessFoldersAreLeftToTheDisk)
{
    ArtPresence presence;
    for (int k = 0; k < ArtPresence::MaxFolders + 50; ++k)
        presence.lacks(appDir, QStringLiteral("DATA/f%1/x.bmp").arg(k));
    EXPECT_EQ(presence.listings(), ArtPresence::MaxFolders);
    EXPECT_FALSE(presence.lacks(appDir, QStringLiteral("DATA/another/x.bmp")));   // not known: not said missing
    presence.forget();
    EXPECT_TRUE(presence.lacks(appDir, QStringLiteral("DATA/another/x.bmp")));
}

// A brush click places a background at the size its pieces show at.
TEST(ResizepicNaturalSize, ThePiecesOwnSizeAtLeastThreeCorners)
{
    const auto pieces = [](int corner, int edge, int middle) {
        ResizepicPieces p;
        for (int k : {0, 2, 6, 8})
            p[size_t(k)] = solid(corner, corner, 0xFF000000u);
        p[1] = p[7] = solid(edge, corner, 0xFF000000u);
        p[3] = p[5] = solid(corner, edge, 0xFF000000u);
        p[4] = solid(middle, middle, 0xFF000000u);
        return p;
    };
    const struct
    {
        ResizepicPieces pieces;
        QSize size;
    } cases[] = {
        {pieces(12, 8, 8), QSize(36, 36)},      // 12 + 8 + 12 is less than three corners
        {pieces(10, 40, 40), QSize(60, 60)},    // the pieces' own
        {ResizepicPieces{}, QSize(0, 0)},       // missing: no size of its own
        {pieces(1400, 10, 10), QSize(ResizepicComposer::MaxSide, ResizepicComposer::MaxSide)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ResizepicComposer::naturalSize(c.pieces), c.size);
}
