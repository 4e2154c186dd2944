#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// Small client files written the way the game client lays them out, for
// tests and fuzzing: gump pictures given as 16-bit colour rows.
namespace SyntheticClient {

struct Gump
{
    int id = 0;
    int width = 0, height = 0;
    QList<quint16> pixels;   // row by row, 0 see-through
};

// Run-length data of one gump: row table, then (colour, count) runs.
QByteArray runs(const Gump &gump);
// gumpidx.mul and gumpart.mul for the gumps (missing ids get offset -1).
std::pair<QByteArray, QByteArray> mul(const QList<Gump> &gumps);
// gumpartLegacyMUL.uop with every gump stored (flag 0), in blocks of
// blockCapacity entries.
QByteArray uop(const QList<Gump> &gumps, int blockCapacity = 100);
// Item art as art.mul holds it: header, row table, (skip, count, colours)
// runs of the opaque pixels; gump.id is the item number.
QByteArray itemRuns(const Gump &item);
// artidx.mul and art.mul for the items (records 0x4000 + item number).
std::pair<QByteArray, QByteArray> itemMul(const QList<Gump> &items);
// artLegacyMUL.uop with every item stored.
QByteArray itemUop(const QList<Gump> &items);
// Cliloc.enu with the records in the order given.
QByteArray cliloc(const QList<std::pair<qint32, QByteArray>> &records);
// hues.mul with the given text colours (colour 30) and names, one per record.
QByteArray hues(const QList<std::pair<quint16, QByteArray>> &records);
// A unicode font with one glyph: rows of bits, most significant first.
QByteArray unicodeFont(char16_t unit, int xOffset, int yOffset, const QList<QByteArray> &rows);
// A unicode font with these glyphs, each row drawn with '#' for a set bit.
struct UnicodeGlyph
{
    char16_t unit = 0;
    int xOffset = 0, yOffset = 0;
    QList<QByteArray> rows;
};
QByteArray unicodeFont(const QList<UnicodeGlyph> &glyphs);

} // namespace SyntheticClient
