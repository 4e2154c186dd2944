#include "sphereclient/GumpReply.h"

#include "sphereclient/BigEndianWriting.h"

using BigEndianWriting::appendU16;
using BigEndianWriting::appendU32;

std::optional<QByteArray> writeGumpReply(const GumpReply &reply)
{
    QByteArray out;
    out.append(char(0xB1));
    appendU16(out, 0);   // the length, once known
    appendU32(out, reply.serial);
    appendU32(out, reply.gumpId);
    appendU32(out, reply.button);
    appendU32(out, quint32(reply.switches.size()));
    for (const quint32 id : reply.switches)
        appendU32(out, id);
    appendU32(out, quint32(reply.entries.size()));
    for (const auto &[id, text] : reply.entries) {
        if (text.size() > 0xFFFF)
            return std::nullopt;
        appendU16(out, id);
        appendU16(out, quint16(text.size()));
        for (const QChar c : text)
            appendU16(out, c.unicode());
        if (out.size() > 0xFFFF)
            return std::nullopt;
    }
    if (out.size() > 0xFFFF)
        return std::nullopt;
    qToBigEndian<quint16>(quint16(out.size()), out.data() + 1);
    return out;
}
