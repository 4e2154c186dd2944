#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// The resize handles of a selected background: eight small squares on its
// corners and edge midpoints, kept the same size on screen at every zoom.
namespace CanvasHandles {

enum class Handle { None, TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left };

constexpr int Size = 7;   // screen pixels

struct Placed
{
    Handle handle;
    QRect square;         // screen pixels
};

// The squares around a box given in screen pixels.
QList<Placed> around(const QRect &box);
// The handle under a screen point, None when there is none.
Handle at(const QRect &box, QPoint point);

// The box after its handle moved by delta (document pixels); the opposite
// edges stay, and neither side falls below one pixel.
QRect resized(const QRect &box, Handle handle, QPoint delta);

} // namespace CanvasHandles
