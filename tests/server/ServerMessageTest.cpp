#include "sphereclient/ServerMessage.h"

#include <gtest/gtest.h>

#include <ostream>

#include <QtEndian>

namespace {

QByteArray message(quint8 id, const QByteArray &text)
{
    const qsizetype header = id == 0x1C ? 44 : 48;
    QByteArray packet(header, '\0');
    packet[0] = char(id);
    packet += text;
    qToBigEndian<quint16>(quint16(packet.size()), packet.data() + 1);
    return packet;
}

struct MessageCase
{
    const char *name;
    QByteArray packet;
    std::optional<QString> text;
};

const MessageCase messageCases[] = {
    {"PlainTextEndsAtItsNul", message(0x1C, QByteArray("quillmark:done\0junk", 19)), QStringLiteral("quillmark:done")},
    {"PlainTextWithoutNul", message(0x1C, "abc"), QStringLiteral("abc")},
    {"PlainTextIsUtf8", message(0x1C, "caf\xc3\xa9"), QStringLiteral("caf\u00e9")},
    {"UnicodeText", message(0xAE, QByteArray("\0c\0a\0f\0\xe9\0\0", 10)), QStringLiteral("caf\u00e9")},
    {"UnicodeOddByteIgnored", message(0xAE, QByteArray("\0a\0", 3)), QStringLiteral("a")},
    {"HeaderCutShort", QByteArray::fromHex("1c0005ffff"), std::nullopt},
    {"NotAMessage", message(0xDD, "x"), std::nullopt},
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const MessageCase &c, std::ostream *out)
{
    *out << c.name;
}

class ServerMessageReads : public ::testing::TestWithParam<MessageCase>
{
};

TEST_P(ServerMessageReads, ItsText)
{
    EXPECT_EQ(readServerMessage(GetParam().packet), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, ServerMessageReads, ::testing::ValuesIn(messageCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
