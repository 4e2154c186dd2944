#include "assets/ArtStore.h"
#include "assets/BitmapFile.h"
#include "support/SyntheticArt.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using SyntheticArt::bmpBytes;
using SyntheticArt::solid;
using SyntheticArt::writeFile;

namespace {

void putU32(QByteArray &bytes, int at, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char((v >> (8 * i)) & 0xFF);
}

class ArtStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        appDir = dir.path() + u'/';
    }
    QTemporaryDir dir;
    QString appDir;
};

} // namespace

TEST(BitmapFile, DecodesWhatItWasGiven)
{
    QImage image = solid(5, 3, 0xFF102030u);
    image.setPixel(4, 2, 0xFF000000u);
    const QImage decoded = BitmapFile::decode(bmpBytes(image));
    ASSERT_EQ(decoded.format(), QImage::Format_RGB32);
    EXPECT_EQ(decoded, image);
}

TEST(BitmapFile, PalettedAndRunLengthBitmaps)
{
    QImage image = solid(6, 4, 0xFF2040A0u);
    image.setPixel(5, 3, 0xFF000000u);
    const QImage indexed = image.convertToFormat(QImage::Format_Indexed8);
    EXPECT_EQ(BitmapFile::decode(bmpBytes(indexed)), image);
    const QImage mono = image.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    EXPECT_EQ(BitmapFile::decode(bmpBytes(mono)).size(), QSize(6, 4));

    // A 3 × 2 run-length bitmap written by hand: a bottom row of palette
    // colour 1, a top row of colour 0.
    QByteArray rle("BM", 2);
    const auto u32 = [&](quint32 v) { for (int i = 0; i < 4; ++i) rle += char((v >> (8 * i)) & 0xFF); };
    const auto u16 = [&](quint16 v) { rle += char(v & 0xFF); rle += char(v >> 8); };
    const QByteArray runs("\x03\x01\x00\x00\x03\x00\x00\x01", 8);
    u32(14 + 40 + 8 + quint32(runs.size())); u32(0); u32(14 + 40 + 8);
    u32(40); u32(3); u32(2); u16(1); u16(8); u32(1); u32(quint32(runs.size())); u32(0); u32(0); u32(2); u32(0);
    u32(0x00FF0000u); u32(0x000000FFu);   // palette (blue, green, red, 0 bytes): red, blue
    rle += runs;
    const QImage decoded = BitmapFile::decode(rle);
    ASSERT_EQ(decoded.size(), QSize(3, 2));
    EXPECT_EQ(decoded.pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(decoded.pixel(2, 1), 0xFF0000FFu);
    EXPECT_TRUE(BitmapFile::decode(rle.left(rle.size() - 3)).isNull());
}

TEST(BitmapFile, DamagedFilesGiveAnEmptyImage)
{
    const QByteArray good = bmpBytes(solid(40, 30, 0xFF808080u));
    ASSERT_FALSE(BitmapFile::decode(good).isNull());

    EXPECT_TRUE(BitmapFile::decode(QByteArray()).isNull());
    EXPECT_TRUE(BitmapFile::decode("not a bitmap at all, just some text").isNull());
    EXPECT_TRUE(BitmapFile::decode(good.left(20)).isNull());                // inside the headers
    EXPECT_TRUE(BitmapFile::decode(good.left(good.size() - 10)).isNull());  // pixels cut short

    QByteArray taller = good;                       // claims more rows than it holds
    putU32(taller, 22, 31);
    EXPECT_TRUE(BitmapFile::decode(taller).isNull());
    QByteArray huge = good;                         // would need gigabytes
    putU32(huge, 18, 100000);
    putU32(huge, 22, 100000);
    EXPECT_TRUE(BitmapFile::decode(huge).isNull());
    QByteArray negativeWidth = good;
    putU32(negativeWidth, 18, quint32(-40));
    EXPECT_TRUE(BitmapFile::decode(negativeWidth).isNull());
    QByteArray farOffset = good;                    // pixels said to start past the end
    putU32(farOffset, 10, 0x7FFFFFFF);
    EXPECT_TRUE(BitmapFile::decode(farOffset).isNull());
    QByteArray emptyRle = good;                     // run-length data of no stated size
    putU32(emptyRle, 30, 1);
    putU32(emptyRle, 34, 0);
    EXPECT_TRUE(BitmapFile::decode(emptyRle).isNull());
}

TEST_F(ArtStoreTest, ReadsEachKindFromItsFolderIgnoringCase)
{
    writeFile(dir.path(), "DATA/1F4.bmp", bmpBytes(solid(3, 2, 0xFF112233u)));
    writeFile(dir.path(), "DATA/buttons/okay.bmp", bmpBytes(solid(4, 4, 0xFF445566u)));
    const ArtStore store(appDir);

    EXPECT_EQ(store.gumppic("1F4.bmp"), solid(3, 2, 0xFF112233u));
    EXPECT_EQ(store.gumppic("1f4.BMP").size(), QSize(3, 2));
    EXPECT_EQ(store.button("OKAY.bmp"), solid(4, 4, 0xFF445566u));
    EXPECT_EQ(store.buttonPath("OKAY.bmp"), dir.path() + "/DATA/buttons/okay.bmp");
    EXPECT_TRUE(store.gumppic("okay.bmp").isNull());
    EXPECT_TRUE(store.button("1F4.bmp").isNull());
}

TEST_F(ArtStoreTest, MissingOrDamagedFilesAreEmpty)
{
    writeFile(dir.path(), "DATA/BAD.bmp", bmpBytes(solid(30, 30, 0xFF0000FFu)).left(200));
    writeFile(dir.path(), "DATA/TEXT.bmp", "hello");
    const ArtStore store(appDir);
    EXPECT_TRUE(store.gumppic("nothing.bmp").isNull());
    EXPECT_TRUE(store.gumppic("BAD.bmp").isNull());
    EXPECT_TRUE(store.gumppic("TEXT.bmp").isNull());
    EXPECT_TRUE(store.gumppic("").isNull());
    EXPECT_TRUE(ArtStore(dir.path() + "/nowhere/").gumppic("1F4.bmp").isNull());
}

TEST_F(ArtStoreTest, ResizepicPiecesLieBesideThePreview)
{
    EXPECT_EQ(ArtStore::pieceFileName("9200.bmp", 3), "39200.bm");
    EXPECT_EQ(ArtStore::pieceFileName("bg.panel.BMP", 0), "0bg.panel.bm");
    EXPECT_EQ(ArtStore::pieceFileName("plain", 8), "8plain.bm");

    for (int k = 0; k < 9; ++k)
        if (k != 4)
            writeFile(dir.path(), "DATA/ResizePic/" + QString::number(k) + "9200.BM",
                      bmpBytes(solid(2, 2, 0xFF000010u * uint(k + 1))));
    const ArtStore store(appDir);
    const ResizepicPieces pieces = store.resizepicPieces("9200.bmp");
    EXPECT_EQ(pieces[0].pixel(0, 0), 0xFF000010u);
    EXPECT_EQ(pieces[8].pixel(1, 1), 0xFF000090u);
    EXPECT_TRUE(pieces[4].isNull());

    const QImage background = store.resizepic("9200.bmp", 10, 8);
    ASSERT_EQ(background.size(), QSize(10, 8));
    EXPECT_EQ(background.pixel(5, 4), 0xFF000000u);    // no centre: black
    EXPECT_EQ(background.pixel(5, 0), 0xFF000020u);    // top edge
}
