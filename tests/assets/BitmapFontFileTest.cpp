#include "assets/BitmapFontFile.h"
#include "support/SyntheticFont.h"

#include <QTemporaryDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace SyntheticFont;
namespace F = BitmapFontFile;

namespace {

QList<SyntheticGlyph> numbered(int n)
{
    QList<SyntheticGlyph> glyphs;
    for (int i = 0; i < n; ++i)
        glyphs.append(glyph("G" + QByteArray::number(i) + ".BMP", QByteArray::number(i % 20), boxRows(2, 2, 5, 8)));
    return glyphs;
}

bool isBlank(const QImage &strip, int left, int width)
{
    for (int x = left; x < left + width && x < strip.width(); ++x)
        for (int y = 0; y < strip.height(); ++y)
            if (strip.pixel(x, y) != F::Paper)
                return false;
    return true;
}

} // namespace

TEST(BitmapFontFile, TwoGlyphsFillTheirCellsAndLists)
{
    QStringList first = blankRows();
    put(first, 0, 0, '1');
    put(first, 21, 20, '2');
    put(first, 3, 7, '1');    // column 3, row 7: pictures are stored column by column
    QStringList second = blankRows();
    put(second, 0, 0, '2');
    const BitmapFont font = F::read(fileBytes({glyph("A.BMP", "7", first), glyph("B.BMP", "11", second)}));

    EXPECT_EQ(font.glyphNames, QStringList({"A.BMP", "B.BMP"}));
    EXPECT_EQ(font.glyphWidths, QStringList({"7", "11"}));
    ASSERT_EQ(font.glyphStrip.size(), QSize(2139, 22));
    EXPECT_EQ(font.glyphStrip.pixel(0, 0), F::Outline);
    EXPECT_EQ(font.glyphStrip.pixel(21, 20), F::MarkerGrey);
    EXPECT_EQ(font.glyphStrip.pixel(3, 7), F::Outline);
    EXPECT_EQ(font.glyphStrip.pixel(7, 3), F::Paper);
    EXPECT_EQ(font.glyphStrip.pixel(23, 0), F::MarkerGrey);
    EXPECT_EQ(F::Outline, qRgb(0x10, 0x10, 0x21));   // colour value 0x211010
    // The gap column and the bottom row are never written.
    EXPECT_TRUE(isBlank(font.glyphStrip, 22, 1));
    for (int x = 0; x < 2139; ++x)
        ASSERT_EQ(font.glyphStrip.pixel(x, 21), F::Paper) << x;
}

TEST(BitmapFontFile, StrayPictureCharactersLeaveThePixel)
{
    QStringList rows = boxRows(1, 1, 3, 3);
    put(rows, 2, 2, 'x');
    put(rows, 0, 0, '\0');
    put(rows, 10, 10, '3');
    const BitmapFont font = F::read(fileBytes({glyph("A.BMP", "5", rows)}));
    EXPECT_EQ(font.glyphStrip.pixel(2, 2), F::Paper);
    EXPECT_EQ(font.glyphStrip.pixel(0, 0), F::Paper);
    EXPECT_EQ(font.glyphStrip.pixel(10, 10), F::Paper);
    EXPECT_EQ(font.glyphStrip.pixel(1, 1), F::MarkerGrey);
}

TEST(BitmapFontFile, NameFieldsTakeTheirLengthByte)
{
    SyntheticGlyph shortName = glyph("A.BMPJUNK", "5", blankRows());
    shortName.nameLengthByte = 5;
    SyntheticGlyph tooLong = glyph(QByteArray(59, 'N'), "123456789", blankRows());
    tooLong.nameLengthByte = 200;   // more than the field holds
    tooLong.widthLengthByte = 250;
    const BitmapFont font = F::read(fileBytes({shortName, tooLong}));
    ASSERT_EQ(font.glyphNames.size(), 2);
    EXPECT_EQ(font.glyphNames[0], "A.BMP");
    EXPECT_EQ(font.glyphNames[1], QString(59, u'N'));
    EXPECT_EQ(font.glyphWidths[1], "12345678");
}

TEST(BitmapFontFile, GlyphsPastTheNinetyThirdAreListedButNotDrawn)
{
    const BitmapFont font = F::read(fileBytes(numbered(95)));
    EXPECT_EQ(font.glyphNames.size(), 95);
    EXPECT_EQ(font.glyphWidths.size(), 95);
    EXPECT_EQ(font.glyphNames[93], "G93.BMP");
    EXPECT_EQ(font.glyphStrip.size(), QSize(2139, 22));
    EXPECT_EQ(font.glyphStrip.pixel(23 * 92 + 2, 2), F::MarkerGrey);   // the 93rd is drawn
}

TEST(BitmapFontFile, BadCountsAndShortFilesGiveWhatIsThere)
{
    const QList<SyntheticGlyph> two = numbered(2);
    const QByteArray whole = fileBytes(two);

    EXPECT_TRUE(F::read(QByteArray()).glyphNames.isEmpty());
    EXPECT_TRUE(F::read(QByteArray("\x02\x00", 2)).glyphNames.isEmpty());
    EXPECT_TRUE(F::read(fileBytes(0, two)).glyphNames.isEmpty());
    EXPECT_TRUE(F::read(fileBytes(-5, two)).glyphNames.isEmpty());
    EXPECT_TRUE(F::read(fileBytes(qint32(0x80000000u), two)).glyphNames.isEmpty());

    // A count far beyond the records: the records that are there, no widths
    // (they would lie behind the missing glyph records).
    const BitmapFont huge = F::read(fileBytes(0x7FFFFFFF, two));
    EXPECT_EQ(huge.glyphNames, QStringList({"G0.BMP", "G1.BMP"}));
    EXPECT_TRUE(huge.glyphWidths.isEmpty());

    // Cut inside the second glyph record: only the first glyph.
    const BitmapFont cutGlyph = F::read(whole.left(4 + F::GlyphRecordSize + 100));
    EXPECT_EQ(cutGlyph.glyphNames, QStringList({"G0.BMP"}));
    EXPECT_TRUE(cutGlyph.glyphWidths.isEmpty());
    EXPECT_EQ(cutGlyph.glyphStrip.pixel(23 + 2, 2), F::Paper);

    // Cut inside the second width record: both glyphs, one width.
    const BitmapFont cutWidth = F::read(whole.left(whole.size() - 4));
    EXPECT_EQ(cutWidth.glyphNames.size(), 2);
    EXPECT_EQ(cutWidth.glyphWidths, QStringList({"0"}));

    // A smaller count than the records: the widths are read where the count puts them.
    const BitmapFont fewer = F::read(fileBytes(1, two));
    EXPECT_EQ(fewer.glyphNames, QStringList({"G0.BMP"}));
    EXPECT_EQ(fewer.glyphWidths.size(), 1);
}

TEST(BitmapFontFile, LoadsFromAFileAndSkipsAMissingOne)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_FALSE(F::load(dir.filePath(F::FileName)).has_value());

    QFile file(dir.filePath(F::FileName));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(fileBytes(numbered(3)));
    file.close();
    const auto font = F::load(dir.filePath(F::FileName));
    ASSERT_TRUE(font.has_value());
    EXPECT_EQ(font->glyphNames.size(), 3);
    EXPECT_EQ(font->glyphWidths, QStringList({"0", "1", "2"}));
}
