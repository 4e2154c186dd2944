// One input is what a Sphere server sends a game client. Its first byte says
// where it enters: 0 the Huffman-coded stream (cut into chunks of the second
// byte's size), 1 the decoded stream, 2 a single packet for the gump and
// message readers. The seeds come from a login to the real server.
#include "fuzz/FuzzInput.h"
#include "sphereclient/HuffmanDecoder.h"
#include "sphereclient/PacketSplitter.h"
#include "sphereclient/ReceivedGump.h"
#include "sphereclient/ServerMessage.h"

#include <cstdint>

namespace {

void readPacket(QByteArrayView packet)
{
    QString error;
    const std::optional<ReceivedGump> gump = readGumpPacket(packet, &error);
    FuzzInput::check(gump.has_value() == error.isEmpty());
    if (gump) {
        FuzzInput::check(gump->layout.size() <= MaxGumpLayoutBytes);
        FuzzInput::check(!gump->layout.endsWith(QChar(0)));
        for (const QString &text : gump->texts)
            FuzzInput::check(!text.endsWith(QChar(0)));
    }
    (void)readServerMessage(packet);
}

void split(QByteArrayView decoded, PacketSplitter &splitter)
{
    splitter.append(decoded);
    while (const std::optional<QByteArray> packet = splitter.next()) {
        const int length = PacketSplitter::lengthOf(quint8(packet->at(0)));
        FuzzInput::check(length == PacketSplitter::Variable || length == packet->size());
        readPacket(*packet);
    }
    FuzzInput::check(splitter.pending() <= 0xFFFF + decoded.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input = FuzzInput::bytes(data, size);
    if (input.size() < 2)
        return 0;
    const QByteArrayView rest = QByteArrayView(input).sliced(1);
    switch (quint8(input[0]) % 3) {
    case 0: {
        const qsizetype chunk = qsizetype(quint8(rest[0])) + 1;
        HuffmanDecoder decoder;
        PacketSplitter splitter;
        for (qsizetype at = 1; at < rest.size(); at += chunk) {
            const QByteArrayView piece = rest.sliced(at, qMin(chunk, rest.size() - at));
            QByteArray decoded;
            decoder.decode(piece, decoded);
            FuzzInput::check(decoded.size() <= 4 * piece.size());
            split(decoded, splitter);
        }
        break;
    }
    case 1: {
        PacketSplitter splitter;
        split(rest, splitter);
        break;
    }
    default:
        readPacket(rest);
    }
    return 0;
}
