#include "assets/client/UnicodeFont.h"
#include "assets/GlyphTable.h"
#include "assets/client/ClientFile.h"

#include <algorithm>
#include <map>

namespace {

constexpr qsizetype OffsetTable = 65536 * 4;

} // namespace

UnicodeFont UnicodeFont::read(const QByteArray &bytes)
{
    UnicodeFont font;
    if (bytes.size() >= OffsetTable)
        font.m_data = bytes;
    return font;
}

UnicodeFont UnicodeFont::load(const QString &clientDir, const QString &name)
{
    const auto file = ClientFile::open(clientDir, name);
    if (!file)
        return UnicodeFont();
    return read(QByteArray(reinterpret_cast<const char *>(file->data()), file->size()));
}

bool UnicodeFont::has(char16_t unit) const
{
    return glyph(unit).width > 0;
}

UnicodeFont::Glyph UnicodeFont::glyph(char16_t unit) const
{
    Glyph g;
    if (m_data.isEmpty())
        return g;
    const auto *d = reinterpret_cast<const uchar *>(m_data.constData());
    const qsizetype at = qsizetype(unit) * 4;
    const qint64 offset = qint32(quint32(d[at]) | quint32(d[at + 1]) << 8 | quint32(d[at + 2]) << 16 | quint32(d[at + 3]) << 24);
    if (offset <= 0 || offset > m_data.size() - 4)
        return g;
    const int width = d[offset + 2], height = d[offset + 3];
    const qint64 stride = (width + 7) / 8;
    if (offset + 4 + stride * height > m_data.size())
        return g;
    g.xOffset = qint8(d[offset]);
    g.yOffset = qint8(d[offset + 1]);
    g.width = width;
    g.height = height;
    g.bits.resize(size_t(width * height));
    const uchar *rows = d + offset + 4;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            g.bits[size_t(y * width + x)] = rows[y * stride + x / 8] & (0x80 >> (x % 8));
    return g;
}

UnicodeFont::BitmapGlyphs UnicodeFont::bitmapGlyphs() const
{
    const QList<GlyphTable::Entry> table = GlyphTable::entries();
    std::vector<Glyph> glyphs;
    glyphs.reserve(size_t(table.size()));
    for (const GlyphTable::Entry &entry : table)
        glyphs.push_back(glyph(entry.character.unicode()));

    // The font's baseline: the foot most capitals stand on (any glyph's
    // when there are no capitals), the lower of two that are as common.
    std::map<int, int> feet, anyFeet;
    for (size_t i = 0; i < glyphs.size(); ++i) {
        const Glyph &g = glyphs[i];
        if (g.width <= 0)
            continue;
        const int foot = g.yOffset + g.height;
        ++anyFeet[foot];
        if (table[qsizetype(i)].character.isUpper())
            ++feet[foot];
    }
    const auto &counted = feet.empty() ? anyFeet : feet;
    int baseline = 0, best = 0;
    for (const auto &[foot, count] : counted)
        if (count >= best)
            baseline = foot, best = count;

    BitmapGlyphs out;
    for (size_t i = 0; i < glyphs.size(); ++i) {
        const Glyph &g = glyphs[i];
        const GlyphTable::Entry &entry = table[qsizetype(i)];
        if (g.width <= 0) {
            ++out.missing;
            continue;
        }
        const int cellBaseline = entry.lowered ? GlyphTable::LowerCaseBaseline : GlyphTable::CapitalBaseline;
        const int top = cellBaseline - baseline + g.yOffset;
        // Column 0 is the left outline's; a glyph reaching left of its
        // origin is drawn from there all the same.
        const int left = 1 + std::max(0, g.xOffset);
        GlyphTable::BodyMask body;
        // Only rows and columns that can land in the cell are walked.
        for (int y = std::max(0, -top); y < g.height && top + y < FontGlyph::Rows; ++y)
            for (int x = 0; x < g.width && left + x < FontGlyph::Columns; ++x)
                if (g.at(x, y))
                    body.set(left + x, top + y);
        out.glyphs.append(GlyphTable::outlined(entry, body, left + g.width + 2));
    }
    return out;
}
