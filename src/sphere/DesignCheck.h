#pragma once

#include "sphere/SphereDialect.h"

#include <QList>
#include <QString>
#include <QStringList>

class ArtCatalog;

// One thing in a design that the export would fail on (error) or that the
// server would read differently from what the designer shows (warning).
struct DesignProblem {
    // Information: what the server does that the canvas cannot show, meant
    // or not (an expression it evaluates for each player).
    enum class Severity { Warning, Error, Information };

    int line = 0; // document line from 1: the kind word of the record, the "{BOP" of a page
    Severity severity = Severity::Warning;
    QString message;
    // The field of the record on that line the entry is about, by the names
    // of CheckedFields ("place", "text", "events", "hue", ...); empty for
    // advice about the design (off the screen, overlapping, art missing from
    // the library), which says nothing of how the server reads it.
    QString field;

    bool operator==(const DesignProblem &) const = default;
};

namespace DesignCheck {

// Where the client screen ends, counted from the dialog's location.
constexpr int ScreenWidth = 800;
constexpr int ScreenHeight = 600;
// Text and reply numbers the server can hold.
constexpr int MaxNumbered = 255;
// The reply a press sends: its head, then per entry 4 bytes and 2 a letter.
// The server reads 18000 bytes at once and drops a player who sends more; a
// little is left for what follows the reply. An entry inside a loop is named
// past a share of its own, as the loop may repeat it any number of times.
constexpr int ReplyHeadBytes = 23;
constexpr int MaxReplyBytes = 17900;
constexpr int MaxReplyBytesInLoop = 2000;
int replyBytesOfEntry(const QString &text);

// Checks the design's lines, and with art also the art library (missing
// pictures, button decoder files). The problems come sorted by line; those on
// one line in the order the record's fields stand, so runs are repeatable.
// dialect is the export's (one of SphereDialect's): kinds it has no control for are named.
QList<DesignProblem> run(const QStringList &lines, ArtCatalog *art = nullptr,
                         const QString &dialect = SphereDialect::V55iTo99g);
// Boxes narrower than this hold no character of the font; some clients draw nothing in them.
constexpr int NarrowestCharacter = 6;

bool hasErrors(const QList<DesignProblem> &problems);
// Whether any problem is more than information.
bool hasWarningsOrErrors(const QList<DesignProblem> &problems);
QString severityWord(DesignProblem::Severity severity); // "warning", "error", "information"
// "FILE:LINE: warning: MESSAGE", as compilers write it.
QString compilerLine(const QString &file, const DesignProblem &problem);

} // namespace DesignCheck
