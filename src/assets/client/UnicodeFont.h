#pragma once

#include "assets/FontWriter.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <vector>

// unifont*.mul: 65,536 offsets by UTF-16 unit (0 = no glyph), each glyph a
// signed x and y offset, a width and a height, then its rows of
// ceil(width / 8) bytes, most significant bit first.
class UnicodeFont
{
public:
    inline static const QString GumpFontName = QStringLiteral("unifont1.mul");
    static constexpr int SpaceAdvance = 8;

    struct Glyph
    {
        int xOffset = 0, yOffset = 0, width = 0, height = 0;
        std::vector<bool> bits;   // row by row
        bool at(int x, int y) const { return bits[size_t(y * width + x)]; }
        int advance() const { return xOffset + width + 1; }
    };

    // Glyphs whose offset or rows lie outside the data are left out.
    static UnicodeFont read(const QByteArray &bytes);
    static UnicodeFont load(const QString &clientDir, const QString &name = GumpFontName);

    bool isEmpty() const { return m_data.isEmpty(); }
    // The glyph of a UTF-16 unit; an empty glyph (width 0) when there is none.
    Glyph glyph(char16_t unit) const;
    bool has(char16_t unit) const;

    // The glyphs of the bitmap font drawn from this one, one per entry of
    // GlyphTable whose character it has: the glyph's bits as body, outlined,
    // placed so that the capitals' foot meets the cell's baseline (lowered
    // entries two rows higher), clipped to the cell; the advance is the
    // glyph's own plus its two outline columns, bounded by GlyphTable::MaxWidth.
    struct BitmapGlyphs
    {
        QList<FontGlyph> glyphs;
        int missing = 0;   // entries whose character this font lacks
    };
    BitmapGlyphs bitmapGlyphs() const;

private:
    QByteArray m_data;
};
