#include "sphereclient/PacketSplitter.h"

#include <array>

namespace {

// Taken from the server's send.cpp: the length each PacketSend subclass gives
// its id (after trim() for a client of 7.0.9 or later), or Variable when it
// calls initLength(). Ids the server never sends stay Unknown.
constexpr std::array<qint16, 256> makeLengths()
{
    std::array<qint16, 256> l{};
    constexpr int V = PacketSplitter::Variable;
    const std::pair<int, int> known[] = {
        {0x0b, 7},  {0x11, V},  {0x16, V},  {0x17, V},  {0x1a, V},  {0x1b, 37}, {0x1c, V},  {0x1d, 5},
        {0x20, 19}, {0x21, 8},  {0x22, 3},  {0x23, 26}, {0x24, 9},  {0x25, 21}, {0x26, 5},  {0x27, 2},
        {0x29, 1},  {0x2c, 2},  {0x2e, 15}, {0x2f, 10}, {0x3a, V},  {0x3b, V},  {0x3c, V},  {0x3f, V},
        {0x4f, 2},  {0x53, 2},  {0x54, 12}, {0x55, 1},  {0x56, 11}, {0x5b, 4},  {0x65, 4},  {0x66, V},
        {0x6c, 19}, {0x6d, 3},  {0x6e, 14}, {0x6f, V},  {0x70, 28}, {0x71, V},  {0x72, 5},  {0x73, 2},
        {0x74, V},  {0x76, 16}, {0x77, 17}, {0x78, V},  {0x7c, V},  {0x81, V},  {0x82, 2},  {0x85, 2},
        {0x86, V},  {0x88, 66}, {0x89, V},  {0x8b, V},  {0x8c, 11}, {0x90, 19}, {0x93, 99}, {0x95, 9},
        {0x98, V},  {0x99, 30}, {0x9a, V},  {0x9e, V},  {0xa1, 9},  {0xa2, 9},  {0xa3, 9},  {0xa5, V},  {0xa6, V},
        {0xa8, V},  {0xa9, V},  {0xaa, 5},  {0xab, V},  {0xae, V},  {0xaf, 13}, {0xb0, V},  {0xb2, V},
        {0xb7, V},  {0xb8, V},  {0xb9, 5},  {0xba, 10}, {0xbc, 3},  {0xbd, V},  {0xbf, V},  {0xc0, 36},
        {0xc1, V},  {0xc2, V},  {0xc7, 49}, {0xc8, 2},  {0xcc, V},  {0xd1, 2},  {0xd4, V},  {0xd6, V},  {0xd8, V},
        {0xdc, 9},  {0xdd, V},  {0xdf, V},  {0xe2, 10}, {0xe3, 77}, {0xe5, V},  {0xe6, 5},  {0xea, 3},
        {0xf2, 25}, {0xf3, 26}, {0xf5, 21}, {0xf6, V},  {0xf7, V},  {0xf9, 4},
    };
    for (const auto &[id, length] : known)
        l[std::size_t(id)] = qint16(length);
    return l;
}

constexpr std::array<qint16, 256> Lengths = makeLengths();

} // namespace

int PacketSplitter::lengthOf(quint8 id)
{
    return Lengths[id];
}

void PacketSplitter::append(QByteArrayView bytes)
{
    if (!m_error.isEmpty())
        return;
    // Drop what was handed out before the buffer grows again.
    if (m_start > 0) {
        m_buffer.remove(0, m_start);
        m_start = 0;
    }
    m_buffer.append(bytes);
}

std::optional<QByteArray> PacketSplitter::next()
{
    if (!m_error.isEmpty() || pending() < 1)
        return std::nullopt;
    const auto *data = reinterpret_cast<const quint8 *>(m_buffer.constData()) + m_start;
    const quint8 id = data[0];
    int length = lengthOf(id);
    if (length == Unknown) {
        m_error = QStringLiteral("unknown packet id 0x%1").arg(id, 2, 16, QLatin1Char('0'));
        if (m_lastId >= 0)
            m_error += QStringLiteral(" after packet 0x%1").arg(m_lastId, 2, 16, QLatin1Char('0'));
        return std::nullopt;
    }
    if (length == Variable) {
        if (pending() < 3)
            return std::nullopt;
        length = (data[1] << 8) | data[2];
        if (length < 3) {
            m_error = QStringLiteral("packet 0x%1 claims a length of %2 bytes")
                          .arg(id, 2, 16, QLatin1Char('0'))
                          .arg(length);
            return std::nullopt;
        }
    }
    if (pending() < length)
        return std::nullopt;
    QByteArray packet = m_buffer.mid(m_start, length);
    m_start += length;
    m_lastId = id;
    return packet;
}
