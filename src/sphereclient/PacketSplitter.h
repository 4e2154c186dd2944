#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// Cuts the decoded stream a game connection delivers into whole packets. A
// packet's length follows from its first byte: fixed for most ids, a u16
// after the id for the others. The lengths are those the server sends to a
// client of version 7.0.9 or later, the version SphereLoginClient announces.
class PacketSplitter
{
public:
    // What lengthOf() says of an id the server sends with a length field.
    static constexpr int Variable = -1;
    // ... and of an id it never sends: the stream cannot be followed past it.
    static constexpr int Unknown = 0;
    static int lengthOf(quint8 id);

    void append(QByteArrayView bytes);
    // The next whole packet, or nothing when more bytes are needed or the
    // stream went wrong (see error()). Once wrong it stays wrong.
    std::optional<QByteArray> next();
    const QString &error() const { return m_error; }
    // Bytes held that are not yet a whole packet.
    qsizetype pending() const { return m_buffer.size() - m_start; }

private:
    QByteArray m_buffer;
    qsizetype m_start = 0;
    int m_lastId = -1;   // the packet handed out last, for the message of a stream lost after it
    QString m_error;
};
