#include "assets/client/ItemArt.h"
#include "assets/client/GumpPixels.h"
#include "assets/client/UopArchive.h"

#include <algorithm>

namespace {

constexpr qint64 IndexRecordSize = 12;
constexpr qint64 HeaderSize = 8;
// Header, row table and, per row, a run per pixel plus the end run.
constexpr qint64 MaxPayload = HeaderSize + 2 * qint64(ItemArt::MaxSide)
                              + qint64(ItemArt::MaxSide) * (6 * ItemArt::MaxSide + 4);

} // namespace

std::shared_ptr<const ItemArt> ItemArt::open(const QString &clientDir)
{
    return openArchiveOrIndexedArt<ItemArt>(clientDir);
}

std::shared_ptr<const ItemArt> ItemArt::fromMul(std::shared_ptr<const ClientFile> index,
                                               std::shared_ptr<const ClientFile> data)
{
    auto art = std::make_shared<ItemArt>();
    art->m_data = std::move(data);
    const qint64 records = std::min<qint64>(index->size() / IndexRecordSize, FirstItemRecord + ItemLimit);
    if (records <= FirstItemRecord)
        return art;
    for (qint64 r = FirstItemRecord; r < records; ++r) {
        const qint64 at = r * IndexRecordSize;
        const qint32 offset = qint32(index->u32(at));
        const qint32 length = qint32(index->u32(at + 4));
        if (offset < 0 || length <= 0 || !art->m_data->holds(offset, length))
            continue;
        art->m_entries.push_back({int(r - FirstItemRecord), Entry{offset, length, 0, 0}});
    }
    return art;
}

std::shared_ptr<const ItemArt> ItemArt::fromUop(std::shared_ptr<const ClientFile> archive)
{
    auto art = std::make_shared<ItemArt>();
    art->m_data = std::move(archive);
    art->m_packed = true;
    const auto entries = UopArchive::readEntries(*art->m_data);
    for (const auto &[record, e] :
         UopArchive::numberedEntries(entries, "artlegacymul", FirstItemRecord, FirstItemRecord + ItemLimit - 1))
        art->m_entries.push_back({record - FirstItemRecord, Entry{e.dataOffset, e.compressedLength,
                                                                  e.decompressedLength, e.flag}});
    return art;
}

const ItemArt::Entry *ItemArt::find(int item) const
{
    const auto at = std::lower_bound(m_entries.begin(), m_entries.end(), item,
                                     [](const auto &entry, int wanted) { return entry.first < wanted; });
    return at != m_entries.end() && at->first == item ? &at->second : nullptr;
}

bool ItemArt::contains(int item) const
{
    return find(item) != nullptr;
}

int ItemArt::count() const
{
    return int(m_entries.size());
}

std::vector<int> ItemArt::items() const
{
    std::vector<int> out;
    out.reserve(m_entries.size());
    for (const auto &entry : m_entries)
        out.push_back(entry.first);
    return out;
}

QImage ItemArt::decode(int item) const
{
    const Entry *found = find(item);
    if (!found)
        return QImage();
    const Entry &e = *found;
    if (!m_packed)
        return decodeRuns(m_data->data() + e.offset, e.length);
    UopArchive::Entry packed;
    packed.dataOffset = e.offset;
    packed.compressedLength = e.length;
    packed.decompressedLength = e.decompressedLength;
    packed.flag = e.flag;
    const QByteArray bytes = UopArchive::payload(*m_data, packed, qint32(MaxPayload));
    return decodeRuns(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size());
}

QImage ItemArt::decodeRuns(const uchar *data, qint64 size)
{
    if (size < HeaderSize)
        return QImage();
    const auto u16 = [data](qint64 at) { return quint16(data[at] | (data[at + 1] << 8)); };
    const int width = u16(4), height = u16(6);
    if (width == 0 || height == 0 || width > MaxSide || height > MaxSide)
        return QImage();
    const qint64 runsStart = HeaderSize + 2 * qint64(height);
    if (runsStart > size)
        return QImage();
    const qint64 words = (size - runsStart) / 2;

    QImage image(width, height, QImage::Format_RGB32);
    image.fill(0xFF000000u);
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        qint64 word = u16(HeaderSize + 2 * qint64(y));
        int x = 0;
        for (;;) {
            if (word + 2 > words)
                return QImage();
            const int skip = u16(runsStart + 2 * word), count = u16(runsStart + 2 * word + 2);
            word += 2;
            if (skip == 0 && count == 0)
                break;
            if (skip > width - x || count > width - x - skip || word + count > words)
                return QImage();
            x += skip;
            for (int i = 0; i < count; ++i)
                row[x + i] = GumpPixels::toRgb(quint16(u16(runsStart + 2 * (word + i)) | 0x8000));
            x += count;
            word += count;
        }
    }
    return image;
}
