#pragma once

#include <QByteArray>
#include <QtEndian>

// Appends numbers as the game's packets carry them: big-endian.
namespace BigEndianWriting {

inline void appendU16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToBigEndian(value, bytes);
    out.append(bytes, 2);
}

inline void appendU32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

} // namespace BigEndianWriting
