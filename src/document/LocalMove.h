#pragma once

#include "document/Document.h"

#include <QPoint>
#include <QString>

#include <optional>

// Moves of an element that touch only what the user moved: each place field
// keeps the form it was written in ("+20" stays relative, "-5" stays from the
// origin, a number stays a number). A field the server computes otherwise
// (an expression, or "*n", which moves the origin of every place after it)
// is left as it stands.
namespace LocalMove {

// The field moved by delta in its own form; nullopt when it cannot be.
std::optional<QString> shifted(const QString &text, int delta);

// The place the element whose record starts at line is drawn at (its
// stand-in along the straight reading); nullopt when no element starts there.
std::optional<QPoint> placeOf(const QStringList &lines, int line);

// What a move did: whether a field had to stay as written.
struct Outcome
{
    bool moved = false;      // some field changed
    bool keptX = false;      // X is computed and stayed
    bool keptY = false;
};

// Moves the record at line by delta, field by field in their forms.
Outcome moveBy(Document &document, int line, QPoint delta);
// Moves it so that it is drawn at position (from the stand-in it is drawn at now).
Outcome moveTo(Document &document, int line, QPoint position);

// The status line's words for fields that stayed; empty when none did.
QString keptMessage(const Outcome &outcome);

} // namespace LocalMove
