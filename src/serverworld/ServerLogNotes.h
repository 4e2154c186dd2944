#pragma once

#include <QList>
#include <QString>

// A message the server logged about a script line, and the design line it
// came from (-1 when none).
struct ServerLogNote
{
    QString file;
    int scriptLine = -1;    // from 1
    int designLine = -1;    // from 1
    QString text;
};

// Reading the server's log, which is outside data: QtCore only, so that the
// fuzz build reads it as the program does.
namespace ServerPreview {

// The server writes a log line from buffers of a few KiB; of a longer line
// only this much is read, which also bounds the matching.
constexpr qsizetype MaxLogLineLength = 8192;
// More than anyone reads, and what a flooded log costs at most.
constexpr qsizetype MaxLogNotes = 1000;

// Log lines naming a script file and line: "ERROR:(file.scp,12)text".
QList<ServerLogNote> logNotes(const QString &log);

// The server's "... Version ..." line of a log, empty when there is none.
QString versionIn(const QString &log);

} // namespace ServerPreview
