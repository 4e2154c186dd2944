#include "sphereclient/ReceivedGump.h"

#include "sphereclient/ByteCursor.h"
#include "sphereclient/CappedInflate.h"

#include <QRegularExpression>

namespace {

constexpr quint8 PlainGumpId = 0xB0;
constexpr quint8 CompressedGumpId = 0xDD;

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

// `count` texts of (u16 length, UTF-16BE characters), filling the cursor's
// bytes exactly when `exact` is set.
bool readTexts(ByteCursor &cursor, quint32 count, bool exact, QStringList &texts, QString *error)
{
    // Each text takes at least its length field.
    if (qint64(count) * 2 > cursor.remaining())
        return fail(error, QStringLiteral("%1 texts cannot fit in %2 bytes").arg(count).arg(cursor.remaining()));
    texts.reserve(qsizetype(count));
    for (quint32 i = 0; i < count; ++i) {
        const std::optional<quint16> length = cursor.u16();
        const std::optional<QByteArrayView> units = length ? cursor.bytes(qint64(*length) * 2) : std::nullopt;
        if (!units)
            return fail(error, QStringLiteral("text %1 runs past the data").arg(i));
        QString text(qsizetype(*length), Qt::Uninitialized);
        for (qsizetype c = 0; c < text.size(); ++c)
            text[c] = QChar(qFromBigEndian<quint16>(units->data() + 2 * c));
        while (text.endsWith(QChar(0)))
            text.chop(1);
        texts.append(text);
    }
    if (exact && cursor.remaining() != 0)
        return fail(error, QStringLiteral("%1 bytes follow the texts").arg(cursor.remaining()));
    return true;
}

// A u32 field holding the compressed length + 4, then the u32 uncompressed
// length and the zlib data. A field of 0 stands for no data at all.
std::optional<QByteArray> readCompressedBlock(ByteCursor &cursor, qint64 cap, const QString &what, QString *error)
{
    const std::optional<quint32> field = cursor.u32();
    if (!field) {
        fail(error, what + QStringLiteral(": length missing"));
        return std::nullopt;
    }
    if (*field == 0)
        return QByteArray();
    const std::optional<quint32> size = cursor.u32();
    if (*field < 4 || !size) {
        fail(error, what + QStringLiteral(": bad length field %1").arg(*field));
        return std::nullopt;
    }
    const std::optional<QByteArrayView> data = cursor.bytes(qint64(*field) - 4);
    if (!data) {
        fail(error, what + QStringLiteral(": %1 compressed bytes run past the packet").arg(qint64(*field) - 4));
        return std::nullopt;
    }
    if (*size > cap) {
        fail(error, what + QStringLiteral(": %1 bytes is more than the %2 allowed").arg(*size).arg(cap));
        return std::nullopt;
    }
    std::optional<QByteArray> out = inflateExactly(*data, *size, cap);
    if (!out)
        fail(error, what + QStringLiteral(": the zlib data is damaged or not %1 bytes long").arg(*size));
    return out;
}

QString layoutFromBytes(QByteArrayView bytes)
{
    while (bytes.endsWith('\0'))
        bytes.chop(1);
    return QString::fromUtf8(bytes);
}

bool readCompressedBody(ByteCursor &cursor, ReceivedGump &gump, QString *error)
{
    const std::optional<QByteArray> layout =
        readCompressedBlock(cursor, MaxGumpLayoutBytes, QStringLiteral("layout"), error);
    if (!layout)
        return false;
    gump.layout = layoutFromBytes(*layout);
    // The server leaves the texts out altogether when the dialog has none.
    if (cursor.remaining() == 0)
        return true;
    const std::optional<quint32> count = cursor.u32();
    if (!count)
        return fail(error, QStringLiteral("text count cut off"));
    const std::optional<QByteArray> texts = readCompressedBlock(cursor, MaxGumpTextBytes, QStringLiteral("texts"), error);
    if (!texts)
        return false;
    if (cursor.remaining() != 0)
        return fail(error, QStringLiteral("%1 bytes follow the texts").arg(cursor.remaining()));
    ByteCursor textCursor(*texts);
    return readTexts(textCursor, *count, true, gump.texts, error);
}

bool readPlainBody(ByteCursor &cursor, ReceivedGump &gump, QString *error)
{
    const std::optional<quint16> layoutLength = cursor.u16();
    const std::optional<QByteArrayView> layout = layoutLength ? cursor.bytes(*layoutLength) : std::nullopt;
    if (!layout)
        return fail(error, QStringLiteral("layout runs past the packet"));
    gump.layout = layoutFromBytes(*layout);
    const std::optional<quint16> count = cursor.u16();
    if (!count)
        return fail(error, QStringLiteral("text count cut off"));
    return readTexts(cursor, *count, true, gump.texts, error);
}

} // namespace

std::optional<ReceivedGump> readGumpPacket(QByteArrayView packet, QString *error)
{
    ByteCursor cursor(packet);
    const std::optional<quint8> id = cursor.u8();
    if (!id || (*id != PlainGumpId && *id != CompressedGumpId)) {
        fail(error, QStringLiteral("not a gump packet"));
        return std::nullopt;
    }
    const std::optional<quint16> length = cursor.u16();
    if (!length || *length != packet.size()) {
        fail(error, QStringLiteral("the length field does not match the %1 bytes of the packet").arg(packet.size()));
        return std::nullopt;
    }
    const std::optional<quint32> serial = cursor.u32();
    const std::optional<quint32> gumpId = cursor.u32();
    const std::optional<quint32> x = cursor.u32();
    const std::optional<quint32> y = cursor.u32();
    if (!y) {
        fail(error, QStringLiteral("header cut off"));
        return std::nullopt;
    }
    ReceivedGump gump;
    gump.serial = *serial;
    gump.gumpId = *gumpId;
    // Negative positions travel as their two's complement.
    gump.x = qint32(*x);
    gump.y = qint32(*y);
    const bool ok = *id == CompressedGumpId ? readCompressedBody(cursor, gump, error)
                                            : readPlainBody(cursor, gump, error);
    if (!ok)
        return std::nullopt;
    gump.controls = splitGumpLayout(gump.layout);
    return gump;
}

QList<QStringList> splitGumpLayout(const QString &layout)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QList<QStringList> controls;
    qsizetype from = 0;
    while (true) {
        const qsizetype open = layout.indexOf(u'{', from);
        if (open < 0)
            break;
        const qsizetype close = layout.indexOf(u'}', open + 1);
        if (close < 0)
            break;
        controls.append(layout.mid(open + 1, close - open - 1).split(blanks, Qt::SkipEmptyParts));
        from = close + 1;
    }
    return controls;
}
