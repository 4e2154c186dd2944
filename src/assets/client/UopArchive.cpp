#include "assets/client/UopArchive.h"

#include <QSet>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <map>
#include <mutex>
#include <numeric>
#include <string>
#include <tuple>

namespace UopArchive {

namespace {

constexpr qint64 HeaderSize = 0x28;
constexpr qint64 BlockHeaderSize = 12;
constexpr qint64 EntrySize = 34;

quint32 rot(quint32 x, int k) { return (x << k) | (x >> (32 - k)); }

void mix(quint32 &a, quint32 &b, quint32 &c)
{
    a -= c; a ^= rot(c, 4); c += b;
    b -= a; b ^= rot(a, 6); a += c;
    c -= b; c ^= rot(b, 8); b += a;
    a -= c; a ^= rot(c, 16); c += b;
    b -= a; b ^= rot(a, 19); a += c;
    c -= b; c ^= rot(b, 4); b += a;
}

void final(quint32 &a, quint32 &b, quint32 &c)
{
    c ^= b; c -= rot(b, 14);
    a ^= c; a -= rot(c, 11);
    b ^= a; b -= rot(a, 25);
    c ^= b; c -= rot(b, 16);
    a ^= c; a -= rot(c, 4);
    b ^= a; b -= rot(a, 14);
    c ^= b; c -= rot(b, 24);
}

std::atomic<quint64> hashCount{0};

quint32 word(const uchar *k, qsizetype n)
{
    quint32 w = 0;
    for (qsizetype i = 0; i < n && i < 4; ++i)
        w |= quint32(k[i]) << (8 * i);
    return w;
}

} // namespace

quint64 nameHash(const QByteArray &name)
{
    const QByteArray lower = name.toLower();
    return nameHash(lower.constData(), lower.size());
}

quint64 numberedEntryHash(const char *folder, int number)
{
    char name[96];
    const qsizetype folderLength = qsizetype(std::strlen(folder));
    constexpr qsizetype Fixed = 6 + 1 + 8 + 4; // "build/" "/" digits ".tga"
    if (folderLength + Fixed > qsizetype(sizeof name))
        return 0;
    char *p = name;
    std::memcpy(p, "build/", 6);
    p += 6;
    std::memcpy(p, folder, size_t(folderLength));
    p += folderLength;
    *p++ = '/';
    for (int i = 7, v = number; i >= 0; --i, v /= 10)
        p[i] = char('0' + v % 10);
    p += 8;
    std::memcpy(p, ".tga", 4);
    p += 4;
    return nameHash(name, p - name);
}

quint64 hashesMade()
{
    return hashCount.load(std::memory_order_relaxed);
}

quint64 nameHash(const char *lowerName, qsizetype length)
{
    hashCount.fetch_add(1, std::memory_order_relaxed);
    const auto *k = reinterpret_cast<const uchar *>(lowerName);
    quint32 a, b, c;
    a = b = c = 0xDEADBEEFu + quint32(length);
    while (length > 12) {
        a += word(k, 4);
        b += word(k + 4, 4);
        c += word(k + 8, 4);
        mix(a, b, c);
        k += 12;
        length -= 12;
    }
    if (length == 0)
        return quint64(b) << 32 | c;
    a += word(k, length);
    if (length > 4)
        b += word(k + 4, length - 4);
    if (length > 8)
        c += word(k + 8, length - 8);
    final(a, b, c);
    return quint64(b) << 32 | c;
}

QHash<quint64, Entry> readEntries(const ClientFile &file)
{
    QHash<quint64, Entry> entries;
    if (!file.holds(0, HeaderSize) || file.u32(0) != Magic)
        return entries;
    qint64 block = qint64(file.u64(12));
    QSet<qint64> visited;
    while (block != 0 && file.holds(block, BlockHeaderSize) && !visited.contains(block)) {
        visited.insert(block);
        const qint32 count = qint32(file.u32(block));
        const qint64 next = qint64(file.u64(block + 4));
        // A count the block cannot hold is cut to what the file has.
        const qint64 room = (file.size() - block - BlockHeaderSize) / EntrySize;
        const qint64 usable = std::clamp<qint64>(count, 0, room);
        for (qint64 i = 0; i < usable; ++i) {
            const qint64 at = block + BlockHeaderSize + i * EntrySize;
            const qint64 offset = qint64(file.u64(at));
            const qint32 headerLength = qint32(file.u32(at + 8));
            Entry e;
            e.compressedLength = qint32(file.u32(at + 12));
            e.decompressedLength = qint32(file.u32(at + 16));
            const quint64 hash = file.u64(at + 20);
            e.flag = qint16(file.u16(at + 32));
            if (offset <= 0 || headerLength < 0 || e.compressedLength < 0)
                continue;
            e.dataOffset = offset + headerLength;
            if (!file.holds(e.dataOffset, e.compressedLength))
                continue;
            entries.insert(hash, e);
        }
        block = next;
    }
    return entries;
}

std::vector<std::pair<int, Entry>> numberedEntries(const QHash<quint64, Entry> &entries, const char *folder,
                                                   int first, int last)
{
    std::vector<std::pair<int, Entry>> found;
    if (entries.isEmpty() || last < first)
        return found;
    // Number by hash, per folder and range; the first number wins should two
    // names ever share a hash.
    using Key = std::tuple<std::string, int, int>;
    static std::mutex guard;
    static std::map<Key, QHash<quint64, int>> tables;
    const QHash<quint64, int> *numbers = nullptr;
    {
        const std::lock_guard lock(guard);
        auto [table, made] = tables.try_emplace(Key{folder, first, last});
        if (made) {
            table->second.reserve(qsizetype(last) - first + 1);
            for (int n = first; n <= last; ++n) {
                const quint64 hash = numberedEntryHash(folder, n);
                if (!table->second.contains(hash))
                    table->second.insert(hash, n);
            }
        }
        numbers = &table->second;   // never erased, so safe to read unlocked
    }
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        const auto number = numbers->constFind(it.key());
        if (number != numbers->cend())
            found.emplace_back(*number, *it);
    }
    std::sort(found.begin(), found.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    return found;
}

QByteArray payload(const ClientFile &file, const Entry &entry, qint32 maxLength)
{
    if (!file.holds(entry.dataOffset, entry.compressedLength))
        return QByteArray();
    const auto *start = file.data() + entry.dataOffset;
    const auto packing = Packing(entry.flag);
    if (packing == Packing::Stored)
        return QByteArray(reinterpret_cast<const char *>(start), entry.compressedLength);
    if (packing != Packing::Zlib && packing != Packing::ZlibMythic)
        return QByteArray();
    if (entry.decompressedLength <= 0 || entry.decompressedLength > maxLength)
        return QByteArray();
    // qUncompress takes the expected length first, big-endian.
    QByteArray framed(4, '\0');
    const quint32 expected = quint32(entry.decompressedLength);
    for (int i = 0; i < 4; ++i)
        framed[i] = char(expected >> (24 - 8 * i));
    framed.append(reinterpret_cast<const char *>(start), entry.compressedLength);
    const QByteArray inflated = qUncompress(framed);
    if (inflated.size() != entry.decompressedLength)
        return QByteArray();
    return packing == Packing::Zlib ? inflated : undoMythic(inflated, maxLength);
}

QByteArray undoMythic(const QByteArray &packed, qint64 maxLength)
{
    constexpr qsizetype CountTable = 256 * 4;
    if (packed.size() < 4 + CountTable)
        return QByteArray();

    // Move-to-front pass over everything after the 4-byte key.
    std::array<uchar, 256> order;
    std::iota(order.begin(), order.end(), 0);
    QByteArray table(packed.size() - 4, Qt::Uninitialized);
    auto *t = reinterpret_cast<uchar *>(table.data());
    const auto *p = reinterpret_cast<const uchar *>(packed.constData()) + 4;
    for (qsizetype i = 0; i < table.size(); ++i) {
        const uchar k = p[i];
        const uchar symbol = order[k];
        std::move_backward(order.begin(), order.begin() + k, order.begin() + k + 1);
        order[0] = symbol;
        t[i] = symbol;
    }

    std::array<quint32, 256> counts;
    qint64 total = 0;
    int active = 0;
    for (int s = 0; s < 256; ++s) {
        counts[size_t(s)] = quint32(t[4 * s]) | quint32(t[4 * s + 1]) << 8 | quint32(t[4 * s + 2]) << 16
                            | quint32(t[4 * s + 3]) << 24;
        total += counts[size_t(s)];
        active += counts[size_t(s)] > 0;
    }
    // Every symbol output but the last of its kind reads one byte of its
    // region, so the regions must be in the data.
    if (total > maxLength || total > table.size() - CountTable)
        return QByteArray();
    const uchar *region = t + CountTable;

    std::array<int, 256> byCount;
    std::iota(byCount.begin(), byCount.end(), 0);
    std::stable_sort(byCount.begin(), byCount.end(),
                     [&](int x, int y) { return counts[size_t(x)] > counts[size_t(y)]; });
    std::array<uchar, 256> sym;
    std::iota(sym.begin(), sym.end(), 0);
    std::array<qint64, 256> lo{}, hi{};
    qint64 m = 0;
    for (const int s : byCount) {
        if (counts[size_t(s)] == 0)
            break;
        sym[region[m]] = uchar(s);
        lo[size_t(s)] = m + 1;
        m += counts[size_t(s)];
        hi[size_t(s)] = m;
    }

    QByteArray out(total, Qt::Uninitialized);
    auto *o = reinterpret_cast<uchar *>(out.data());
    uchar v = sym[0];
    for (qint64 n = 0; n < total; ++n) {
        o[n] = v;
        if (lo[v] < hi[v]) {
            const uchar j = region[lo[v]++];
            if (j != 0) {
                std::move(sym.begin() + 1, sym.begin() + j + 1, sym.begin());
                sym[j] = v;
                v = sym[0];
            }
        } else if (active > 0) {
            --active;
            std::move(sym.begin() + 1, sym.begin() + active + 1, sym.begin());
            v = sym[0];
        }
    }
    return out;
}

} // namespace UopArchive
