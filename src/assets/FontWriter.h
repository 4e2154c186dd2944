#pragma once

#include "assets/BitmapFontFile.h"

#include <QByteArray>
#include <QList>

// One glyph of the bitmap font: its name ("A.BMP", "SA.BMP", "PERIOD.BMP"),
// a 22 × 21 picture of '0' (paper), '1' (outline) and '2' (body) characters,
// and its advance width in pixels.
struct FontGlyph
{
    static constexpr int Columns = BitmapFontFile::CellWidth;
    static constexpr int Rows = BitmapFontFile::CellHeight;

    QByteArray name;
    QByteArray picture = QByteArray(Columns * Rows, '0'); // column by column, each top down
    int width = 0;

    char at(int column, int row) const { return picture[column * Rows + row]; }
    void set(int column, int row, char c) { picture[column * Rows + row] = c; }
};

// The font file as BitmapFontFile reads it: a little-endian 32-bit count N,
// then N records of 2 reserved bytes, a 60-byte length-prefixed name field
// and the 462 picture characters, then N 9-byte length-prefixed decimal
// width records. Unused bytes are zero, so with file-name-like glyph names
// the file holds no CR LF pair and no 0x1A byte and reads the same in text
// mode as in binary.
namespace FontWriter {

constexpr int NameFieldSize = BitmapFontFile::NameFieldSize;
constexpr int RecordSize = BitmapFontFile::GlyphRecordSize; // 524
constexpr int WidthRecordSize = BitmapFontFile::WidthRecordSize;
constexpr int MaxGlyphs = BitmapFontFile::DrawnGlyphs; // cells that fit the glyph strip

// Throws RuntimeError for a name longer than 59 bytes, a width outside
// 0 … 99999999, a picture of the wrong size or more than MaxGlyphs glyphs.
QByteArray encode(const QList<FontGlyph> &glyphs);

} // namespace FontWriter
