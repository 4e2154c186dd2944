#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

// What a client answers when the player presses a reply button of a dialog
// or closes it with the right mouse button (button 0): the dialog's serial
// and gump id as it arrived, the states of its check boxes and radios that
// are on, and the texts of its entries.
struct GumpReply
{
    quint32 serial = 0;
    quint32 gumpId = 0;
    quint32 button = 0;
    QList<quint32> switches;                    // ids of the switches that are on
    QList<std::pair<quint16, QString>> entries; // entry id, its text

    bool operator==(const GumpReply &) const = default;
};

// The 0xB1 packet of a reply: u8 0xB1, u16 length, u32 serial, u32 gump id,
// u32 button, u32 switch count and the ids, u32 entry count and per entry
// u16 id, u16 length in UTF-16 units, the UTF-16BE text. Nothing when it
// would not fit the 16-bit length of a packet.
std::optional<QByteArray> writeGumpReply(const GumpReply &reply);
