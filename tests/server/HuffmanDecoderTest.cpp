#include "sphereclient/HuffmanDecoder.h"

#include <gtest/gtest.h>

#include <ostream>

#include <QStringList>

namespace {

// Bit strings worked out by hand from the server's table: 0x00 is "00",
// 'A' "10010110", 0x01 "11111", 0xA6 the 11-bit "01110101110", the end
// symbol "1101"; the last byte of a packet is padded with zeros.
struct DecodeCase
{
    const char *name;
    QStringList chunks;   // hex
    QByteArray decoded;   // hex
    qint64 packetsEnded;
    bool atBoundary;
};

const DecodeCase decodeCases[] = {
    {"EndSymbolAloneIsAnEmptyPacket", {"d0"}, "", 1, true},
    {"OneByteAndItsPadding", {"34"}, "00", 1, true},
    // 00 1101 11: the "11" after the end symbol would begin a code.
    {"PaddingThatLooksLikeACodeIsSkipped", {"37"}, "00", 1, true},
    {"LongestCodeAcrossChunks", {"75", "da"}, "a6", 1, true},
    {"EmptyChunksChangeNothing", {"", "34", ""}, "00", 1, true},
    {"CodeCutAtTheEndWaits", {"75"}, "", 0, false},
    // Every bit sequence is a code: eight ones are 0x01 and three ones held.
    {"AllOnesDecodeAndWait", {"ff"}, "01", 0, false},
    {"PacketLeftOpenByItsLastByte", {"96"}, "41", 0, false},
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const DecodeCase &c, std::ostream *out)
{
    *out << c.name;
}

class HuffmanDecoderDecodes : public ::testing::TestWithParam<DecodeCase>
{
};

TEST_P(HuffmanDecoderDecodes, AsTheServerCoded)
{
    const DecodeCase &c = GetParam();
    HuffmanDecoder decoder;
    QByteArray out;
    for (const QString &chunk : c.chunks)
        decoder.decode(QByteArray::fromHex(chunk.toLatin1()), out);
    EXPECT_EQ(out.toHex(), c.decoded);
    EXPECT_EQ(decoder.packetsEnded(), c.packetsEnded);
    EXPECT_EQ(decoder.atPacketBoundary(), c.atBoundary);
}

INSTANTIATE_TEST_SUITE_P(Cases, HuffmanDecoderDecodes, ::testing::ValuesIn(decodeCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(HuffmanDecoder, SplittingAnywhereGivesTheSameBytes)
{
    // "Hello", 0x00 and 0xA6 as three packets.
    const QByteArray stream = QByteArray::fromHex("43f96a6af1a0" "34" "75da");
    HuffmanDecoder whole;
    QByteArray expected;
    whole.decode(stream, expected);
    ASSERT_EQ(expected.toHex(), "48656c6c6f00a6");
    for (qsizetype cut = 0; cut <= stream.size(); ++cut) {
        HuffmanDecoder split;
        QByteArray out;
        split.decode(stream.first(cut), out);
        split.decode(stream.sliced(cut), out);
        EXPECT_EQ(out, expected) << "cut at " << cut;
        EXPECT_EQ(split.packetsEnded(), 3);
    }
}

} // namespace
