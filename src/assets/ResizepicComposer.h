#pragma once

#include <QImage>
#include <array>

// The nine pieces of a scalable background, in file order: top-left corner,
// top edge, top-right corner, left edge, centre, right edge, bottom-left
// corner, bottom edge, bottom-right corner. A piece that failed to load is an
// empty image and draws nothing.
using ResizepicPieces = std::array<QImage, 9>;

namespace ResizepicComposer {

// A background is at most this wide and high: a record with a width or
// height of 100000 composes a 4096-pixel side instead of asking for gigabytes,
// and a negative or zero side gives an empty image. The canvas is far smaller.
constexpr int MaxSide = 4096;

// The background of width × height (clamped to 0 … MaxSide), Format_RGB32,
// black where no piece lands. Pieces are drawn opaquely in this order:
// P0 at (0, 0); P1 tiled right from (w0, 0); P2 at (W − w2, 0); P3 tiled down
// from (0, h0); P4 tiled both ways from (w0, h0); P5 tiled down from
// (W − w5, h2); P6 at (0, H − h6); P7 tiled right from (w6, H − h6);
// P8 at (W − w8, H − h8). Each tiling runs while its offset is below W (or H),
// so the last tile overruns and is clipped or covered by a later piece.
QImage compose(const ResizepicPieces &pieces, int width, int height);

// Only the part of that background inside part (in the background's own
// coordinates, clipped to it): pixel for pixel the same as the whole
// background's copy(part), at the cost of the part alone. An empty image
// when nothing of part lies on the background.
QImage compose(const ResizepicPieces &pieces, int width, int height, const QRect &part);

// The size a background shows itself at when none is asked for: the pieces'
// own (three across, three down), at least three corners a side, so the
// edges and the middle show; empty when the pieces are missing.
QSize naturalSize(const ResizepicPieces &pieces);

} // namespace ResizepicComposer
