#pragma once

#include "platform/ColorText.h"

#include <QImage>

// The frame that marks the selected element: three nested one-pixel outlines
// drawn just inside the element's picture.
namespace SelectionFrame {

// Stands in for black, which art uses as its see-through colour, so a black
// frame still shows.
constexpr ColorValue NearBlack = 0x211010;

struct Colors
{
    ColorValue outer, middle, inner;
};

// "Black Color Black": near-black outside and inside, the selection colour
// between; "All Selection Color": the selection colour all three times.
// A selection colour of black is drawn near-black.
Colors colorsFor(bool blackColorBlack, ColorValue selectionColor);

// A framed copy of image; image itself is left as it is. Outline k (0 outer,
// 1 middle, 2 inner) runs along columns k and width − 1 − k and rows k and
// height − 1 − k; in a picture too small for it, it is left out.
QImage framed(const QImage &image, const Colors &colors);
// The same for image as the part at origin of a picture of size whole: the
// outlines run along whole's edges, and only what falls inside image shows.
QImage framed(const QImage &image, const Colors &colors, const QPoint &origin, const QSize &whole);

} // namespace SelectionFrame
