#pragma once

#include "assets/client/ClientFile.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <memory>
#include <utility>
#include <vector>

// The client's packed archive ("MYP" files): blocks of entries, each found
// by the hash of its name.
namespace UopArchive {

constexpr quint32 Magic = 0x0050594D;

enum class Packing : qint16 { Stored = 0, Zlib = 1, ZlibMythic = 3 };

struct Entry
{
    qint64 dataOffset = 0;      // offset + header length
    qint32 compressedLength = 0;
    qint32 decompressedLength = 0;
    qint16 flag = 0;
};

// Jenkins' lookup3 hashlittle2 of the lower-case ASCII name, (b << 32) | c.
quint64 nameHash(const QByteArray &name);
// The same over bytes that are lower case already.
quint64 nameHash(const char *lowerName, qsizetype length);
// The hash of "build/<folder>/%08u.tga", the name of numbered entry in the
// archive's folder, made without building a string: opening an archive
// probes tens of thousands of them. folder is lower case.
quint64 numberedEntryHash(const char *folder, int number);

// The entries by name hash. Blocks and entries that point outside the file
// are dropped; a block chain that loops or runs past the file ends the walk.
// Empty when the header is not an archive's.
QHash<quint64, Entry> readEntries(const ClientFile &file);

// The entries named "build/<folder>/%08u.tga" whose number lies in
// [first, last], in number order. The names' hashes are made once per folder
// and range and kept for the life of the program, so this takes time by the
// entries the archive holds, not by the range: callers pass fixed ranges.
std::vector<std::pair<int, Entry>> numberedEntries(const QHash<quint64, Entry> &entries, const char *folder,
                                                   int first, int last);

// How many name hashes were made so far in this program, to show that
// reading an archive does no work its data does not ask for.
quint64 hashesMade();

// The bytes of an entry as stored: decompressed for zlib, undone for the
// Mythic transform. Empty when they cannot be had (cut short, corrupt, a
// decompressed length above maxLength).
QByteArray payload(const ClientFile &file, const Entry &entry, qint32 maxLength);

// The Mythic transform that follows zlib in packing 3: a move-to-front pass,
// then a block-sorting inverse driven by the symbol counts it starts with.
// Empty for data that does not hold together.
QByteArray undoMythic(const QByteArray &packed, qint64 maxLength);

} // namespace UopArchive
