#pragma once

#include "assets/BitmapFontFile.h"
#include "platform/ColorText.h"

#include <QChar>
#include <QHash>
#include <QImage>
#include <QList>
#include <QString>
#include <array>
#include <vector>

// Turns one line of text into a bitmap in the game's lettering, drawn with
// the glyphs of a BitmapFont in a given colour on white paper (white being
// the transparent colour of text images).
//
// Plain rendering (Edit2Change) draws each glyph's cell opaquely at x and
// advances x by the glyph's width; perfect rendering (Button1Click) draws the
// cells see-through, each one pixel further left per character before it, and
// gives a space 9 pixels instead of 6. "|", "{" and "}" are left out; so is a
// character the font has no glyph for (and every character while no font is
// loaded): it draws nothing and takes no room. The result is 21 pixels high
// and as wide as the final x.
class TextConverter
{
public:
    enum class Mode { Plain, Perfect };

    static constexpr int Height = 21;
    static constexpr int PlainSpace = 6;
    static constexpr int PerfectSpace = 9;
    // Each character widens the bitmap by this much before its cell is drawn,
    // and cells are clipped to the width reached so far.
    static constexpr int WideningPerCharacter = 20;
    // Results are cut at this width, so absurd widths in a damaged font file
    // cannot make a line allocate without bound.
    static constexpr int MaxWidth = 32767;

    TextConverter() = default;
    explicit TextConverter(const BitmapFont &font) { setFont(font); }

    // Unpacks the font's cells into pixel arrays and its width texts into
    // numbers (a width that is not a whole number counts as 0).
    void setFont(const BitmapFont &font);
    bool hasFont() const { return !m_cells.empty(); }
    int glyphCount() const { return int(m_cells.size()); }

    // Mirrors the option "Perfect Text"; chooses the mode of render(text, colour).
    void setPerfectText(bool on) { m_perfectText = on; }
    bool perfectText() const { return m_perfectText; }
    Mode mode() const { return m_perfectText ? Mode::Perfect : Mode::Plain; }

    // The text drawn with every body pixel in TextColor, Format_RGB32; an
    // empty image when the result is 0 pixels wide.
    QImage render(const QString &text, ColorValue TextColor) const { return render(text, TextColor, mode()); }
    QImage render(const QString &text, ColorValue TextColor, Mode mode) const { return render(text, TextColor, mode, MaxWidth); }
    // Only its first maxWidth columns, as a label cut at a frame's edge shows.
    QImage render(const QString &text, ColorValue TextColor, Mode mode, int maxWidth) const;

    // The width render() gives the text, without drawing.
    int width(const QString &text) const { return width(text, mode()); }
    int width(const QString &text, Mode mode) const;

    // The glyph name of a character ("ALEFT.BMP" for "<", "SA.BMP" for "a",
    // "A.BMP" for "A") and the row its cell is drawn at (2 for a … z, else 0).
    static QString glyphNameOf(QChar c);
    static int rowOf(QChar c);
    // Index of the first glyph named glyphNameOf(c), ignoring case; -1 when none.
    int glyphIndexOf(QChar c) const;
    int advanceOf(int glyph) const;

private:
    struct Cell
    {
        std::array<QRgb, BitmapFontFile::CellWidth * BitmapFontFile::CellHeight> pixels{};  // row by row
        struct Spot { quint8 row, column; };
        std::vector<Spot> body;   // marker grey pixels, row by row
        // Every pixel that is not paper, as runs along the rows, row by row:
        // drawn a run at a time, a label is a few copies per glyph row.
        struct Run { quint8 row, first, end; };
        std::vector<Run> ink;
    };
    // One character of the text as it is laid out.
    struct Placed
    {
        int glyph;   // -1 for a space
        QChar character;
    };

    std::vector<Placed> layout(const QString &text) const;
    void drawOpaque(QImage &out, const Cell &cell, int left, int top, int clipRight, QRgb color) const;
    void drawSeeThrough(QImage &out, const Cell &cell, int left, int top, int clipRight, QRgb color) const;

    std::vector<Cell> m_cells;
    std::vector<int> m_advances;
    QHash<QString, int> m_glyphOfFoldedName;
    std::array<int, 256> m_glyphOfLatin1{};
    bool m_perfectText = false;
};
