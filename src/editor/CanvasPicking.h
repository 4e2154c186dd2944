#pragma once

#include "render/PageRenderer.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QStringList>

#include <optional>

// Which element of the current page lies under a point of the canvas. Only
// the elements of the select list (the page's drawn elements, in drawing
// order) can be picked, so it relies on the lists of the last render.
namespace CanvasPicking {

struct Hit
{
    int entry = -1;   // select list entry
    int line = 0;     // document line of the element's kind word
    int x = 0;        // the element's X and Y
    int y = 0;
};

struct Result
{
    std::optional<Hit> hit;
    // Elements passed over because a position or size line is not a number,
    // one text each ("gumppic at line 3 cannot be picked: 'x' is not a valid integer value").
    QStringList problems;
};

// Walks the select list from its last entry to its first, so of overlapping
// elements the one drawn on top wins, and stops at the first hit:
// - gumppic, button: inside the box EX..EX + width, EY..EY + height of its
//   art, both ends inclusive; with options.transparent a pure black pixel
//   is see-through and the walk goes on. Missing art is never hit;
// - text: inside EX..EX + measured width, EY..EY + the converter's height;
// - resizepic: inside EX..EX + its width field, EY..EY + its height field.
// documentPoint is the canvas point plus the scroll positions. Art comes
// from the renderer (and its cache), texts are measured by its converter in
// the mode the options draw them.
Result pick(const QStringList &lines, const QList<int> &lineList, QPoint documentPoint, PageRenderer &renderer,
            const RenderOptions &options);

// The element's box in document pixels as picking measures it (art size,
// measured text, a background's fields); nothing when a number is bad or
// the art is missing.
std::optional<QRect> boxOf(const QStringList &lines, int line, PageRenderer &renderer, const RenderOptions &options);

// The select list's elements whose boxes the band touches, in list order.
QList<int> linesTouching(const QStringList &lines, const QList<int> &lineList, const QRect &band,
                         PageRenderer &renderer, const RenderOptions &options);

// The same from the boxes the last render drew (one per select list entry),
// without measuring any element again.
QList<int> linesTouching(const QList<int> &lineList, const QList<QRect> &boxes, const QRect &band);

} // namespace CanvasPicking
