#pragma once

#include <QByteArrayView>
#include <QtEndian>

#include <optional>

// Reads big-endian numbers and byte runs from a packet, never past its end:
// a read that does not fit gives nothing and leaves the position unchanged.
class ByteCursor
{
public:
    explicit ByteCursor(QByteArrayView bytes) : m_bytes(bytes) {}

    qsizetype position() const { return m_position; }
    qsizetype remaining() const { return m_bytes.size() - m_position; }

    std::optional<quint8> u8() { return number<quint8>(); }
    std::optional<quint16> u16() { return number<quint16>(); }
    std::optional<quint32> u32() { return number<quint32>(); }

    std::optional<QByteArrayView> bytes(qint64 count)
    {
        if (count < 0 || count > remaining())
            return std::nullopt;
        const QByteArrayView run = m_bytes.sliced(m_position, qsizetype(count));
        m_position += qsizetype(count);
        return run;
    }

private:
    template <typename T>
    std::optional<T> number()
    {
        if (remaining() < qsizetype(sizeof(T)))
            return std::nullopt;
        const T value = qFromBigEndian<T>(m_bytes.data() + m_position);
        m_position += qsizetype(sizeof(T));
        return value;
    }

    QByteArrayView m_bytes;
    qsizetype m_position = 0;
};
