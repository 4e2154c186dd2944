#include "platform/TextFile.h"
#include "platform/CappedFile.h"

#include <cstring>
#include <vector>

namespace TextFile {

namespace {

// Designs and scripts repeat their short lines (kind words, coordinates,
// hues, flags) thousands of times: equal short lines share one string, so
// each costs no allocation of its own. A line's text depends on its bytes
// alone, so a string made once stands for every later line of those bytes.
template <typename Decode>
class ShortLines
{
public:
    explicit ShortLines(Decode decode) : m_decode(decode) {}

    QString operator()(const char *data, qsizetype size)
    {
        if (size > MaxLength)
            return m_decode(data, size);
        quint32 hash = 2166136261u; // FNV-1a
        for (qsizetype k = 0; k < size; ++k)
            hash = (hash ^ quint8(data[k])) * 16777619u;
        Slot &slot = m_slots[hash % Slots];
        if (slot.size != size || std::memcmp(slot.bytes, data, size_t(size)) != 0) {
            std::memcpy(slot.bytes, data, size_t(size));
            slot.size = size;
            slot.text = m_decode(data, size);
        }
        return slot.text;
    }

private:
    static constexpr qsizetype MaxLength = 16;
    static constexpr quint32 Slots = 509;
    struct Slot
    {
        char bytes[MaxLength];
        qsizetype size = -1;
        QString text;
    };
    Decode m_decode;
    std::vector<Slot> m_slots = std::vector<Slot>(Slots);
};

template <typename Decode>
QStringList splitLinesWith(const QByteArray &bytes, Decode decodeLine)
{
    QStringList lines;
    const qsizetype n = bytes.size();
    if (n == 0)
        return lines;
    // Room for every line at once: growing a list of 100,000s copies it again and again.
    const qsizetype feeds = bytes.count('\n');
    lines.reserve((feeds > 0 ? feeds : bytes.count('\r')) + 1);
    ShortLines<Decode> decode(decodeLine);
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.append(decode(bytes.constData() + start, i - start));
        if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(decode(bytes.constData() + start, n - start));
    return lines;
}

} // namespace

QStringList splitLines(const QByteArray &bytes)
{
    return splitLinesWith(bytes, [](const char *data, qsizetype size) { return QString::fromLatin1(data, size); });
}

QStringList splitUtf8Lines(const QByteArray &bytes)
{
    return splitLinesWith(bytes, [](const char *data, qsizetype size) {
        return QByteArrayView(data, size).isValidUtf8() ? QString::fromUtf8(data, size)
                                                        : QString::fromLatin1(data, size);
    });
}

QStringList readLines(const QString &path)
{
    return splitLines(CappedFile::readOrThrow(path));
}

} // namespace TextFile
