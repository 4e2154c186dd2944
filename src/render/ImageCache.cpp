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
    return m_entries[*found];
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
    m_indexLines.clear();
    m_entries.clear();
    m_firstEntryOfKey.clear();
}

void ImageCache::cleanUp(const QStringList &documentLines)
{
    const QList<Entry> old = std::exchange(m_entries, {});
    const QHash<QString, int> oldFirst = std::exchange(m_firstEntryOfKey, {});
    m_indexLines.clear();
    m_stripWidth = 0;
    m_stripHeight = 0;

    RecordWalker walker(documentLines);
    while (walker.next()) {
        if (walker.item() != RecordWalker::Item::Element)
            continue;
        const QString key = CacheKey::forRecord(walker.kind(), documentLines, walker.line());
        const auto found = oldFirst.constFind(key);
        if (found == oldFirst.cend())
            continue;
        const Entry &entry = old[*found];
        append(key, entry.width, entry.height, entry.bitmap);
    }
}

void ImageCache::append(const QString &key, int width, int height, const ElementBitmap &bitmap)
{
    const int index = int(m_entries.size());
    m_entries.append(Entry{m_stripHeight, width, height, bitmap});
    if (!m_firstEntryOfKey.contains(key))
        m_firstEntryOfKey.insert(key, index);
    m_indexLines << key << QString::number(m_stripHeight) << QString::number(width) << QString::number(height);
    m_stripWidth = qMax(m_stripWidth, width);
    m_stripHeight += height;
}
