#pragma once

#include "assets/client/ClientFile.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <atomic>
#include <memory>
#include <utility>
#include <vector>

// The gump pictures of a game client, by gump number. Opening reads only the
// index; a picture is decoded when asked for. Decoding is const and may run
// on several threads at once.
class GumpArt
{
public:
    inline static const QString UopName = QStringLiteral("gumpartLegacyMUL.uop");
    inline static const QString IndexName = QStringLiteral("gumpidx.mul");
    inline static const QString DataName = QStringLiteral("gumpart.mul");

    // The packed archive when the folder has one, the index and data pair
    // otherwise; nullptr when it has neither.
    static std::shared_ptr<const GumpArt> open(const QString &clientDir);
    static std::shared_ptr<const GumpArt> fromMul(std::shared_ptr<const ClientFile> index,
                                                  std::shared_ptr<const ClientFile> data);
    static std::shared_ptr<const GumpArt> fromUop(std::shared_ptr<const ClientFile> archive);

    // Gump numbers run from 0 to idLimit() - 1; not all of them exist.
    int idLimit() const { return m_idLimit; }
    bool contains(int id) const;
    // The ids that exist, in order.
    std::vector<int> ids() const;
    // Entries of the index dropped because they cannot be decoded (a packing
    // this reader does not take), plus pictures that failed to decode so far.
    int undecodable() const { return m_skipped + m_failed.load(); }

    // The picture, Format_RGB32, see-through pixels black; null when the
    // gump does not exist or its data is damaged (counted once per call).
    QImage decode(int id) const;

    // Highest gump number looked for in an archive, past its entry count.
    static constexpr int ProbeSlack = 0x4000;
    static constexpr int MinProbe = 65535;

private:
    struct Entry
    {
        qint64 offset = -1;       // in the data, or of the archive payload
        qint32 length = 0;
        qint32 decompressedLength = 0;
        quint16 width = 0, height = 0;   // the index's, 0 in an archive
        qint16 flag = 0;
    };

    QImage decodeMul(const Entry &e) const;
    QImage decodeUop(const Entry &e) const;

    const Entry *find(int id) const;

    std::shared_ptr<const ClientFile> m_data;
    bool m_packed = false;
    // Only the gumps there are, by id: a small file has a small table.
    std::vector<std::pair<int, Entry>> m_entries;
    int m_idLimit = 0;
    int m_skipped = 0;
    mutable std::atomic<int> m_failed{0};
};
