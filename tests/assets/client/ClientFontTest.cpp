#include "assets/BitmapFontFile.h"
#include "assets/GlyphTable.h"
#include "assets/TextConverter.h"
#include "assets/client/ArtLibraryBuilder.h"
#include "assets/client/UnicodeFont.h"
#include "support/FileFixtures.h"
#include "support/SyntheticClient.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

namespace F = BitmapFontFile;

// Capitals standing on line row 7 (H, I; W much too big), lower case x on the
// same line, g reaching two rows below it, and a period.
QByteArray clientFont()
{
    return SyntheticClient::unicodeFont({
        {u'H', 0, 2, {"#..#", "#..#", "####", "#..#", "#..#"}},
        {u'I', 1, 2, {"#", "#", "#", "#", "#"}},
        {u'W', 0, -10, QList<QByteArray>(25, QByteArray(30, '#'))},
        {u'g', 0, 4, {"###", "#.#", "###", "..#", "###"}},
        {u'x', 0, 4, {"#.#", ".#.", "#.#"}},
        {u'.', 0, 6, {"#"}},
        {u'\u20AC', 0, 0, {"#"}},   // no entry of the table: never asked for
    });
}

using FileFixtures::readFile;
using FileFixtures::writeFile;

// Rows of the cell's body ('2'), first and last; -1 when it has none.
std::pair<int, int> bodyRows(const FontGlyph &g)
{
    int first = -1, last = -1;
    for (int r = 0; r < FontGlyph::Rows; ++r)
        for (int c = 0; c < FontGlyph::Columns; ++c)
            if (g.at(c, r) == '2') {
                first = first < 0 ? r : first;
                last = r;
            }
    return {first, last};
}

} // namespace

TEST(UnicodeFont, DrawsTheTableGlyphsOnTheConvertersBaselineWithAnOutline)
{
    const UnicodeFont::BitmapGlyphs drawn = UnicodeFont::read(clientFont()).bitmapGlyphs();
    EXPECT_EQ(drawn.missing, GlyphTable::entries().size() - 6);
    ASSERT_EQ(drawn.glyphs.size(), 6);

    struct Expected
    {
        QByteArray name;
        int width;
        int firstBodyRow, lastBodyRow;   // in the cell
        int firstBodyColumn;
    };
    // The capitals' foot (row 7 of the font) lands on cell row 15; lower case
    // two rows higher, as the converter draws it two rows lower.
    const Expected expected[] = {
        {"H.BMP", 7, 11, 15, 1},
        {"I.BMP", 5, 11, 15, 2},        // its x offset of 1 kept
        {"W.BMP", GlyphTable::MaxWidth, 1, 19, 1},   // clipped to the cell
        {"SG.BMP", 6, 11, 15, 1},
        {"SX.BMP", 6, 11, 13, 1},
        {"PERIOD.BMP", 4, 15, 15, 1},
    };
    for (qsizetype i = 0; i < drawn.glyphs.size(); ++i) {
        const FontGlyph &g = drawn.glyphs[i];
        const Expected &e = expected[i];
        EXPECT_EQ(g.name, e.name);
        EXPECT_EQ(g.width, e.width) << e.name.toStdString();
        EXPECT_EQ(bodyRows(g), std::make_pair(e.firstBodyRow, e.lastBodyRow)) << e.name.toStdString();
        int firstColumn = -1;
        for (int c = FontGlyph::Columns - 1; c >= 0; --c)
            for (int r = 0; r < FontGlyph::Rows; ++r)
                if (g.at(c, r) == '2')
                    firstColumn = c;
        EXPECT_EQ(firstColumn, e.firstBodyColumn) << e.name.toStdString();
        // Every body pixel has the outline or more body all round, inside the cell.
        for (int c = 0; c < FontGlyph::Columns; ++c)
            for (int r = 0; r < FontGlyph::Rows; ++r)
                if (g.at(c, r) == '2')
                    for (int dc = -1; dc <= 1; ++dc)
                        for (int dr = -1; dr <= 1; ++dr) {
                            const int nc = c + dc, nr = r + dr;
                            ASSERT_TRUE(nc >= 0 && nc < FontGlyph::Columns && nr >= 0 && nr < FontGlyph::Rows)
                                << e.name.toStdString() << ": body on the cell's border";
                            ASSERT_NE(g.at(nc, nr), '0') << e.name.toStdString();
                        }
    }
    EXPECT_TRUE(UnicodeFont::read(QByteArray(10, '\0')).bitmapGlyphs().glyphs.isEmpty());
}

