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
// Widest body that leaves room for both outline columns and the advance.
constexpr double MaxBodyWidth = MaxWidth - 3;

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
QList<QList<bool>> bodyMask(const QPainterPath &placed)
{
    QImage coverage(FontGlyph::Columns, FontGlyph::Rows, QImage::Format_ARGB32_Premultiplied);
    coverage.fill(Qt::transparent);
    {
        QPainter p(&coverage);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(placed, Qt::black);
    }
    QList<QList<bool>> mask(FontGlyph::Columns, QList<bool>(FontGlyph::Rows, false));
    for (int c = 0; c < FontGlyph::Columns; ++c)
        for (int r = 0; r < FontGlyph::Rows; ++r)
            mask[c][r] = qAlpha(coverage.pixel(c, r)) >= 128;
    return mask;
}

} // namespace

QList<GlyphEntry> glyphTable()
{
    QList<GlyphEntry> table;
    for (char c = 'A'; c <= 'Z'; ++c)
        table.append({QChar(c), QByteArray(1, c) + ".BMP"});
    for (char c = 'a'; c <= 'z'; ++c)
        table.append({QChar(c), "S" + QByteArray(1, char(c - 'a' + 'A')) + ".BMP", true});
    for (char c = '0'; c <= '9'; ++c)
        table.append({QChar(c), QByteArray(1, c) + ".BMP"});
    const std::pair<char, const char *> named[] = {
        {'<', "ALEFT"}, {'>', "AIGHT"}, {':', "COLEN"}, {'"', "'D"}, {'.', "PERIOD"},
        {'?', "QION"}, {'*', "STAR"}, {'/', "SLASH"}, {'\\', "SLASH2"},
    };
    for (const auto &[c, name] : named)
        table.append({QChar(c), QByteArray(name) + ".BMP"});
    for (const char c : QByteArray("!,-'();=+#$%&_[]@~^`"))
        table.append({QChar(c), QByteArray(1, c) + ".BMP"});
    return table;
}

FontGlyph render(const GlyphEntry &entry)
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
    const double baseline = entry.lowered ? LowerCaseBaseline : CapitalBaseline;
    // Body from column 1, leaving column 0 for the left outline.
    path.translate(1.0 - box.left(), baseline);

    const auto body = bodyMask(path);
    FontGlyph glyph;
    glyph.name = entry.name;
    int inkRight = 0;
    for (int c = 0; c < FontGlyph::Columns; ++c) {
        for (int r = 0; r < FontGlyph::Rows; ++r) {
            char pixel = '0';
            if (body[c][r]) {
                pixel = '2';
            } else {
                for (int dc = -1; dc <= 1 && pixel == '0'; ++dc)
                    for (int dr = -1; dr <= 1 && pixel == '0'; ++dr) {
                        const int nc = c + dc, nr = r + dr;
                        if (nc >= 0 && nc < FontGlyph::Columns && nr >= 0 && nr < FontGlyph::Rows && body[nc][nr])
                            pixel = '1';
                    }
            }
            glyph.set(c, r, pixel);
            if (pixel != '0')
                inkRight = std::max(inkRight, c + 1);
        }
    }
    glyph.width = std::min(inkRight + 1, MaxWidth);
    return glyph;
}

QList<FontGlyph> renderAll()
{
    QList<FontGlyph> glyphs;
    for (const GlyphEntry &entry : glyphTable())
        glyphs.append(render(entry));
    return glyphs;
}

} // namespace GlyphRenderer
