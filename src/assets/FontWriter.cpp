#include "assets/FontWriter.h"
#include "platform/RuntimeError.h"

namespace FontWriter {

namespace {

void appendField(QByteArray &out, const QByteArray &text, int fieldSize)
{
    out.append(char(text.size()));
    out.append(text);
    out.append(QByteArray(fieldSize - 1 - text.size(), '\0'));
}

} // namespace

QByteArray encode(const QList<FontGlyph> &glyphs)
{
    if (glyphs.size() > MaxGlyphs)
        throw RuntimeError(QStringLiteral("A font holds at most %1 glyphs").arg(MaxGlyphs));

    QByteArray out;
    out.reserve(4 + glyphs.size() * (RecordSize + WidthRecordSize));
    const quint32 count = quint32(glyphs.size());
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((count >> shift) & 0xFF));

    for (const FontGlyph &g : glyphs) {
        if (g.name.size() > NameFieldSize - 1)
            throw RuntimeError(QStringLiteral("Glyph name too long: %1").arg(QString::fromLatin1(g.name)));
        if (g.picture.size() != FontGlyph::Columns * FontGlyph::Rows)
            throw RuntimeError(QStringLiteral("Glyph %1 has a picture of the wrong size").arg(QString::fromLatin1(g.name)));
        out.append(2, '\0');
        appendField(out, g.name, NameFieldSize);
        out.append(g.picture);
    }
    for (const FontGlyph &g : glyphs) {
        if (g.width < 0 || g.width > 99999999)
            throw RuntimeError(QStringLiteral("Glyph %1 has a width out of range").arg(QString::fromLatin1(g.name)));
        appendField(out, QByteArray::number(g.width), WidthRecordSize);
    }
    return out;
}

} // namespace FontWriter