TEST(ArtLibraryBuilder, WritesTheBitmapFontFromTheClientsOnlyWhereThereIsNone)
{
    struct Case
    {
        const char *what;
        bool clientHasFont;
        QByteArray userFont;   // UO0.CORE there before; empty: none
        bool written;
    };
    const Case cases[] = {
        {"client font, no font yet", true, {}, true},
        {"the user's font is kept", true, "mine", false},
        {"client without a unicode font", false, {}, false},
    };
    for (const Case &c : cases) {
        QTemporaryDir client, out;
        const auto [index, data] = SyntheticClient::mul({{0xF7, 1, 1, {0x7C00}}});
        writeFile(client.filePath("gumpidx.mul"), index);
        writeFile(client.filePath("gumpart.mul"), data);
        if (c.clientHasFont)
            writeFile(client.filePath(UnicodeFont::GumpFontName), clientFont());
        const QString fontPath = out.filePath(F::FileName);
        if (!c.userFont.isEmpty())
            writeFile(fontPath, c.userFont);

        const ArtLibraryBuilder::Options options{client.path(), out.path() + "/", {}};
        const auto report = ArtLibraryBuilder::build(options);
        EXPECT_EQ(report.fontGlyphs, c.written ? 6 : 0) << c.what;
        EXPECT_EQ(report.summary().contains(F::FileName), c.written) << c.what;
        if (!c.written) {
            EXPECT_EQ(readFile(fontPath), c.userFont) << c.what;
            EXPECT_EQ(QFileInfo::exists(fontPath), !c.userFont.isEmpty()) << c.what;
            continue;
        }
        EXPECT_TRUE(report.summary().contains(
            QStringLiteral("UO0.CORE of 6 glyphs written (%1 not in the client's font)").arg(GlyphTable::entries().size() - 6)))
            << report.summary().toStdString();

        // The designer's own loader and converter take it: names, widths,
        // and text standing on one line.
        const std::optional<BitmapFont> font = F::load(fontPath);
        ASSERT_TRUE(font) << c.what;
        EXPECT_EQ(font->glyphNames, QStringList({"H.BMP", "I.BMP", "W.BMP", "SG.BMP", "SX.BMP", "PERIOD.BMP"}));
        EXPECT_EQ(font->glyphWidths, QStringList({"7", "5", "20", "6", "6", "4"}));
        EXPECT_EQ(font->glyphStrip.pixel(1, 11), F::MarkerGrey);
        EXPECT_EQ(font->glyphStrip.pixel(0, 10), F::Outline);
        EXPECT_EQ(font->glyphStrip.pixel(0, 9), F::Paper);
        const TextConverter converter(*font);
        const QImage line = converter.render(QStringLiteral("Hx."), 0x0000FF, TextConverter::Mode::Plain);
        ASSERT_EQ(line.width(), 7 + 6 + 4);
        const QRgb red = 0xFFFF0000u;
        for (const int x : {1, 8, 14})   // H, x, period: the foot of each on row 15
            EXPECT_TRUE(line.pixel(x, 15) == red && line.pixel(x, 16) == F::Outline) << x;
        // The x is lower than the H: its outline where the H has body.
        EXPECT_EQ(line.pixel(1, 12), red);
        EXPECT_EQ(line.pixel(8, 12), F::Outline);
        EXPECT_EQ(line.pixel(8, 11), F::Paper);

        // A second run keeps it.
        const QByteArray bytes = readFile(fontPath);
        const auto again = ArtLibraryBuilder::build(options);
        EXPECT_EQ(again.fontGlyphs, 0);
        EXPECT_EQ(readFile(fontPath), bytes);
        EXPECT_EQ(again.filesKept, report.filesKept + 1 + 2);   // the font, F7.bmp and F7.cs
    }
}
