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
    bool opened = false; // the login opened every dialog (a layout may end the session first)
};

// One server with the scripts, one login: each dialog is opened once per
// press (at least once), then every press is sent as a reply to its dialog,
// each followed by a ping, so that the messages up to the ping's answer are
// that press's. A test presses a button and reads what it ran:
//
//     const PressedDialogs got = pressDialogs({{"d_x.scp", script}}, {{"d_x", {DialogPress{.button = 1}}}});
//     got.dialogs["d_x"].messages[0]   // the system messages button 1's block sent, in order
//
// Presses go out several at a time; when a block ends the session, the
// server drops what it had not sent yet, so the first press unanswered is
// not surely the one that ended it. The first `singly` presses go out one at
// a time, each after the answer to the last: among them, the first press
// unanswered is the one.
PressedDialogs pressDialogs(const QList<std::pair<QString, QByteArray>> &scriptFiles,
                            const QList<std::pair<QString, QList<DialogPress>>> &presses, qsizetype singly = 0);

// The presses a shown dialog offers: every button that replies (each reply
// number once, in layout order) and the close (0), each with the switches
// that are on and the entries' texts as the dialog opens with them.
QList<DialogPress> pressesOf(const ReceivedGump &gump);

// What pressing the dialogs of both sides of a round trip made the server say.
struct PressedSides
{
    // By dialog, per press: its messages, or only SessionEnded for a press
    // that ended the session. A dialog is missing when its presses could
    // not all be made (its opening ended the session, or the sessions ran out).
    QHash<QString, QList<QStringList>> ran;
    int sessions = 0;      // servers started
    int retried = 0;       // dialogs pressed once more, each side
    QString sessionEnd;    // why the last session that ended early ended (one line)
};

// Stands for what a press that ended the session brought.
inline const QString SessionEnded = QStringLiteral("(the session ended)");

// Presses every dialog of each side in worlds of its own, in the same order,
// so that what a block leaves behind (a quest taken, a switch flipped, a
// target cursor) meets both sides alike. A dialog named "x_rt" is the round
// trip of "x". A press that ends the session (a teleport, a "dclick", a
// kick) is recorded as SessionEnded and a new session, up to maxSessions a
// side, goes on with the next press. A pair that differs or was cut short
// is pressed once more in fresh worlds, so that a block whose answer depends
// on the server's timing, or a session a loaded machine ended, counts only
// when it differs twice.
PressedSides pressOnBothSides(const QList<std::pair<QString, QByteArray>> &scriptFiles,
                              const QList<std::pair<QString, QList<DialogPress>>> &presses, int maxSessions);
