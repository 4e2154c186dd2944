#include "assets/TextConverter.h"
#include "support/SyntheticFont.h"

#include <gtest/gtest.h>

using namespace SyntheticFont;
using Mode = TextConverter::Mode;
namespace F = BitmapFontFile;

namespace {

constexpr ColorValue Red = 0x0000FF;      // colour value: red in the low byte
constexpr QRgb RedPixel = 0xFFFF0000u;
constexpr QRgb White = 0xFFFFFFFFu;

// A font of a few glyphs with recognisable pixels.
//  A: advance 5, outlined body at columns 1-3, rows 4-10, and ink beyond its
//     advance at column 8 (outline at row 0, body at row 5).
//  sB.bmp (the glyph of "b", name in mixed case): advance 4, body columns 1-2,
//     rows 1-17, outline ring columns 0-3, rows 0-18, body in its last row.
//  SA: advance 4. COLEN: advance 3. W: advance 30, body across row 0.
//  X: width text "x5" (not a number). H: width "$A". K: advance 6, outline
//  ring columns 1-5, rows 1-5, with an outline pixel at the bottom left.
BitmapFont testFont()
{
    QStringList a = boxRows(1, 4, 3, 10);
    put(a, 8, 0, '1');
    put(a, 8, 5, '2');
    QStringList b = boxRows(1, 1, 2, 17);
    put(b, 1, 20, '2');
    QStringList w = blankRows();
    for (int c = 0; c < 22; ++c)
        put(w, c, 0, '2');
    QStringList k = boxRows(2, 2, 4, 4);
    put(k, 0, 20, '1');
    return F::read(fileBytes({
        glyph("A.BMP", "5", a),
        glyph("sB.bmp", "4", b),
        glyph("SA.BMP", "4", boxRows(1, 1, 2, 2)),
        glyph("COLEN.BMP", "3", boxRows(1, 5, 1, 6)),
        glyph("W.BMP", "30", w),
        glyph("X.BMP", "x5", boxRows(1, 1, 1, 1)),
        glyph("H.BMP", "$A", blankRows()),
        glyph("K.BMP", "6", k),
    }));
}

class TextConverterTest : public ::testing::Test
{
protected:
    TextConverter converter{testFont()};
};

bool allWhite(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != White)
                return false;
    return true;
}

} // namespace

TEST_F(TextConverterTest, EmptyTextAndSpaces)
{
    EXPECT_EQ(converter.render("", Red, Mode::Plain).width(), 0);
    EXPECT_EQ(converter.width("", Mode::Perfect), 0);
    const QImage plain = converter.render(" ", Red, Mode::Plain);
    const QImage perfect = converter.render(" ", Red, Mode::Perfect);
    EXPECT_EQ(plain.size(), QSize(6, 21));
    EXPECT_EQ(perfect.size(), QSize(9, 21));
    EXPECT_TRUE(allWhite(plain));
    EXPECT_TRUE(allWhite(perfect));
    EXPECT_EQ(plain.format(), QImage::Format_RGB32);
}

TEST_F(TextConverterTest, PlainAbDrawsOpaqueCellsSideBySide)
{
    const QImage image = converter.render("Ab", Red, Mode::Plain);
    ASSERT_EQ(image.size(), QSize(9, 21));
    // A at (0, 0): body in TextColor, outline as stored.
    EXPECT_EQ(image.pixel(1, 4), RedPixel);
    EXPECT_EQ(image.pixel(0, 3), F::Outline);
    EXPECT_EQ(image.pixel(2, 2), White);
    // b at (width of A, 2).
    EXPECT_EQ(image.pixel(5, 2), F::Outline);
    EXPECT_EQ(image.pixel(6, 3), RedPixel);
    EXPECT_EQ(image.pixel(5, 20), F::Outline);      // its row 18; rows 19 and 20 fall off
    // b's opaque cell covers A's ink beyond its advance, but not above row 2.
    EXPECT_EQ(image.pixel(8, 5), F::Outline);
    EXPECT_EQ(image.pixel(8, 0), F::Outline);
}

TEST_F(TextConverterTest, PerfectAbShiftsAndDrawsSeeThrough)
{
    const QImage image = converter.render("Ab", Red, Mode::Perfect);
    ASSERT_EQ(image.size(), QSize(9, 21));
    EXPECT_EQ(image.pixel(1, 4), RedPixel);
    // b one pixel further left: (width of A − 1, 2).
    EXPECT_EQ(image.pixel(4, 2), F::Outline);
    EXPECT_EQ(image.pixel(5, 3), RedPixel);
    // b's paper is not drawn, so A's ink beyond its advance stays.
    EXPECT_EQ(image.pixel(8, 5), RedPixel);
    // White margin: b's cell was drawn one pixel left of its advance.
    EXPECT_EQ(image.pixel(8, 3), White);
}

TEST_F(TextConverterTest, PerfectTransparentColourIsTheCellsBottomLeftPixel)
{
    const QImage image = converter.render("AK", Red, Mode::Perfect);
    ASSERT_EQ(image.width(), 11);
    // K (at x = 5 − 1) has an outline pixel at its bottom left: its outline is
    // see-through and its paper is drawn.
    EXPECT_EQ(image.pixel(8, 0), White);        // K's paper over A's ink
    EXPECT_EQ(image.pixel(8, 5), RedPixel);     // K's outline lets A's body show
    EXPECT_EQ(image.pixel(7, 3), RedPixel);     // K's body
}

