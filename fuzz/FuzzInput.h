#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>

// What the harnesses share: the input as bytes and as design lines, and a
// folder of their own for files the readers must find on disk.
namespace FuzzInput {

inline QByteArray bytes(const std::uint8_t *data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A folder that lives as long as the harness, ending in "/".
inline QString scratchDir()
{
    static QTemporaryDir dir;
    return dir.path() + u'/';
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(path.left(path.lastIndexOf(u'/')));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        __builtin_trap();   // the harness itself is broken, not the reader
}

inline void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

} // namespace FuzzInput
