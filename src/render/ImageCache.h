#pragma once

#include "render/ElementBitmap.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Finished element images kept between redraws, under the keys of CacheKey.
//
// The index reads as if the images were stacked top to bottom in one tall
// strip: four lines per entry (key, top, width, height), tops growing by each
// added height, the strip only growing between clean-ups. The pixels are kept
// one image per entry instead, so an add costs the image added and not a copy
// of the strip, and a lookup is a hash probe that never touches pixels.
class ImageCache
{
public:
    struct Entry
    {
        QString key;
        qint64 top = 0;
        int width = 0;
        int height = 0;
        ElementBitmap bitmap;
    };

    // No design can make the cache hold more pixels than this: once an add
    // would pass it, the least recently used go first (a lookup that finds
    // its key counts as a use, and so does adding it); an image larger than the
    // whole budget is handed out but not kept.
    static constexpr qint64 DefaultByteBudget = qint64(256) * 1024 * 1024;
    void setByteBudget(qint64 bytes) { m_byteBudget = bytes; }
    qint64 bytesHeld() const { return m_bytes; }

    // CacheImages: when off nothing is looked up or added; clean-ups still run.
    void setEnabled(bool on) { m_enabled = on; }
    bool isEnabled() const { return m_enabled; }

    // The first entry under the key; nothing when absent or the cache is off.
    std::optional<Entry> lookup(const QString &key) const;

    // Appends an entry at the foot of the strip (nothing when the cache is off).
    void add(const QString &key, const ElementBitmap &bitmap);

    // The cached image under key, or make()'s image, added under key. With the
    // cache off, always make()'s image.
    ElementBitmap obtain(const QString &key, const std::function<ElementBitmap()> &make);

    // Empties the index. The strip keeps its size until the next clean-up, so
    // images added in between are stacked below the forgotten ones.
    void forgetAll();

    // CacheCLEANUPTimer: rebuilds the strip and index from the entries that
    // the document's element records refer to, once per referring element in
    // document order (an image two elements use is kept twice; lookups take
    // the first). Everything else is dropped.
    void cleanUp(const QStringList &documentLines);

    // The index, four lines per entry: key, top, width, height (written out
    // when asked for; nothing needs it on the way of a redraw).
    QStringList indexLines() const;
    int entryCount() const { return int(m_entries.size()); }
    // Size of the strip the index describes.
    int stripWidth() const { return m_stripWidth; }
    qint64 stripHeight() const { return m_stripHeight; }

private:
    void append(const QString &key, int width, int height, const ElementBitmap &bitmap);

    void evictLeastRecentlyUsedUntilFree(qint64 bytes);
    void rebuildFrom(const QList<Entry> &kept);

    bool m_enabled = true;
    qint64 m_byteBudget = DefaultByteBudget;
    qint64 m_bytes = 0;
    QList<Entry> m_entries;
    QHash<QString, int> m_firstEntryOfKey;   // key -> 1 + index of its first entry
    mutable QHash<QString, quint64> m_lastUse; // key -> tick of its last lookup or add
    mutable quint64 m_tick = 0;
    int m_stripWidth = 0;
    qint64 m_stripHeight = 0;
};
