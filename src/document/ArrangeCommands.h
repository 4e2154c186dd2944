#pragma once

#include "document/EditorState.h"

#include <QList>
#include <QRect>
#include <QString>

// Lining up the selected elements, spacing them evenly and giving
// backgrounds one size.
namespace ArrangeCommands {

enum class Arrangement {
    AlignLeft, AlignCentre, AlignRight, AlignTop, AlignMiddle, AlignBottom,
    DistributeHorizontally, DistributeVertically, SameWidth, SameHeight
};

QString nameOf(Arrangement arrangement);

// The boxes after the arrangement, in the order given. Alignment lines the
// boxes up on the edge or centre of their common bounds; distribution keeps
// the outermost two and spaces the centres between them evenly; same width
// or height takes the size of the primary box (the last).
QList<QRect> arranged(const QList<QRect> &boxes, Arrangement arrangement);

// An element and its box on the canvas, in document pixels.
struct Placed
{
    int line = 0;
    QRect box;
};

// Writes the arranged positions (and for same width or height the sizes of
// backgrounds; other elements keep the size of their art) as one undo step.
// Placed holds the selection in the order chosen, primary last.
// Returns whether the document changed.
bool arrange(EditorState &state, const QList<Placed> &placed, Arrangement arrangement);

} // namespace ArrangeCommands
