#include "assets/GlyphTable.h"

#include <algorithm>
#include <utility>

namespace GlyphTable {

QString nameOf(QChar c)
{
    QString stem;
    switch (c.unicode()) {
    case u'<': stem = QStringLiteral("ALEFT"); break;
    case u'>': stem = QStringLiteral("AIGHT"); break;
    case u':': stem = QStringLiteral("COLEN"); break;
    case u'"': stem = QStringLiteral("'D"); break;
    case u'.': stem = QStringLiteral("PERIOD"); break;
    case u'?': stem = QStringLiteral("QION"); break;
    case u'*': stem = QStringLiteral("STAR"); break;
    case u'/': stem = QStringLiteral("SLASH"); break;
    case u'\\': stem = QStringLiteral("SLASH2"); break;
    default:
        stem = rowOf(c) ? QStringLiteral("S") + c : QString(c);
    }
    return stem + QStringLiteral(".BMP");
}

int rowOf(QChar c)
{
    return c >= u'a' && c <= u'z' ? LoweredRows : 0;
}

QList<Entry> entries()
{
    QByteArray characters;
    for (char c = 'A'; c <= 'Z'; ++c)
        characters += c;
    for (char c = 'a'; c <= 'z'; ++c)
        characters += c;
    characters += "0123456789";
    characters += "<>:\".?*/\\";   // the named ones
    characters += "!,-'();=+#$%&_[]@~^`";
    QList<Entry> table;
    for (const char c : std::as_const(characters))
        table.append({QChar(c), nameOf(QChar(c)).toUpper().toLatin1(), rowOf(QChar(c)) != 0});
    return table;
}

FontGlyph outlined(const Entry &entry, const BodyMask &body, int advance)
{
    // Rows 0 and Rows - 1 hold the outline at most; a lowered cell loses its
    // bottom LoweredRows rows to the converter's 21-pixel line.
    const int lastBodyRow = FontGlyph::Rows - 2 - (entry.lowered ? LoweredRows : 0);
    BodyMask kept;
    for (int c = 1; c <= LastBodyColumn; ++c)
        for (int r = 1; r <= lastBodyRow; ++r)
            if (body.at(c, r))
                kept.set(c, r);

    FontGlyph glyph;
    glyph.name = entry.name;
    int inkRight = 0;
    for (int c = 0; c < FontGlyph::Columns; ++c) {
        for (int r = 0; r < FontGlyph::Rows; ++r) {
            char pixel = '0';
            if (kept.at(c, r)) {
                pixel = '2';
            } else {
                for (int dc = -1; dc <= 1 && pixel == '0'; ++dc)
                    for (int dr = -1; dr <= 1 && pixel == '0'; ++dr)
                        if (kept.at(c + dc, r + dr))
                            pixel = '1';
            }
            glyph.set(c, r, pixel);
            if (pixel != '0')
                inkRight = std::max(inkRight, c + 1);
        }
    }
    glyph.width = std::clamp(advance, inkRight + 1, MaxWidth);
    return glyph;
}

} // namespace GlyphTable
