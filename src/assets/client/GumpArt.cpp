#include "assets/client/GumpArt.h"
#include "assets/client/GumpPixels.h"
#include "assets/client/UopArchive.h"

#include <algorithm>
#include <limits>

namespace {

constexpr qint64 IndexRecordSize = 12;
// The largest payload one gump may need: its size header, the row table and
// a run per pixel.
constexpr qint64 MaxPayload = 8 + 4 * qint64(GumpPixels::MaxSide) * (GumpPixels::MaxSide + 1);

} // namespace

std::shared_ptr<const GumpArt> GumpArt::open(const QString &clientDir)
{
    return openArchiveOrIndexedArt<GumpArt>(clientDir);
}

std::shared_ptr<const GumpArt> GumpArt::fromMul(std::shared_ptr<const ClientFile> index,
                                               std::shared_ptr<const ClientFile> data)
{
    auto art = std::make_shared<GumpArt>();
    art->m_data = std::move(data);
    const qint64 count = std::min<qint64>(index->size() / IndexRecordSize, std::numeric_limits<int>::max());
    art->m_idLimit = int(count);
    for (qint64 i = 0; i < count; ++i) {
        const qint64 at = i * IndexRecordSize;
        const qint32 offset = qint32(index->u32(at));
        const qint32 length = qint32(index->u32(at + 4));
        const qint32 extra = qint32(index->u32(at + 8));
        const quint16 width = quint16((quint32(extra) >> 16) & 0xFFFF), height = quint16(extra & 0xFFFF);
        if (offset < 0 || length <= 0 || extra == -1 || width == 0 || height == 0)
            continue;
        if (!art->m_data->holds(offset, length)) {
            ++art->m_skipped;
            continue;
        }
        art->m_entries.push_back({int(i), Entry{offset, length, 0, width, height, 0}});
    }
    return art;
}

std::shared_ptr<const GumpArt> GumpArt::fromUop(std::shared_ptr<const ClientFile> archive)
{
    auto art = std::make_shared<GumpArt>();
    art->m_data = std::move(archive);
    art->m_packed = true;
    const auto entries = UopArchive::readEntries(*art->m_data);
    const int probe = int(std::max<qint64>(entries.size(), MinProbe)) + ProbeSlack;
    auto numbered = UopArchive::numberedEntries(entries, "gumpartlegacymul", 0, MinProbe + ProbeSlack);
    // An archive of more gumps than usual is probed past the shared table,
    // each number hashed: work it pays by its own entry count.
    for (int id = MinProbe + ProbeSlack + 1; id <= probe; ++id) {
        const auto found = entries.constFind(UopArchive::numberedEntryHash("gumpartlegacymul", id));
        if (found != entries.cend())
            numbered.emplace_back(id, *found);
    }
    for (const auto &[id, e] : numbered) {
        art->m_idLimit = id + 1;
        if (e.flag != qint16(UopArchive::Packing::Stored) && e.flag != qint16(UopArchive::Packing::ZlibMythic)) {
            ++art->m_skipped;
            continue;
        }
        art->m_entries.push_back({id, Entry{e.dataOffset, e.compressedLength, e.decompressedLength, 0, 0, e.flag}});
    }
    return art;
}

const GumpArt::Entry *GumpArt::find(int id) const
{
    const auto at = std::lower_bound(m_entries.begin(), m_entries.end(), id,
                                     [](const auto &entry, int wanted) { return entry.first < wanted; });
    return at != m_entries.end() && at->first == id ? &at->second : nullptr;
}

bool GumpArt::contains(int id) const
{
    return find(id) != nullptr;
}

std::vector<int> GumpArt::ids() const
{
    std::vector<int> out;
    out.reserve(m_entries.size());
    for (const auto &entry : m_entries)
        out.push_back(entry.first);
    return out;
}

QImage GumpArt::decode(int id) const
{
    const Entry *found = find(id);
    if (!found)
        return QImage();
    const Entry &e = *found;
    QImage image = m_packed ? decodeUop(e) : decodeMul(e);
    if (image.isNull())
        ++m_failed;
    return image;
}

QImage GumpArt::decodeMul(const Entry &e) const
{
    return GumpPixels::decodeRuns(m_data->data() + e.offset, e.length, e.width, e.height);
}

QImage GumpArt::decodeUop(const Entry &e) const
{
    UopArchive::Entry packed;
    packed.dataOffset = e.offset;
    packed.compressedLength = e.length;
    packed.decompressedLength = e.decompressedLength;
    packed.flag = e.flag;
    const QByteArray bytes = UopArchive::payload(*m_data, packed, qint32(MaxPayload));
    if (bytes.size() < 8)
        return QImage();
    const auto *d = reinterpret_cast<const uchar *>(bytes.constData());
    const auto u32 = [d](int at) { return quint32(d[at]) | quint32(d[at + 1]) << 8 | quint32(d[at + 2]) << 16 | quint32(d[at + 3]) << 24; };
    const quint32 width = u32(0), height = u32(4);
    if (width == 0 || height == 0 || width > quint32(GumpPixels::MaxSide) || height > quint32(GumpPixels::MaxSide))
        return QImage();
    return GumpPixels::decodeRuns(d + 8, bytes.size() - 8, int(width), int(height));
}
