#include "support/SyntheticClient.h"

#include "assets/client/UopArchive.h"

#include <QtEndian>

namespace SyntheticClient {

namespace {

template <typename T> void put(QByteArray &out, T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

} // namespace

QByteArray runs(const Gump &g)
{
    QList<QByteArray> rows;
    for (int y = 0; y < g.height; ++y) {
        QByteArray row;
        for (int x = 0; x < g.width;) {
            const quint16 c = g.pixels[y * g.width + x];
            int n = 1;
            while (x + n < g.width && g.pixels[y * g.width + x + n] == c)
                ++n;
            put<quint16>(row, c);
            put<quint16>(row, quint16(n));
            x += n;
        }
        rows.append(row);
    }
    QByteArray out;
    qint32 start = g.height;
    for (const QByteArray &row : rows) {
        put<qint32>(out, start);
        start += qint32(row.size() / 4);
    }
    for (const QByteArray &row : rows)
        out += row;
    return out;
}

std::pair<QByteArray, QByteArray> mul(const QList<Gump> &gumps)
{
    int count = 0;
    for (const Gump &g : gumps)
        count = std::max(count, g.id + 1);
    QByteArray index, data;
    for (int id = 0; id < count; ++id) {
        const auto g = std::find_if(gumps.begin(), gumps.end(), [id](const Gump &x) { return x.id == id; });
        if (g == gumps.end()) {
            put<qint32>(index, -1);
            put<qint32>(index, -1);
            put<qint32>(index, -1);
            continue;
        }
        const QByteArray r = runs(*g);
        put<qint32>(index, qint32(data.size()));
        put<qint32>(index, qint32(r.size()));
        put<qint32>(index, qint32(g->width << 16 | g->height));
        data += r;
    }
    return {index, data};
}

namespace {

struct Packed
{
    QByteArray name;
    QByteArray payload;
};

QByteArray archive(const QList<Packed> &entries, int blockCapacity)
{
    QByteArray out;
    put<quint32>(out, UopArchive::Magic);
    put<quint32>(out, 5);
    put<quint32>(out, 0xFD23EC43u);
    put<qint64>(out, 0x28);
    put<quint32>(out, quint32(blockCapacity));
    put<quint32>(out, quint32(entries.size()));
    out.append(0x28 - out.size(), '\0');

    // Blocks first, payloads after them; offsets patched in place.
    const int blocks = int((entries.size() + blockCapacity - 1) / blockCapacity);
    const qint64 blockBytes = 12 + 34 * qint64(blockCapacity);
    QByteArray payloads;
    const qint64 payloadBase = 0x28 + blocks * blockBytes;
    for (int b = 0; b < blocks; ++b) {
        QByteArray block;
        const int first = b * blockCapacity;
        const int n = std::min<int>(blockCapacity, int(entries.size()) - first);
        put<qint32>(block, n);
        put<qint64>(block, b + 1 < blocks ? 0x28 + (b + 1) * blockBytes : 0);
        for (int i = 0; i < blockCapacity; ++i) {
            if (i >= n) {
                block.append(34, '\0');
                continue;
            }
            const Packed &e = entries[first + i];
            put<qint64>(block, payloadBase + payloads.size());
            put<qint32>(block, 0);
            put<qint32>(block, qint32(e.payload.size()));
            put<qint32>(block, qint32(e.payload.size()));
            put<quint64>(block, UopArchive::nameHash(e.name));
            put<quint32>(block, 0);
            put<qint16>(block, 0);
            payloads += e.payload;
        }
        out += block;
    }
    return out + payloads;
}

QByteArray archiveName(const char *folder, int number)
{
    return QByteArray("build/") + folder + "/" + QByteArray::number(number).rightJustified(8, '0') + ".tga";
}

constexpr int FirstItemRecord = 0x4000;

} // namespace

QByteArray uop(const QList<Gump> &gumps, int blockCapacity)
{
    QList<Packed> entries;
    for (const Gump &g : gumps) {
        QByteArray p;
        put<qint32>(p, g.width);
        put<qint32>(p, g.height);
        entries.append({archiveName("gumpartlegacymul", g.id), p + runs(g)});
    }
    return archive(entries, blockCapacity);
}

QByteArray itemRuns(const Gump &item)
{
    QByteArray table, data;
    for (int y = 0; y < item.height; ++y) {
        put<quint16>(table, quint16(data.size() / 2));
        int end = 0;
        for (int x = 0; x < item.width;) {
            if (item.pixels[y * item.width + x] == 0) {
                ++x;
                continue;
            }
            int n = 0;
            while (x + n < item.width && item.pixels[y * item.width + x + n] != 0)
                ++n;
            put<quint16>(data, quint16(x - end));
            put<quint16>(data, quint16(n));
            for (int i = 0; i < n; ++i)
                put<quint16>(data, item.pixels[y * item.width + x + i]);
            x += n;
            end = x;
        }
        put<quint16>(data, 0);
        put<quint16>(data, 0);
    }
    QByteArray out;
    put<quint32>(out, 0x1234);
    put<quint16>(out, quint16(item.width));
    put<quint16>(out, quint16(item.height));
    return out + table + data;
}

std::pair<QByteArray, QByteArray> itemMul(const QList<Gump> &items)
{
    int count = 0;
    for (const Gump &g : items)
        count = std::max(count, g.id + 1);
    QByteArray index(12 * FirstItemRecord, '\xFF'), data;
    for (int id = 0; id < count; ++id) {
        const auto g = std::find_if(items.begin(), items.end(), [id](const Gump &x) { return x.id == id; });
        if (g == items.end()) {
            index.append(12, '\xFF');
            continue;
        }
        const QByteArray r = itemRuns(*g);
        put<qint32>(index, qint32(data.size()));
        put<qint32>(index, qint32(r.size()));
        put<qint32>(index, 0);
        data += r;
    }
    return {index, data};
}

QByteArray itemUop(const QList<Gump> &items)
{
    QList<Packed> entries;
    for (const Gump &g : items)
        entries.append({archiveName("artlegacymul", FirstItemRecord + g.id), itemRuns(g)});
    return archive(entries, 100);
}

QByteArray cliloc(const QList<std::pair<qint32, QByteArray>> &records)
{
    QByteArray out;
    put<quint32>(out, 2);
    put<quint16>(out, 1);
    for (const auto &[number, text] : records) {
        put<qint32>(out, number);
        out += '\0';
        put<quint16>(out, quint16(text.size()));
        out += text;
    }
    return out;
}

QByteArray hues(const QList<std::pair<quint16, QByteArray>> &records)
{
    QByteArray out;
    for (qsizetype i = 0; i < records.size(); i += 8) {
        put<quint32>(out, 0);
        for (qsizetype h = i; h < i + 8; ++h) {
            QByteArray hue;
            for (int c = 0; c < 32; ++c)
                put<quint16>(hue, h < records.size() && c == 30 ? records[h].first : quint16(c));
            put<quint16>(hue, 0);
            put<quint16>(hue, 0);
            QByteArray name = h < records.size() ? records[h].second : QByteArray();
            name.resize(20, '\0');
            out += hue + name;
        }
    }
    return out;
}

QByteArray unicodeFont(char16_t unit, int xOffset, int yOffset, const QList<QByteArray> &rows)
{
    return unicodeFont({{unit, xOffset, yOffset, rows}});
}

QByteArray unicodeFont(const QList<UnicodeGlyph> &glyphs)
{
    QByteArray out(65536 * 4, '\0');
    for (const UnicodeGlyph &g : glyphs) {
        qToLittleEndian(qint32(out.size()), out.data() + 4 * g.unit);
        const int width = g.rows.isEmpty() ? 0 : int(g.rows.first().size());
        out += char(qint8(g.xOffset));
        out += char(qint8(g.yOffset));
        out += char(width);
        out += char(g.rows.size());
        for (const QByteArray &row : g.rows) {
            QByteArray packed((width + 7) / 8, '\0');
            for (int x = 0; x < width; ++x)
                if (row[x] == '#')
                    packed[x / 8] = char(uchar(packed[x / 8]) | (0x80 >> (x % 8)));
            out += packed;
        }
    }
    return out;
}

} // namespace SyntheticClient
