#include "render/ImageCache.h"
#include "app/RecordWalker.h"
#include "render/CacheKey.h"

std::optional<ImageCache::Entry> ImageCache::lookup(const QString &key) const
{
    if (!m_enabled)
        return std::nullopt;
    const auto found = m_firstEntryOfKey.constFind(key);
    if (found == m_firstEntryOfKey.cend())
        return std::nullopt;
    return m_entries[*found - 1];
}

void ImageCache::add(const QString &key, const ElementBitmap &bitmap)
{
    if (m_enabled)
        append(key, bitmap.width(), bitmap.height(), bitmap);
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
    m_bytes = 0;
}

namespace {
qint64 bytesOf(int width, int height)
{
    return qint64(width) * height * 4;
}
} // namespace

void ImageCache::evictOldestUntilFree(qint64 bytes)
{
    qsizetype dropped = 0;
    qint64 held = m_bytes;
    while (dropped < m_entries.size() && held + bytes > m_byteBudget) {
        held -= bytesOf(m_entries[dropped].width, m_entries[dropped].height);
        ++dropped;
    }
    if (dropped == 0)
        return;
    const QList<Entry> kept = m_entries.mid(dropped);
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
}

void ImageCache::append(const QString &key, int width, int height, const ElementBitmap &bitmap)
{
    const qint64 bytes = bytesOf(width, height);
    if (bytes > m_byteBudget)
        return;
    if (m_bytes + bytes > m_byteBudget)
        evictOldestUntilFree(bytes);
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