TEST_F(TextConverterTest, LeftOutAndMissingCharactersTakeNoRoom)
{
    for (const Mode mode : {Mode::Plain, Mode::Perfect}) {
        const QImage ab = converter.render("ab", Red, mode);
        EXPECT_EQ(converter.render("a|b", Red, mode), ab);
        EXPECT_EQ(converter.render("{a}b", Red, mode), ab);
        EXPECT_EQ(converter.render("a~b", Red, mode), ab);        // no glyph for "~"
        EXPECT_EQ(converter.render("aB", Red, mode).width(), 4);   // nor for upper-case B
        EXPECT_EQ(converter.width("a|b", mode), 8);
    }
    TextConverter noFont;
    EXPECT_EQ(noFont.render("Hello", Red).width(), 0);
    EXPECT_EQ(noFont.render("a b", Red, Mode::Plain).width(), 6);
    EXPECT_FALSE(noFont.hasFont());
}

TEST_F(TextConverterTest, GlyphNamesAndLookupIgnoringCase)
{
    EXPECT_EQ(TextConverter::glyphNameOf(u'<'), "ALEFT.BMP");
    EXPECT_EQ(TextConverter::glyphNameOf(u'>'), "AIGHT.BMP");
    EXPECT_EQ(TextConverter::glyphNameOf(u'"'), "'D.BMP");
    EXPECT_EQ(TextConverter::glyphNameOf(u'\\'), "SLASH2.BMP");
    EXPECT_EQ(TextConverter::glyphNameOf(u'q'), "Sq.BMP");
    EXPECT_EQ(TextConverter::glyphNameOf(u'Q'), "Q.BMP");
    EXPECT_EQ(TextConverter::rowOf(u'q'), 2);
    EXPECT_EQ(TextConverter::rowOf(u'Q'), 0);
    EXPECT_EQ(converter.glyphIndexOf(u'b'), 1);
    EXPECT_EQ(converter.glyphIndexOf(u'a'), 2);
    EXPECT_EQ(converter.glyphIndexOf(u':'), 3);
    EXPECT_EQ(converter.glyphIndexOf(u'B'), -1);
}

TEST_F(TextConverterTest, ColonAndMarkerGreyColour)
{
    const QImage colon = converter.render(":", Red, Mode::Plain);
    EXPECT_EQ(colon.pixel(1, 5), RedPixel);
    EXPECT_EQ(colon.pixel(0, 4), F::Outline);
    // TextColor equal to the marker grey gives the cells as stored.
    const QImage grey = converter.render("A", 0xBDBDBD, Mode::Plain);
    EXPECT_EQ(grey.pixel(1, 4), F::MarkerGrey);
}

TEST_F(TextConverterTest, WidthTexts)
{
    // "x5" is not a whole number: X takes no room and A is drawn over it.
    EXPECT_EQ(converter.width("XA", Mode::Plain), 5);
    EXPECT_EQ(converter.render("XA", Red, Mode::Plain), converter.render("A", Red, Mode::Plain));
    EXPECT_EQ(converter.width("H", Mode::Plain), 10);   // "$A"
    EXPECT_EQ(converter.width("A b", Mode::Plain), 15);
    EXPECT_EQ(converter.width("A b", Mode::Perfect), 18);
    EXPECT_EQ(converter.render("A b", Red, Mode::Perfect).width(), 18);
}

TEST_F(TextConverterTest, CellsAreClippedToTwentyPixelsPerCharacter)
{
    const QImage image = converter.render("WW", Red, Mode::Plain);
    ASSERT_EQ(image.width(), 60);
    for (int x = 0; x < 60; ++x) {
        const bool inked = x < 20 || (x >= 30 && x < 40);
        EXPECT_EQ(image.pixel(x, 0), inked ? RedPixel : White) << x;
    }
    // The last cell is cut at the final width.
    const QImage a = converter.render("A", Red, Mode::Plain);
    EXPECT_EQ(a.width(), 5);
}

TEST_F(TextConverterTest, ModeFlagChoosesTheRendering)
{
    EXPECT_FALSE(converter.perfectText());
    EXPECT_EQ(converter.render("Ab", Red), converter.render("Ab", Red, Mode::Plain));
    converter.setPerfectText(true);
    EXPECT_EQ(converter.render("Ab", Red), converter.render("Ab", Red, Mode::Perfect));
    EXPECT_EQ(converter.width("A b"), 18);
}

TEST(TextConverter, GlyphsPastTheStripDrawPaperWithTheirAdvance)
{
    QList<SyntheticGlyph> glyphs;
    for (int i = 0; i < 93; ++i)
        glyphs.append(glyph("G" + QByteArray::number(i) + ".BMP", "5", boxRows(1, 1, 2, 2)));
    glyphs.append(glyph("Z.BMP", "7", boxRows(1, 1, 2, 2)));
    const TextConverter converter(F::read(fileBytes(glyphs)));
    const QImage z = converter.render("Z", Red, Mode::Plain);
    EXPECT_EQ(z.width(), 7);
    EXPECT_TRUE(allWhite(z));
}
