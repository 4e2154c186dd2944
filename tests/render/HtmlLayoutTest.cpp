#include "render/ControlDrawing.h"
#include "render/HtmlLayout.h"
#include "support/SyntheticFont.h"

#include <QStringBuilder>
#include <gtest/gtest.h>

namespace {

// "A" advances 5 pixels, its body columns 1 … 3; a space is 6 (plain).
TextConverter fontWithA()
{
    return TextConverter(BitmapFontFile::read(
        SyntheticFont::fileBytes({SyntheticFont::glyph("A.BMP", "5", SyntheticFont::boxRows(1, 4, 3, 10))})));
}

constexpr ColorValue Ink = 0x000000;

// "L|AA AA" per line: alignment, then the pieces (bold "*", a colour other
// than the ink "#bbggrr:").
QString summary(const std::vector<HtmlLayout::Line> &lines)
{
    QStringList out;
    for (const HtmlLayout::Line &line : lines) {
        QString s = line.align == HtmlLayout::Align::Left ? u"L|"_qs : line.align == HtmlLayout::Align::Center ? u"C|"_qs : u"R|"_qs;
        for (const HtmlLayout::Piece &p : line.pieces) {
            if (p.x > 0 && !s.endsWith(u'|'))
                s += u'@' % QString::number(p.x) % u' ';
            s += (p.bold ? u"*"_qs : QString()) % (p.colour != Ink ? u'#' % QString::number(p.colour, 16) % u':' : QString())
                 % p.text;
        }
        out << s;
    }
    return out.join(u" / ");
}

} // namespace

TEST(HtmlLayout, WrapsAlignsAndStylesAsTheTagsSay)
{
    const TextConverter font = fontWithA();
    const struct { const char *html; int width; const char *expected; } cases[] = {
        {"AAA AAA", 40, "L|AAA@21 AAA"},
        {"AAA   \n AAA", 30, "L|AAA / L|AAA"},
        {"AA<br>AA<BR/><br />A", 100, "L|AA / L|AA / L| / L|A"},
        {"<CENTER>AA</CENTER>AA", 100, "C|AA / L|AA"},
        {"A<div align=\"right\">AA</DIV>A", 100, "L|A / R|AA / L|A"},
        {"<B>AA</B>A A", 100, "L|*AA@11 A@22 A"},
        {"<BASEFONT COLOR=#FF0000>A<basefont color=#00ff00>A</BASEFONT>A</BASEFONT>A", 100,
         "L|#ff:A@5 #ff00:A@10 #ff:A@15 A"},
        {"<FONT SIZE=3>A</FONT><U>A</U>", 100, "L|AA"},
        {"A<A", 100, "L|A<A"},
        {"AAAAAAAAAA", 22, "L|AAAA / L|AAAA / L|AA"},
        {"A AAAAAAA", 22, "L|A / L|AAAA / L|AAA"},
        {"&lt;A&amp;&nbsp;", 100, "L|<A& "},
        {"", 100, "L|"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(summary(HtmlLayout::layout(QString::fromLatin1(c.html), c.width, font, TextConverter::Mode::Plain, Ink)),
                  QString::fromLatin1(c.expected))
            << c.html;
}

TEST(HtmlLayout, DrawsLinesWhereTheirAlignmentPutsThemAndClipsToTheBox)
{
    const TextConverter font = fontWithA();
    const auto lines = HtmlLayout::layout(u"<DIV ALIGN=RIGHT>A</DIV>A<BR>A<BR>A"_qs, 20, font, TextConverter::Mode::Plain, 0x0000FF);
    const QImage out = HtmlLayout::render(lines, QSize(20, 30), font, TextConverter::Mode::Plain);
    ASSERT_EQ(out.size(), QSize(20, 30));
    const QRgb red = 0xFFFF0000u, paper = 0xFFFFFFFFu;
    EXPECT_EQ(out.pixel(15 + 2, 6), red);     // right-aligned: the cell starts at 20 - 5
    EXPECT_EQ(out.pixel(2, 6), paper);
    EXPECT_EQ(out.pixel(2, 21 + 6), red);     // the second line, cut by the box at 30
    EXPECT_EQ(out.pixel(17, 21 + 6), paper);
}

TEST(ControlDrawing, BoxesTilesCheckerAndPlaceholder)
{
    EXPECT_EQ(ControlDrawing::clampedBox(100000, -3), QSize(ControlDrawing::MaxSide, 0));
    EXPECT_TRUE(ControlDrawing::tiled(QImage(), QSize(0, 5)).isNull());

    QImage tile(3, 2, QImage::Format_RGB32);
    for (int i = 0; i < 6; ++i)
        tile.setPixel(i % 3, i / 3, 0xFF000010u + uint(i));
    const QImage tiled = ControlDrawing::tiled(tile, QSize(7, 5));
    ASSERT_EQ(tiled.size(), QSize(7, 5));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            ASSERT_EQ(tiled.pixel(x, y), tile.pixel(x % 3, y % 2)) << x << "," << y;

    // Black canvas: the world colour must still differ from see-through black.
    for (const QRgb world : {0xFFFFFF00u, 0xFF000000u}) {
        const QImage checker = ControlDrawing::checker(QSize(4, 3), world);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                EXPECT_EQ(checker.pixel(x, y) == 0xFF000000u, (x + y) % 2 == 0) << x << "," << y;
    }

    QImage text(30, 21, QImage::Format_RGB32);
    text.fill(0xFF0000FFu);
    const QImage entry = ControlDrawing::textEntry(text, QSize(10, 8));
    ASSERT_EQ(entry.size(), QSize(10, 8));
    EXPECT_EQ(entry.pixel(0, 0), ControlDrawing::EntryFrame);
    EXPECT_EQ(entry.pixel(1, 0), 0xFF0000FFu);   // the frame is dotted
    EXPECT_EQ(entry.pixel(5, 4), 0xFF0000FFu);
    EXPECT_EQ(ControlDrawing::clippedText(QImage(), QSize(4, 4)).pixel(2, 2), 0xFFFFFFFFu);

    const QImage placeholder = ControlDrawing::itemPlaceholder(7, fontWithA(), TextConverter::Mode::Plain);
    EXPECT_EQ(placeholder.size(), QSize(ControlDrawing::PlaceholderSide, ControlDrawing::PlaceholderSide));
    EXPECT_EQ(placeholder.pixel(0, 0), ControlDrawing::PlaceholderFrame);
    EXPECT_EQ(placeholder.pixel(20, 20), 0xFF000000u);   // no glyph for "7" in this font
}
