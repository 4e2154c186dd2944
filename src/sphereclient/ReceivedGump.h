#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A dialog as the server sent it to the client.
struct ReceivedGump
{
    quint32 serial = 0;   // the object it was opened for
    quint32 gumpId = 0;   // the server's id of the dialog
    qint32 x = 0;
    qint32 y = 0;
    QString layout;       // "{control}{control}...", without the closing NUL
    // Each "{...}" group of the layout split at white space, words as sent.
    QList<QStringList> controls;
    // Trailing U+0000 (the server pads a non-ASCII text with them) removed.
    QStringList texts;

    bool operator==(const ReceivedGump &) const = default;
};

// What a single packet may unpack to; anything larger is refused.
inline constexpr qint64 MaxGumpLayoutBytes = 1 << 20;
inline constexpr qint64 MaxGumpTextBytes = 1 << 20;

// Reads a whole 0xDD (zlib-compressed, clients from 5.0.0) or 0xB0 packet.
// Nothing, with a reason in `error`, when the packet is not one of those or
// does not hold together.
std::optional<ReceivedGump> readGumpPacket(QByteArrayView packet, QString *error = nullptr);

// The "{...}" groups of a layout split at white space; text outside the
// braces and a group left open are ignored.
QList<QStringList> splitGumpLayout(const QString &layout);
