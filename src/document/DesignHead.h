#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The first line of a design file that holds what an older version of the
// program would misread: script records, kept TEXT lines and button blocks,
// computed number fields. An older version takes it for a stray line and
// draws nothing of it; this one drops it when reading. Other designs are
// written without it, byte for byte as before.
namespace DesignHead {

inline const QString Line =
    QStringLiteral("QUILLMARK 2: script logic and computed fields; older versions misread this design");
// The first line of a design holding letters past the 8-bit set (a Turkish
// shard's "ş", "ı"): the rest of the file is UTF-8 instead of 8-bit text.
inline const QString Utf8Line =
    QStringLiteral("QUILLMARK 2 UTF-8: letters past the 8-bit set; older versions misread this design");

// Whether the lines hold anything the head must warn of.
bool needed(const QStringList &lines);

// Whether a line holds a letter past the 8-bit set, which makes the file UTF-8.
bool needsUtf8(const QStringList &lines);

// Whether the line is one of the two heads.
bool isHead(const QString &line);

// The lines as read, the head dropped when it is their first line.
QStringList withoutHead(QStringList lines);

} // namespace DesignHead
