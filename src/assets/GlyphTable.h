#pragma once

#include "assets/FontWriter.h"

#include <QChar>
#include <QList>
#include <QString>

#include <array>

// Which glyph the text converter draws for a character, and how a glyph's
// cell is laid out so that the converter draws it on the line: the one
// table behind every font this program writes.
namespace GlyphTable {

// Row below the capitals' body in a cell. Lower-case cells are drawn two rows
// lower by the text converter, so their baseline sits two rows higher.
constexpr int CapitalBaseline = 16;
constexpr int LoweredRows = 2;
constexpr int LowerCaseBaseline = CapitalBaseline - LoweredRows;
constexpr int MaxWidth = 20; // advances above this overrun the converter's room
// Last column a body may reach: its outline and one column of room stay
// within MaxWidth.
constexpr int LastBodyColumn = MaxWidth - 3;

// The glyph name the converter looks a character up by: "ALEFT.BMP" for
// "<", "SA.BMP" (any case) for "a", "A.BMP" for "A"…
QString nameOf(QChar c);
// The row the converter draws the character's cell at: LoweredRows for a … z, else 0.
int rowOf(QChar c);

struct Entry
{
    QChar character;
    QByteArray name;      // upper case, as the fonts store it
    bool lowered = false; // drawn LoweredRows lower by the converter
};

// Every glyph of a font, in file order: capitals, lower case, digits, the
// named punctuation, the other punctuation.
QList<Entry> entries();

// The body pixels of a cell, column by column.
class BodyMask
{
public:
    bool at(int column, int row) const
    {
        return column >= 0 && column < FontGlyph::Columns && row >= 0 && row < FontGlyph::Rows
               && m_bits[size_t(column * FontGlyph::Rows + row)];
    }
    // Pixels outside the cell are dropped.
    void set(int column, int row)
    {
        if (column >= 0 && column < FontGlyph::Columns && row >= 0 && row < FontGlyph::Rows)
            m_bits[size_t(column * FontGlyph::Rows + row)] = true;
    }

private:
    std::array<bool, FontGlyph::Columns * FontGlyph::Rows> m_bits{};
};

// The glyph of entry: '2' for the body, a one-pixel '1' outline all round
// it (diagonals too), '0' paper. Body pixels where the outline or the
// advance would leave the cell, or that a lowered cell would lose at the
// bottom, are cut off first. The width is the ink's right edge plus one
// column, at least advance, at most MaxWidth.
FontGlyph outlined(const Entry &entry, const BodyMask &body, int advance = 0);

} // namespace GlyphTable
