#include "assets/TextConverter.h"
#include "assets/GlyphTable.h"
#include "platform/NumberText.h"

#include <algorithm>
#include <cstring>

namespace {

using BitmapFontFile::CellHeight;
using BitmapFontFile::CellWidth;
using BitmapFontFile::MarkerGrey;
using BitmapFontFile::Paper;

constexpr int BottomLeft = (CellHeight - 1) * CellWidth;

bool isLeftOut(QChar c)
{
    return c == u'|' || c == u'{' || c == u'}';
}

} // namespace

QString TextConverter::glyphNameOf(QChar c)
{
    return GlyphTable::nameOf(c);
}

int TextConverter::rowOf(QChar c)
{
    return GlyphTable::rowOf(c);
}

void TextConverter::setFont(const BitmapFont &font)
{
    const QImage strip = font.glyphStrip.convertToFormat(QImage::Format_RGB32);
    const qsizetype count = font.glyphNames.size();

    m_cells.assign(size_t(count), Cell{});
    m_advances.assign(size_t(count), 0);
    m_glyphOfFoldedName.clear();
    for (qsizetype g = 0; g < count; ++g) {
        Cell &cell = m_cells[size_t(g)];
        const qint64 left = qint64(BitmapFontFile::CellPitch) * g;
        for (int r = 0; r < CellHeight; ++r) {
            const auto *stripRow = r < strip.height() ? reinterpret_cast<const QRgb *>(strip.constScanLine(r)) : nullptr;
            for (int c = 0; c < CellWidth; ++c) {
                // Cells past the strip's end were never drawn: plain paper.
                const QRgb pixel = stripRow && left + c < strip.width() ? stripRow[left + c] | 0xFF000000u : Paper;
                const int offset = r * CellWidth + c;
                cell.pixels[size_t(offset)] = pixel;
                const Cell::Spot spot{quint8(r), quint8(c)};
                if (pixel == MarkerGrey)
                    cell.body.push_back(spot);
                if (pixel == Paper)
                    continue;
                if (!cell.ink.empty() && cell.ink.back().row == r && cell.ink.back().end == c)
                    ++cell.ink.back().end;
                else
                    cell.ink.push_back({quint8(r), quint8(c), quint8(c + 1)});
            }
        }
        if (g < font.glyphWidths.size())
            m_advances[size_t(g)] = NumberText::tryParse(font.glyphWidths[g]).value_or(0);
        const QString folded = font.glyphNames[g].toCaseFolded();
        if (!m_glyphOfFoldedName.contains(folded))
            m_glyphOfFoldedName.insert(folded, int(g));
    }
    for (int ch = 0; ch < int(m_glyphOfLatin1.size()); ++ch)
        m_glyphOfLatin1[size_t(ch)] = m_glyphOfFoldedName.value(glyphNameOf(QChar(ch)).toCaseFolded(), -1);
}

int TextConverter::glyphIndexOf(QChar c) const
{
    if (c.unicode() < m_glyphOfLatin1.size())
        return hasFont() ? m_glyphOfLatin1[c.unicode()] : -1;
    return m_glyphOfFoldedName.value(glyphNameOf(c).toCaseFolded(), -1);
}

int TextConverter::advanceOf(int glyph) const
{
    return glyph >= 0 && size_t(glyph) < m_advances.size() ? m_advances[size_t(glyph)] : 0;
}

std::vector<TextConverter::Placed> TextConverter::layout(const QString &text) const
{
    std::vector<Placed> placed;
    placed.reserve(size_t(text.size()));
    for (const QChar c : text) {
        if (isLeftOut(c))
            continue;
        if (c == u' ') {
            placed.push_back({-1, c});
            continue;
        }
        const int glyph = glyphIndexOf(c);
        if (glyph >= 0)
            placed.push_back({glyph, c});
    }
    return placed;
}

int TextConverter::width(const QString &text, Mode mode) const
{
    const int space = mode == Mode::Perfect ? PerfectSpace : PlainSpace;
    qint64 x = 0;
    for (const Placed &p : layout(text))
        x += p.glyph < 0 ? space : advanceOf(p.glyph);
    return int(std::clamp<qint64>(x, 0, MaxWidth));
}

