#pragma once

#include "assets/client/ClientFile.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

// The client's localized strings (Cliloc.enu), by cliloc number. Opening
// indexes the records; a text is decoded when asked for.
//
// Layout relied on (little-endian): a 6-byte header (u32, u16), then
// records until the end of the file: i32 number, u8 flag, u16 length,
// length bytes of UTF-8 text. A record cut short by the end of the file
// ends the reading; the records before it are kept.
class Cliloc
{
public:
    inline static const QString FileName = QStringLiteral("Cliloc.enu");
    static constexpr qint64 HeaderSize = 6;
    static constexpr qint64 RecordHeaderSize = 7;

    // nullptr when the folder has no such file.
    static std::shared_ptr<const Cliloc> open(const QString &clientDir);
    static std::shared_ptr<const Cliloc> fromFile(std::shared_ptr<const ClientFile> file);

    int count() const { return int(m_entries.size()); }
    // The text of the number; nothing when the file holds no such record.
    std::optional<QString> text(int number) const;

private:
    struct Entry
    {
        qint32 number;
        qint64 offset;   // of the text
        quint16 length;
    };

    std::shared_ptr<const ClientFile> m_file;
    std::vector<Entry> m_entries;   // by number
};
