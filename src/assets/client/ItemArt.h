#pragma once

#include "assets/client/ClientFile.h"

#include <QImage>
#include <QString>

#include <memory>
#include <utility>
#include <vector>

// The item pictures of a game client (what a tilepic shows), by item number.
// Opening reads only the index; a picture is decoded when asked for, and
// decoding is const and may run on several threads at once.
//
// Layout relied on (little-endian):
// - artidx.mul: 12-byte records (i32 offset, i32 length, i32 extra); item N
//   is record 0x4000 + N (the records below are ground tiles). Missing:
//   offset < 0 or length <= 0.
// - artLegacyMUL.uop: the packed archive of GumpArt's kind, entry names
//   "build/artlegacymul/%08u.tga" of the same record number; the payload is
//   the item's data as in art.mul.
// - An item's data: u32 flag (unused), u16 width, u16 height, then height
//   u16 row starts counted in 16-bit words from the end of that table; each
//   row a list of runs (u16 skip, u16 count, count u16 colours), the skip
//   counting see-through pixels from where the last run ended, the row ended
//   by a run of skip 0 and count 0. Colours as gump colours, bit 15 ignored;
//   every run pixel is opaque.
class ItemArt
{
public:
    inline static const QString UopName = QStringLiteral("artLegacyMUL.uop");
    inline static const QString IndexName = QStringLiteral("artidx.mul");
    inline static const QString DataName = QStringLiteral("art.mul");

    // Records below this number are ground tiles, not items.
    static constexpr int FirstItemRecord = 0x4000;
    // Item numbers run below this (the client's item numbers are 16-bit).
    static constexpr int ItemLimit = 0x10000;
    // Items larger than this a side are taken as damage.
    static constexpr int MaxSide = 1024;

    // The packed archive when the folder has one, the index and data pair
    // otherwise; nullptr when it has neither.
    static std::shared_ptr<const ItemArt> open(const QString &clientDir);
    static std::shared_ptr<const ItemArt> fromMul(std::shared_ptr<const ClientFile> index,
                                                  std::shared_ptr<const ClientFile> data);
    static std::shared_ptr<const ItemArt> fromUop(std::shared_ptr<const ClientFile> archive);

    bool contains(int item) const;
    int count() const;
    // The item numbers there are, in order.
    std::vector<int> items() const;

    // The picture, Format_RGB32, see-through pixels black (opaque black is
    // drawn near-black, as gump art); null when the item does not exist or
    // its data is damaged.
    QImage decode(int item) const;

    // Decodes one item's data as laid out above; null when it does not hold
    // together (cut short, a row start outside the data, runs past the width).
    static QImage decodeRuns(const uchar *data, qint64 size);

private:
    struct Entry
    {
        qint64 offset = -1;
        qint32 length = 0;
        qint32 decompressedLength = 0;
        qint16 flag = 0;
    };

    const Entry *find(int item) const;

    std::shared_ptr<const ClientFile> m_data;
    bool m_packed = false;
    // Only the items there are, by item number: a small file has a small table.
    std::vector<std::pair<int, Entry>> m_entries;
};
