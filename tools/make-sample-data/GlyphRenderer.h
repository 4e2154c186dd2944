#pragma once

#include "assets/GlyphTable.h"

#include <QList>

// The lettering of the sample font, drawn from DejaVu Sans Bold: a body of
// '2' pixels with a one-pixel '1' outline, capitals 12 pixels high, laid
// out as GlyphTable says.
namespace GlyphRenderer {

constexpr int CapHeight = 12;

// Draws one glyph; its width is the ink's right edge plus one pixel of room.
FontGlyph render(const GlyphTable::Entry &entry);

// Every glyph of GlyphTable::entries(), in its order.
QList<FontGlyph> renderAll();

} // namespace GlyphRenderer
