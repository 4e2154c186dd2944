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
// hues.mul with the given text colours (colour 30) and names, one per record.
QByteArray hues(const QList<std::pair<quint16, QByteArray>> &records);
// A unicode font with one glyph: rows of bits, most significant first.
QByteArray unicodeFont(char16_t unit, int xOffset, int yOffset, const QList<QByteArray> &rows);

} // namespace SyntheticClient
