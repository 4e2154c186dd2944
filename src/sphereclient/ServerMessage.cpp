#include "sphereclient/ServerMessage.h"

#include "sphereclient/ByteCursor.h"

namespace {

constexpr quint8 PlainMessageId = 0x1C;
constexpr quint8 UnicodeMessageId = 0xAE;
// id, length, serial, body, mode, hue, font, speaker name (30)
constexpr qsizetype PlainHeader = 1 + 2 + 4 + 2 + 1 + 2 + 2 + 30;
// ... and the language (4) before the name
constexpr qsizetype UnicodeHeader = PlainHeader + 4;

} // namespace

std::optional<QString> readServerMessage(QByteArrayView packet)
{
    ByteCursor cursor(packet);
    const std::optional<quint8> id = cursor.u8();
    const std::optional<quint16> length = cursor.u16();
    if (!length || *length != packet.size())
        return std::nullopt;
    if (*id == PlainMessageId && packet.size() >= PlainHeader) {
        QByteArrayView text = packet.sliced(PlainHeader);
        const qsizetype end = text.indexOf('\0');
        // Scripts are UTF-8, and the server passes their bytes on.
        return QString::fromUtf8(end < 0 ? text : text.first(end));
    }
    if (*id == UnicodeMessageId && packet.size() >= UnicodeHeader) {
        const QByteArrayView units = packet.sliced(UnicodeHeader);
        QString text;
        text.reserve(units.size() / 2);
        for (qsizetype i = 0; i + 1 < units.size(); i += 2) {
            const QChar c(qFromBigEndian<quint16>(units.data() + i));
            if (c.isNull())
                break;
            text.append(c);
        }
        return text;
    }
    return std::nullopt;
}
