#pragma once

#include "assets/TextConverter.h"
#include "render/ElementBitmap.h"

#include <QImage>
#include <QSize>

// Pictures of the gump controls that are drawn from a box rather than from
// one picture of their own. Boxes are clamped to 0 … MaxSide a side, so a
// damaged record cannot make a drawing allocate without bound; an empty box
// gives an empty image.
namespace ControlDrawing {

constexpr int MaxSide = 4096;
QSize clampedBox(int width, int height);

// Text (a converter picture on white paper) cut to the box, on white paper.
QImage clippedText(const QImage &text, QSize box);

// A text entry as the designer shows it: its text cut to the box inside a
// dotted frame (the frame is the designer's only; the client draws none).
constexpr QRgb EntryFrame = 0xFF808080u;
QImage textEntry(const QImage &text, QSize box);

// The picture repeated from the box's top left over the whole box, the last
// tiles cut; black (see-through art) when there is no picture.
QImage tiled(const QImage &tile, QSize box);

// The see-through checker: every other pixel, starting with the second of
// the first row, shows what lies behind the dialog (world, the canvas
// background here); the rest is black, which draws see-through and lets the
// dialog beneath show.
QImage checker(QSize box, QRgb world);

// An item picture the client could not give: a filled frame of the item tile's size
// holding the item number in the bitmap font (just the frame without a font).
constexpr int PlaceholderSide = 44;
constexpr QRgb PlaceholderFrame = 0xFF606060u;
constexpr QRgb PlaceholderFill = 0xFFE0E0E0u;
QImage itemPlaceholder(int item, const TextConverter &converter, TextConverter::Mode mode);

// Art the library lacks, as the designer draws it: a thin frame of the box
// (clamped to MaxSide) holding label at its top left, see-through (art black)
// inside, so what lies beneath still shows. Its see-through form comes made.
ElementBitmap missingArt(QSize box, const QString &label, const TextConverter &converter, TextConverter::Mode mode);

} // namespace ControlDrawing
