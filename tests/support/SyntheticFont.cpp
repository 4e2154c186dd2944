#include "support/SyntheticFont.h"

namespace SyntheticFont {

namespace {
constexpr int Columns = 22;
constexpr int Rows = 21;
} // namespace

QStringList blankRows()
{
    return QStringList(Rows, QString(Columns, u'0'));
}

void put(QStringList &rows, int column, int row, char c)
{
    if (row >= 0 && row < Rows && column >= 0 && column < Columns)
        rows[row][column] = QLatin1Char(c);
}

QStringList boxRows(int left, int top, int right, int bottom)
{
    QStringList rows = blankRows();
    for (int r = top - 1; r <= bottom + 1; ++r)
        for (int c = left - 1; c <= right + 1; ++c) {
            const bool inside = r >= top && r <= bottom && c >= left && c <= right;
            put(rows, c, r, inside ? '2' : '1');
        }
    return rows;
}

SyntheticGlyph glyph(const QByteArray &name, const QByteArray &width, const QStringList &rows)
{
    SyntheticGlyph g;
    g.name = name;
    g.width = width;
    g.rows = rows;
    return g;
}

QByteArray glyphRecord(const SyntheticGlyph &glyph)
{
    QByteArray record("\x07\x09", 2);   // reserved bytes, content ignored
    QByteArray name(60, '\xEE');        // bytes after the name are ignored too
    name[0] = char(glyph.nameLengthByte >= 0 ? glyph.nameLengthByte : glyph.name.size());
    for (int i = 0; i < glyph.name.size() && i < 59; ++i)
        name[1 + i] = glyph.name[i];
    record += name;
    for (int c = 0; c < Columns; ++c)
        for (int r = 0; r < Rows; ++r)
        {
            const QString row = glyph.rows.value(r);
            record += c < row.size() ? char(row[c].toLatin1()) : '0';
        }
    return record;
}

QByteArray widthRecord(const SyntheticGlyph &glyph)
{
    QByteArray record(9, '\xEE');
    record[0] = char(glyph.widthLengthByte >= 0 ? glyph.widthLengthByte : glyph.width.size());
    for (int i = 0; i < glyph.width.size() && i < 8; ++i)
        record[1 + i] = glyph.width[i];
    return record;
}

QByteArray countField(qint32 count)
{
    const quint32 v = quint32(count);
    const char bytes[4] = {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char((v >> 24) & 0xFF)};
    return QByteArray(bytes, 4);
}

QByteArray fileBytes(const QList<SyntheticGlyph> &glyphs)
{
    return fileBytes(qint32(glyphs.size()), glyphs);
}

QByteArray fileBytes(qint32 count, const QList<SyntheticGlyph> &glyphs)
{
    QByteArray bytes = countField(count);
    for (const SyntheticGlyph &g : glyphs)
        bytes += glyphRecord(g);
    for (const SyntheticGlyph &g : glyphs)
        bytes += widthRecord(g);
    return bytes;
}

} // namespace SyntheticFont
