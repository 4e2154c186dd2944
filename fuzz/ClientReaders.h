#pragma once

#include "assets/GlyphTable.h"
#include "assets/client/Cliloc.h"
#include "assets/client/GumpArt.h"
#include "assets/client/HueShading.h"
#include "assets/client/HuesFile.h"
#include "assets/client/ItemArt.h"
#include "assets/client/UnicodeFont.h"
#include "assets/client/UopArchive.h"

#include <QtEndian>

// Feeds one input to every client reader: as a gump index with itself as the
// data, as item art the same ways, as a packed archive, as its payload for
// the Mythic undo, as hues (shading a picture with the last), as localized
// strings and as a unicode font, itself and as the glyphs of one (so that
// small inputs reach the bitmap font drawn from it). Whatever is read is
// used, so bad reads show.
inline void readAsClientFiles(const QByteArray &bytes)
{
    const auto file = ClientFile::fromBytes(bytes);
    const auto half = ClientFile::fromBytes(bytes.left(bytes.size() / 2));
    for (const auto &art : {GumpArt::fromMul(half, file), GumpArt::fromUop(file)}) {
        int limit = 64;
        for (const int id : art->ids()) {
            const QImage image = art->decode(id);
            if (!image.isNull() && image.pixel(image.width() - 1, image.height() - 1) == 0u)
                __builtin_trap();   // every pixel is opaque in the image
            if (--limit == 0)
                break;
        }
    }
    QImage lastItem;
    for (const auto &items : {ItemArt::fromMul(file, file), ItemArt::fromUop(file)}) {
        int limit = 64;
        for (const int item : items->items()) {
            if (!items->contains(item))
                __builtin_trap();   // every item listed is there
            if (--limit < 0)
                break;
            const QImage image = items->decode(item);
            if (!image.isNull())
                lastItem = image;
        }
    }
    (void)ItemArt::decodeRuns(file->data(), file->size());
    (void)UopArchive::undoMythic(bytes, 1 << 22);
    const auto hues = HuesFile::read(bytes);
    (void)HuesFile::textColour(hues, int(hues.size()) - 1);
    (void)HueShading::hued(lastItem, hues, int(hues.size()) | HueShading::PartialFlag);
    const auto cliloc = Cliloc::fromFile(file);
    for (const int number : {0, 1, 500000, -1})
        (void)cliloc->text(number);
    const UnicodeFont font = UnicodeFont::read(bytes);
    for (char16_t unit : {u' ', u'A', u'a', char16_t(0xFFFF)}) {
        const UnicodeFont::Glyph g = font.glyph(unit);
        for (int y = 0; y < g.height; ++y)
            for (int x = 0; x < g.width; ++x)
                (void)g.at(x, y);
    }
    // Every character of the glyph table points somewhere into the input.
    QByteArray asGlyphs(65536 * 4, '\0');
    const QList<GlyphTable::Entry> table = GlyphTable::entries();
    for (qsizetype k = 0; k < table.size() && !bytes.isEmpty(); ++k)
        qToLittleEndian(qint32(asGlyphs.size() + (k * 13) % bytes.size()), asGlyphs.data() + 4 * table[k].character.unicode());
    for (const UnicodeFont &source : {font, UnicodeFont::read(asGlyphs + bytes)}) {
        const UnicodeFont::BitmapGlyphs drawn = source.bitmapGlyphs();
        if (drawn.glyphs.size() + drawn.missing != table.size())
            __builtin_trap();
        for (const FontGlyph &g : drawn.glyphs)
            if (g.picture.size() != FontGlyph::Columns * FontGlyph::Rows || g.width < 1 || g.width > GlyphTable::MaxWidth)
                __builtin_trap();
    }
}
