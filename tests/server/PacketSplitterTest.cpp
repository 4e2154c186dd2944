#include "sphereclient/PacketSplitter.h"

#include <gtest/gtest.h>

#include <ostream>

#include <QStringList>

namespace {

struct SplitCase
{
    const char *name;
    QStringList chunks;    // hex
    QStringList packets;   // hex
    const char *error;     // part of the error, or "" for none
};

const SplitCase splitCases[] = {
    {"FixedLengthsBackToBack", {"55" "4f1a" "7300"}, {"55", "4f1a", "7300"}, ""},
    {"VariableLengthFromItsField", {"1c0005aabb" "55"}, {"1c0005aabb", "55"}, ""},
    {"LengthFieldSplitAcrossChunks", {"1c", "00", "04ff"}, {"1c0004ff"}, ""},
    {"FixedPacketSplitAcrossChunks", {"4f", "1a"}, {"4f1a"}, ""},
    {"IncompletePacketIsHeldBack", {"1b0000"}, {}, ""},
    {"UnknownIdStopsTheStream", {"55" "01" "55"}, {"55"}, "unknown packet id 0x01"},
    {"LengthBelowItsHeaderStopsTheStream", {"dd0002" "55"}, {}, "length of 2"},
    {"NothingAfterAnError", {"01", "55"}, {}, "0x01"},
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const SplitCase &c, std::ostream *out)
{
    *out << c.name;
}

class PacketSplitterSplits : public ::testing::TestWithParam<SplitCase>
{
};

TEST_P(PacketSplitterSplits, AtTheLengthsTheServerSends)
{
    const SplitCase &c = GetParam();
    PacketSplitter splitter;
    QStringList got;
    for (const QString &chunk : c.chunks) {
        splitter.append(QByteArray::fromHex(chunk.toLatin1()));
        while (const std::optional<QByteArray> packet = splitter.next())
            got.append(QString::fromLatin1(packet->toHex()));
    }
    EXPECT_EQ(got, c.packets);
    if (*c.error)
        EXPECT_TRUE(splitter.error().contains(QLatin1String(c.error))) << splitter.error().toStdString();
    else
        EXPECT_TRUE(splitter.error().isEmpty()) << splitter.error().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, PacketSplitterSplits, ::testing::ValuesIn(splitCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(PacketSplitter, KnowsEveryIdOfALoginAndAGump)
{
    // What a login with one dialog brought from the real server, and the
    // text prompts a reply handler may open (0x9a, 0xc2).
    for (const int id : {0xb9, 0xa9, 0x1b, 0xbf, 0x4f, 0x78, 0x17, 0x20, 0x11, 0x72, 0x55, 0x5b, 0xbc, 0x1c, 0xae,
                         0xdd, 0xb0, 0x9a, 0xc2})
        EXPECT_NE(PacketSplitter::lengthOf(quint8(id)), PacketSplitter::Unknown) << std::hex << id;
}

} // namespace

namespace {

// The effects are as long as the server writes them, not as the buffer it
// starts them in: 28 bytes plain, 36 with a hue, 49 with particles.
TEST(PacketSplitter, EffectsHaveTheLengthTheServerWrites)
{
    const std::pair<int, int> effects[] = {{0x70, 28}, {0xc0, 36}, {0xc7, 49}};
    for (const auto &[id, length] : effects)
        EXPECT_EQ(PacketSplitter::lengthOf(quint8(id)), length) << std::hex << id;
}

} // namespace
