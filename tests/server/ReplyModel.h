#pragma once

#include "support/DialogPresses.h"

#include <QList>
#include <QString>
#include <QStringList>

// What pressing a design's buttons must make the server say, by the
// designer's model: each button that closes the dialog sends its reply, and
// the server runs the first block for that number, the close block for 0.
// Event lines "SYSMESSAGE qm<word> [<argchk N>|<argtxt N>]" are markers: the
// message they send tells which lines ran, in which order, with which
// switches and texts.
struct ExpectedPress
{
    DialogPress press;
    QStringList markers;   // the marker messages, in order
    int line = -1;         // the design line, from 1, of the events that run (-1: none)
};

namespace ReplyModel {

// Every reply of the design's closing buttons once (document order) and the
// close, each with the design's switches that are on and its entries' texts.
QList<ExpectedPress> pressesOf(const QStringList &designLines);

// The marker messages among what the server sent.
QStringList markersIn(const QStringList &messages);

// "SYSMESSAGE qm<word>": a marker line with a word unique in its design.
QString markerLine(const QString &word);

} // namespace ReplyModel
