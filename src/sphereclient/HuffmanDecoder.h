#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <cstdint>

// Undoes the Huffman coding the server puts on everything it sends to a game
// connection. Every packet is coded on its own: a run of codes closed by the
// end symbol and padded to a whole byte. Bytes may be fed in any chunks; a
// code cut by a chunk boundary is completed by the next chunk.
class HuffmanDecoder
{
public:
    HuffmanDecoder();

    // Appends what `chunk` decodes to to `out`. At most four bytes come out
    // per byte in (the shortest code has two bits).
    void decode(QByteArrayView chunk, QByteArray &out);

    // True when no code is begun: the last bits fed closed a packet (or
    // nothing was fed yet).
    bool atPacketBoundary() const { return m_node == 0 && m_packetEnded; }
    // How many end symbols were decoded so far.
    qint64 packetsEnded() const { return m_packetsEnded; }

    static constexpr int EndSymbol = 256;

private:
    // A node of the code tree; a leaf holds its symbol as -1 - symbol.
    struct Node
    {
        std::int16_t child[2] = {0, 0};
    };
    // 257 leaves need 256 inner nodes.
    std::array<Node, 256> m_tree{};
    int m_node = 0;
    bool m_packetEnded = true;
    qint64 m_packetsEnded = 0;
};
