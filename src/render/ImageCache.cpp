#include "render/ImageCache.h"
#include "document/RecordWalker.h"
#include "render/CacheKey.h"

#include <QSet>

#include <algorithm>

std::optional<ImageCache::Entry> ImageCache::lookup(const QString &key) const
{
    if (!m_enabled)
        return std::nullopt;
    const auto found = m_firstEntryOfKey.constFind(key);
    if (found == m_firstEntryOfKey.cend())
        return std::nullopt;
    m_lastUse[key] = ++m_tick;
    return m_entries[*found - 1];
}

void ImageCache::add(const QString &key, const ElementBitmap &bitmap)
{
    if (!m_enabled)
        return;
    append(key, bitmap.width(), bitmap.height(), bitmap);
    if (m_firstEntryOfKey.contains(key))
        m_lastUse[key] = ++m_tick;
}

ElementBitmap ImageCache::obtain(const QString &key, const std::function<ElementBitmap()> &make)
{
    if (const auto hit = lookup(key))
        return hit->bitmap;
    ElementBitmap made = make();
    add(key, made);
    return made;
}

void ImageCache::forgetAll()
{
    m_entries.clear();
    m_firstEntryOfKey.clear();
    m_lastUse.clear();
    m_bytes = 0;
}

namespace {
qint64 bytesOf(int width, int height)
{
    return qint64(width) * height * 4;
}
} // namespace

void ImageCache::evictLeastRecentlyUsedUntilFree(qint64 bytes)
{
    QHash<QString, qint64> bytesOfKey;
    for (const Entry &e : m_entries)
        bytesOfKey[e.key] += bytesOf(e.width, e.height);
    QList<std::pair<quint64, QString>> byUse;
    byUse.reserve(bytesOfKey.size());
    for (auto it = bytesOfKey.cbegin(); it != bytesOfKey.cend(); ++it)
        byUse.append({m_lastUse.value(it.key()), it.key()});
    std::sort(byUse.begin(), byUse.end());

    QSet<QString> dropped;
    qint64 held = m_bytes;
    for (const auto &[tick, key] : byUse) {
        if (held + bytes <= m_byteBudget)
            break;
        held -= bytesOfKey.value(key);
        dropped.insert(key);
    }
    if (dropped.isEmpty())
        return;
    QList<Entry> kept;
    for (const Entry &e : std::as_const(m_entries))
        if (!dropped.contains(e.key))
            kept.append(e);
    for (const QString &key : dropped)
        m_lastUse.remove(key);
    rebuildFrom(kept);
}

// The strip laid out anew from kept, in its order.
void ImageCache::rebuildFrom(const QList<Entry> &kept)
{
    m_entries.clear();
    m_firstEntryOfKey.clear();
    m_stripWidth = 0;
    m_stripHeight = 0;
    m_bytes = 0;
    for (const Entry &e : kept)
        append(e.key, e.width, e.height, e.bitmap);
}

void ImageCache::cleanUp(const QStringList &documentLines)
{
    const QList<Entry> old = std::exchange(m_entries, {});
    const QHash<QString, int> oldFirst = std::exchange(m_firstEntryOfKey, {});
    m_entries.reserve(old.size());
    m_stripWidth = 0;
    m_stripHeight = 0;
    m_bytes = 0;

    RecordWalker walker(documentLines);
    while (walker.next()) {
        if (walker.item() != RecordWalker::Item::Element)
            continue;
        const QString key = CacheKey::forRecord(walker.kind(), documentLines, walker.line());
        const auto found = oldFirst.constFind(key);
        if (found == oldFirst.cend())
            continue;
        const Entry &entry = old[*found - 1];
        append(key, entry.width, entry.height, entry.bitmap);
    }
    m_lastUse.removeIf([this](const auto &use) { return !m_firstEntryOfKey.contains(use.key()); });
}

void ImageCache::append(const QString &key, int width, int height, const ElementBitmap &bitmap)
{
    const qint64 bytes = bytesOf(width, height);
    if (bytes > m_byteBudget)
        return;
    if (m_bytes + bytes > m_byteBudget)
        evictLeastRecentlyUsedUntilFree(bytes);
    m_bytes += bytes;
    const int index = int(m_entries.size());
    m_entries.append(Entry{key, m_stripHeight, width, height, bitmap});
    // Lookups take the first entry of a key: a later one leaves the slot as it is.
    if (int &first = m_firstEntryOfKey[key]; first == 0)
        first = index + 1;
    m_stripWidth = qMax(m_stripWidth, width);
    m_stripHeight += height;
}

QStringList ImageCache::indexLines() const
{
    QStringList lines;
    lines.reserve(m_entries.size() * 4);
    for (const Entry &entry : m_entries)
        lines << entry.key << QString::number(entry.top) << QString::number(entry.width)
              << QString::number(entry.height);
    return lines;
}
