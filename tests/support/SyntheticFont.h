#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// Font files made in the test, in the layout the font reader expects.
struct SyntheticGlyph
{
    QByteArray name;
    QStringList rows;      // 21 rows of 22 picture characters, top row first
    QByteArray width;      // advance as text, e.g. "5"
    int nameLengthByte = -1;   // written instead of name.size() when >= 0
    int widthLengthByte = -1;  // likewise for the width text
};

namespace SyntheticFont {

// A picture of paper ("0") only.
QStringList blankRows();
// Paper with body ("2") over columns left … right, rows top … bottom
// (inclusive) and an outline ("1") ring just around it, clipped to the cell.
QStringList boxRows(int left, int top, int right, int bottom);
// Sets one picture character.
void put(QStringList &rows, int column, int row, char c);

SyntheticGlyph glyph(const QByteArray &name, const QByteArray &width, const QStringList &rows);

QByteArray glyphRecord(const SyntheticGlyph &glyph);
QByteArray widthRecord(const SyntheticGlyph &glyph);
QByteArray countField(qint32 count);
// Count, glyph records, width records; the count is glyphs.size() unless given.
QByteArray fileBytes(const QList<SyntheticGlyph> &glyphs);
QByteArray fileBytes(qint32 count, const QList<SyntheticGlyph> &glyphs);

} // namespace SyntheticFont
