#include "assets/FontWriter.h"
#include "assets/GlyphTable.h"
#include "assets/TextConverter.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

// Rows top … top + lines − 1 of columns 0 … 7 of the glyph's picture.
QList<QByteArray> corner(const FontGlyph &g, int top, int lines)
{
    QList<QByteArray> rows;
    for (int r = top; r < top + lines; ++r) {
        QByteArray row;
        for (int c = 0; c < 8; ++c)
            row += g.at(c, r);
        rows.append(row);
    }
    return rows;
}

GlyphTable::Entry entry(char c)
{
    for (const GlyphTable::Entry &e : GlyphTable::entries())
        if (e.character == QChar(c))
            return e;
    return {};
}

} // namespace

TEST(GlyphTable, EveryEntryIsFoundByTheConverterUnderItsOwnName)
{
    const QList<GlyphTable::Entry> table = GlyphTable::entries();
    ASSERT_LE(table.size(), FontWriter::MaxGlyphs);
    QSet<QByteArray> names;
    for (const GlyphTable::Entry &e : table) {
        EXPECT_EQ(e.name, TextConverter::glyphNameOf(e.character).toUpper().toLatin1());
        EXPECT_EQ(e.lowered, TextConverter::rowOf(e.character) == GlyphTable::LoweredRows);
        EXPECT_FALSE(names.contains(e.name)) << e.name.toStdString();
        names.insert(e.name);
    }
    // Letters, digits and the punctuation of dialog texts.
    for (const char c : QByteArray("Aaz09<>:\"./?*\\!,-'()"))
        EXPECT_EQ(entry(c).character, QChar(c)) << c;
    const struct { char c; const char *name; bool lowered; } named[] = {
        {'A', "A.BMP", false}, {'q', "SQ.BMP", true}, {'<', "ALEFT.BMP", false},
        {'"', "'D.BMP", false}, {'\\', "SLASH2.BMP", false}, {'!', "!.BMP", false},
    };
    for (const auto &n : named) {
        EXPECT_EQ(entry(n.c).name, n.name);
        EXPECT_EQ(entry(n.c).lowered, n.lowered);
    }
}

TEST(GlyphTable, OutlinesTheBodyAndCutsWhatWouldLeaveTheCell)
{
    struct Case
    {
        const char *what;
        char character;
        QList<std::pair<int, int>> body;   // column, row
        int advance;
        int top;                           // first row shown
        QList<QByteArray> corner;          // rows top … of columns 0 … 7
        int width;
    };
    const QList<Case> cases = {
        {"one pixel: ring of eight", 'A', {{1, 5}}, 0, 4, {"111.....", "121.....", "111....."}, 4},
        {"advance above the ink wins", 'A', {{1, 5}}, 7, 4, {"111.....", "121.....", "111....."}, 7},
        {"advance at most MaxWidth", 'A', {{1, 5}}, 99, 4, {"111.....", "121.....", "111....."}, GlyphTable::MaxWidth},
        {"column 0 is the outline's", 'A', {{0, 5}, {1, 5}}, 0, 4, {"111.....", "121.....", "111....."}, 4},
        {"row 0 is the outline's", 'A', {{1, 0}, {1, 1}}, 0, 0, {"111.....", "121.....", "111....."}, 4},
        {"capital keeps row 19", 'A', {{1, 19}}, 0, 18, {"111.....", "121.....", "111....."}, 4},
        {"lowered loses rows 18, 19", 'a', {{1, 17}, {1, 18}, {1, 19}}, 0, 16,
         {"111.....", "121.....", "111.....", "000.....", "000....."}, 4},
        {"nothing left: paper, width 1", 'a', {{1, 19}}, 0, 18, {"000.....", "000.....", "000....."}, 1},
    };
    for (const Case &c : cases) {
        GlyphTable::BodyMask body;
        for (const auto &[column, row] : c.body)
            body.set(column, row);
        const FontGlyph g = GlyphTable::outlined(entry(c.character), body, c.advance);
        QList<QByteArray> expected = c.corner;
        for (QByteArray &row : expected)
            row.replace('.', '0');
        EXPECT_EQ(corner(g, c.top, int(expected.size())), expected) << c.what;
        EXPECT_EQ(g.width, c.width) << c.what;
        EXPECT_EQ(g.name, entry(c.character).name) << c.what;
    }

    // A body wider than the converter's room: nothing right of LastBodyColumn.
    GlyphTable::BodyMask wide;
    for (int column = 0; column < FontGlyph::Columns + 3; ++column)
        wide.set(column, 5);
    const FontGlyph g = GlyphTable::outlined(entry('W'), wide);
    EXPECT_EQ(g.at(GlyphTable::LastBodyColumn, 5), '2');
    EXPECT_EQ(g.at(GlyphTable::LastBodyColumn + 1, 5), '1');
    for (int column = GlyphTable::LastBodyColumn + 2; column < FontGlyph::Columns; ++column)
        EXPECT_EQ(g.at(column, 5), '0') << column;
    EXPECT_EQ(g.width, GlyphTable::MaxWidth);
}
