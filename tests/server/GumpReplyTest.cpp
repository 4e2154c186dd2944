#include "sphereclient/GumpReply.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct ReplyCase
{
    const char *name;
    GumpReply reply;
    const char *hex;   // the whole packet; "" when it must be refused
};

const ReplyCase replyCases[] = {
    {"CloseWithNothing", {0x01020304, 0x11, 0, {}, {}},
     "b10017" "01020304" "00000011" "00000000" "00000000" "00000000"},
    {"ButtonWithSwitches", {7, 0x12345678, 3, {5, 0x10000}, {}},
     "b1001f" "00000007" "12345678" "00000003" "00000002" "00000005" "00010000" "00000000"},
    {"EntriesAsUtf16BigEndian", {1, 2, 9, {}, {{7, QStringLiteral("a\u00e9")}, {0xFFFF, QString()}}},
     "b10023" "00000001" "00000002" "00000009" "00000000" "00000002" "0007" "0002" "0061" "00e9" "ffff" "0000"},
    {"AnEntryBeyondThePlane", {1, 2, 3, {}, {{1, QStringLiteral("\U0001F600")}}},
     "b1001f" "00000001" "00000002" "00000003" "00000000" "00000001" "0001" "0002" "d83d" "de00"},
    {"TooLongForOnePacket", {1, 2, 3, {}, {{1, QString(40000, u'x')}}}, ""},
};

// Names the case in test listings instead of dumping its fields.
void PrintTo(const ReplyCase &c, std::ostream *out)
{
    *out << c.name;
}

class GumpReplyWriting : public ::testing::TestWithParam<ReplyCase>
{
};

TEST_P(GumpReplyWriting, WritesThePacketAClientSends)
{
    const ReplyCase &c = GetParam();
    const std::optional<QByteArray> packet = writeGumpReply(c.reply);
    if (*c.hex == '\0') {
        EXPECT_FALSE(packet.has_value());
        return;
    }
    ASSERT_TRUE(packet.has_value());
    EXPECT_EQ(packet->toHex().toStdString(), std::string(c.hex));
}

INSTANTIATE_TEST_SUITE_P(Cases, GumpReplyWriting, ::testing::ValuesIn(replyCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
