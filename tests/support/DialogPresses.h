#pragma once

#include "support/SphereTestServer.h"

#include "sphereclient/GumpReply.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

// One press of a dialog: the button (0 closes it with the right mouse
// button), the switches that are on and the entries' texts.
struct DialogPress
{
    quint32 button = 0;
    QList<quint32> switches;
    QList<std::pair<quint16, QString>> entries;
};

// What one dialog showed and what each press made the server say.
struct PressedDialog
{
    std::optional<ReceivedGump> gump;   // the first opening's gump
    QList<QStringList> messages;        // per press, in order: the messages it brought
};

struct PressedDialogs
{
    QHash<QString, PressedDialog> dialogs;
    int pressed = 0;   // replies sent
    QString log;       // the server's log
    QString error;     // empty when every opening and every answer arrived
};

// One server with the scripts, one login: each dialog is opened once per
// press (at least once), then every press is sent as a reply to its dialog,
// each followed by a ping, so that the messages up to the ping's answer are
// that press's. A test presses a button and reads what it ran:
//
//     const PressedDialogs got = pressDialogs({{"d_x.scp", script}}, {{"d_x", {DialogPress{.button = 1}}}});
//     got.dialogs["d_x"].messages[0]   // the system messages button 1's block sent, in order
PressedDialogs pressDialogs(const QList<std::pair<QString, QByteArray>> &scriptFiles,
                            const QList<std::pair<QString, QList<DialogPress>>> &presses);

// The presses a shown dialog offers: every button that replies (each reply
// number once, in layout order) and the close (0), each with the switches
// that are on and the entries' texts as the dialog opens with them.
QList<DialogPress> pressesOf(const ReceivedGump &gump);
