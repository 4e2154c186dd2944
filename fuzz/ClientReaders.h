#pragma once

#include "assets/client/GumpArt.h"
#include "assets/client/HuesFile.h"
#include "assets/client/UnicodeFont.h"
#include "assets/client/UopArchive.h"

// Feeds one input to every client reader: as a gump index with itself as the
// data, as a packed archive, as its payload for the Mythic undo, as hues and
// as a unicode font. Whatever is read is used, so bad reads show.
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
    (void)UopArchive::undoMythic(bytes, 1 << 22);
    const auto hues = HuesFile::read(bytes);
    (void)HuesFile::textColour(hues, int(hues.size()) - 1);
    const UnicodeFont font = UnicodeFont::read(bytes);
    for (char16_t unit : {u' ', u'A', u'a', char16_t(0xFFFF)}) {
        const UnicodeFont::Glyph g = font.glyph(unit);
        for (int y = 0; y < g.height; ++y)
            for (int x = 0; x < g.width; ++x)
                (void)g.at(x, y);
    }
}