QImage TextConverter::render(const QString &text, ColorValue TextColor, Mode mode, int maxWidth) const
{
    const std::vector<Placed> placed = layout(text);
    const bool perfect = mode == Mode::Perfect;
    const int space = perfect ? PerfectSpace : PlainSpace;

    qint64 x = 0;
    for (const Placed &p : placed)
        x += p.glyph < 0 ? space : advanceOf(p.glyph);
    const int finalWidth = int(std::clamp<qint64>(x, 0, std::clamp(maxWidth, 0, int(MaxWidth))));
    if (finalWidth == 0)
        return QImage();

    QImage out(finalWidth, Height, QImage::Format_RGB32);
    out.fill(Paper);
    const QRgb color = ColorText::toRgb(TextColor);

    x = 0;
    for (size_t i = 0; i < placed.size(); ++i) {
        const Placed &p = placed[i];
        if (p.glyph < 0) {
            x += space;
            continue;
        }
        const qint64 clipRight = std::min<qint64>(qint64(WideningPerCharacter) * qint64(i + 1), finalWidth);
        const qint64 left = x - (perfect ? qint64(i) : 0);
        if (left < clipRight && left + CellWidth > 0) {
            const Cell &cell = m_cells[size_t(p.glyph)];
            if (perfect)
                drawSeeThrough(out, cell, int(left), rowOf(p.character), int(clipRight), color);
            else
                drawOpaque(out, cell, int(left), rowOf(p.character), int(clipRight), color);
        }
        x += advanceOf(p.glyph);
    }
    return out;
}

namespace {

// The part of a glyph cell placed at (left, top) that falls inside the output
// and left of clipRight: columns c0 … c1 − 1, rows 0 … rows − 1.
struct CellWindow
{
    CellWindow(QImage &out, int left, int top, int clipRight)
        : c0(std::max(0, -left)),
          c1(std::min(BitmapFontFile::CellWidth, clipRight - left)),
          rows(std::min(BitmapFontFile::CellHeight, TextConverter::Height - top)),
          bits(out.bits()), stride(out.bytesPerLine()), left(left), top(top) {}

    bool isEmpty() const { return c0 >= c1 || rows <= 0; }
    QRgb *row(int r) const { return reinterpret_cast<QRgb *>(bits + (top + r) * stride) + left; }

    int c0, c1, rows;
    uchar *bits;
    qsizetype stride;
    int left, top;
};

} // namespace

void TextConverter::drawOpaque(QImage &out, const Cell &cell, int left, int top, int clipRight, QRgb color) const
{
    const CellWindow w(out, left, top, clipRight);
    if (w.isEmpty())
        return;
    const int c0 = w.c0, c1 = w.c1, rows = w.rows;
    const auto rowAt = [&](int r) { return w.row(r); };

    if (c0 == 0 && c1 == CellWidth) {
        for (int r = 0; r < rows; ++r)
            std::memcpy(rowAt(r), cell.pixels.data() + r * CellWidth, CellWidth * sizeof(QRgb));
    } else {
        for (int r = 0; r < rows; ++r)
            std::memcpy(rowAt(r) + c0, cell.pixels.data() + r * CellWidth + c0, size_t(c1 - c0) * sizeof(QRgb));
    }
    for (const Cell::Spot spot : cell.body) {
        if (spot.row >= rows)
            break;
        if (spot.column >= c0 && spot.column < c1)
            rowAt(spot.row)[spot.column] = color;
    }
}

void TextConverter::drawSeeThrough(QImage &out, const Cell &cell, int left, int top, int clipRight, QRgb color) const
{
    const CellWindow w(out, left, top, clipRight);
    if (w.isEmpty())
        return;
    const int c0 = w.c0, c1 = w.c1, rows = w.rows;
    const auto rowAt = [&](int r) { return w.row(r); };
    const auto recoloured = [&](int offset) {
        const QRgb pixel = cell.pixels[size_t(offset)];
        return pixel == MarkerGrey ? color : pixel;
    };
    // The transparent colour is the recoloured cell's bottom-left pixel.
    const QRgb key = recoloured(BottomLeft);

    if (key == Paper && color != Paper) {
        // The usual case: exactly the ink is drawn.
        for (const Cell::Run run : cell.ink) {
            if (run.row >= rows)
                break;
            const int first = std::max<int>(run.first, c0), end = std::min<int>(run.end, c1);
            QRgb *to = rowAt(run.row);
            const QRgb *from = cell.pixels.data() + run.row * CellWidth;
            for (int c = first; c < end; ++c)
                to[c] = from[c] == MarkerGrey ? color : from[c];
        }
        return;
    }
    for (int r = 0; r < rows; ++r)
        for (int c = c0; c < c1; ++c)
            if (const QRgb pixel = recoloured(r * CellWidth + c); pixel != key)
                rowAt(r)[c] = pixel;
}
