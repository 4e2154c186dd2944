#include "GlyphRenderer.h"

#include "ArtImage.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>

namespace GlyphRenderer {

namespace {

// Outlines come from a large rendering scaled down, so no hinting differs
// between machines and the cap height comes out exact.
constexpr int ReferencePixelSize = 200;
// Widest body that fits columns 1 … LastBodyColumn (room for both outline
// columns and the advance).
constexpr double MaxBodyWidth = GlyphTable::LastBodyColumn;

QFont referenceFont()
{
    QFont font(ArtImage::dejaVuFamily(QStringLiteral("Sans-Bold")));
    font.setPixelSize(ReferencePixelSize);
    font.setBold(true);
    font.setKerning(false);
    return font;
}

double referenceScale(const QFont &font)
{
    QPainterPath capital;
    capital.addText(0, 0, font, QStringLiteral("H"));
    return CapHeight / -capital.boundingRect().top();
}

// Pixels of the body: the outline filled with antialiasing, kept where more
// than half covered.
GlyphTable::BodyMask bodyMask(const QPainterPath &placed)
{
    QImage coverage(FontGlyph::Columns, FontGlyph::Rows, QImage::Format_ARGB32_Premultiplied);
    coverage.fill(Qt::transparent);
    {
        QPainter p(&coverage);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(placed, Qt::black);
    }
    GlyphTable::BodyMask mask;
    for (int c = 0; c < FontGlyph::Columns; ++c)
        for (int r = 0; r < FontGlyph::Rows; ++r)
            if (qAlpha(coverage.pixel(c, r)) >= 128)
                mask.set(c, r);
    return mask;
}

} // namespace

FontGlyph render(const GlyphTable::Entry &entry)
{
    static const QFont font = referenceFont();
    static const double scale = referenceScale(font);

    QPainterPath path;
    path.addText(0, 0, font, QString(entry.character));
    path = QTransform::fromScale(scale, scale).map(path);
    QRectF box = path.boundingRect();
    if (box.width() > MaxBodyWidth) {
        // Squeeze the few very wide letters (W, M, @) instead of clipping them.
        path = QTransform::fromScale(MaxBodyWidth / box.width(), 1.0).map(path);
        box = path.boundingRect();
    }
    const double baseline = entry.lowered ? GlyphTable::LowerCaseBaseline : GlyphTable::CapitalBaseline;
    // Body from column 1, leaving column 0 for the left outline.
    path.translate(1.0 - box.left(), baseline);
    return GlyphTable::outlined(entry, bodyMask(path));
}

QList<FontGlyph> renderAll()
{
    QList<FontGlyph> glyphs;
    for (const GlyphTable::Entry &entry : GlyphTable::entries())
        glyphs.append(render(entry));
    return glyphs;
}

} // namespace GlyphRenderer
