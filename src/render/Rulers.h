#pragma once

#include "platform/ColorText.h"

#include <QImage>
#include <QList>

// The rulers' options ("Skip", "marked lines are", and the swatch colours).
struct RulerStyle
{
    int skip = 9;                       // pixels between ticks
    int marked = 7;                     // every how many ticks a long one falls
    ColorValue smallTicks = 0x808080;
    ColorValue largeTicks = 0x000000;
    ColorValue background = 0xFFFFFF;
};

// The ruler pictures of one drawing (RULERDRAWTimer).
struct RulerImages
{
    QImage corner;      // Image8, 18 x 18
    QImage top;         // Image7, topWidth x 18
    QImage left;        // Image6, 18 x leftHeight
    QImage cleanTop;    // Image9, the top ruler without pointer marks
    QImage cleanLeft;   // Image10, the left ruler without pointer marks
};

namespace Rulers {
constexpr int thickness = 18;
// Neither ruler is made longer than this; no screen is wider.
constexpr int maxLength = 32767;
} // namespace Rulers

// Which part of the design the canvas shows: the document point at the
// canvas's top-left corner and the scale in percent.
struct RulerView
{
    int scrollX = 0;
    int scrollY = 0;
    int percent = 100;
};

// Draws both rulers. Canvas x = 0 lies at top ruler x = 18, canvas y = 0 at
// left ruler y = 0. Ticks fall every skip document pixels, counted from the
// document's origin, so they follow the scroll and the scale; each long tick
// carries its document position in small digits. A skip or marked below 1
// (a value half typed into its spin edit) gives plain background rulers.
RulerImages drawRulers(int topWidth, int leftHeight, const RulerStyle &style, const RulerView &view = {});

// Pointer and drag marks: the ruler is restored from its clean copy, then a
// line across it is drawn in the interactive colour at each canvas position.
// Top ruler marks are drawn only for 0 <= x < top width - 36.
void markTopRuler(QImage &top, const QImage &cleanTop, const QList<int> &canvasXs, ColorValue interactive);
void markLeftRuler(QImage &left, const QImage &cleanLeft, const QList<int> &canvasYs, ColorValue interactive);
