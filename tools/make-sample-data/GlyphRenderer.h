#pragma once

#include "FontWriter.h"

#include <QChar>
#include <QList>

// The lettering of the sample font, drawn from DejaVu Sans Bold: a body of
// '2' pixels with a one-pixel '1' outline, capitals 12 pixels high.
namespace GlyphRenderer {

// Row below the capitals' body in a cell. Lower-case cells are drawn two rows
// lower by the text converter, so their baseline sits two rows higher.
constexpr int CapitalBaseline = 16;
constexpr int LowerCaseBaseline = CapitalBaseline - 2;
constexpr int CapHeight = 12;
constexpr int MaxWidth = 20; // advances above this overrun the converter's room

struct GlyphEntry
{
    QChar character;
    QByteArray name;
    bool lowered = false; // drawn two rows lower by the converter
};

// Character and glyph name of every glyph, as the converter looks them up:
// capitals "A.BMP", lower case "S" + letter ("SA.BMP"), digits, the named
// punctuation ("ALEFT.BMP" for "<", "PERIOD.BMP" for "."…) and other
// punctuation by the character itself + ".BMP".
QList<GlyphEntry> glyphTable();

// Draws one glyph; its width is the ink's right edge plus one pixel of room.
FontGlyph render(const GlyphEntry &entry);

QList<FontGlyph> renderAll();

} // namespace GlyphRenderer
