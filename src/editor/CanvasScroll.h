#pragma once

#include "document/EditorState.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the canvas looks: the wheel, the zoom keys and the scroll range.
// Scroll positions are document pixels; sizes on screen are scaled by the zoom.
namespace CanvasScroll {

struct View
{
    QPoint scroll;
    int zoom = 100;
    bool operator==(const View &) const = default;
};

// Screen pixels one wheel notch scrolls.
constexpr int WheelStep = 48;
// Room beyond the design's extent the scroll bars reach.
constexpr int Margin = 100;
// The least the scroll bars reach whatever the design holds.
constexpr int LeastRange = 400;

// A wheel turn at a canvas point: with Ctrl it zooms one step about that
// point, with Shift it scrolls sideways, otherwise up and down.
View wheel(View view, QPoint angleDelta, QPoint at, Qt::KeyboardModifiers keys);

// Zooms to percent keeping the document point under the canvas point still.
View zoomAbout(View view, int percent, QPoint at);

// The canvas in document pixels at a zoom (what the renderer draws).
QSize documentViewport(QSize screen, int zoom);

// The highest scroll positions: the design's extent plus the margin, less
// what the canvas shows at once, and never under LeastRange.
QPoint scrollMaximum(const QRect &extent, QSize screen, int zoom);

// The box every element record of the design reaches (positions, and a
// background's size), from the document origin.
QRect designExtent(const QStringList &lines);

} // namespace CanvasScroll
