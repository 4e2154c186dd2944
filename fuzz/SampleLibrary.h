#pragma once

#include "fuzz/FuzzInput.h"
#include "support/SyntheticArt.h"
#include "support/SyntheticFont.h"

// A small art library for the harnesses that draw or export a design: the
// pictures, a button with its decoder, a nine-piece background, a hue
// library and a font, under the names the corpus designs use.
namespace SampleLibrary {

inline QString appDir()
{
    static const QString dir = [] {
        const QString d = FuzzInput::scratchDir() + QStringLiteral("library/");
        using SyntheticArt::bmpBytes;
        using SyntheticArt::solid;
        QImage picture = solid(24, 16, 0xFF3070A0u);
        picture.setPixel(2, 3, 0xFF000000u);   // black is see-through
        FuzzInput::writeFile(d + QStringLiteral("DATA/1F4.bmp"), bmpBytes(picture));
        FuzzInput::writeFile(d + QStringLiteral("DATA/A00.bmp"),
                             bmpBytes(picture.convertToFormat(QImage::Format_Indexed8)));
        FuzzInput::writeFile(d + QStringLiteral("DATA/buttons/okay.bmp"), bmpBytes(solid(30, 12, 0xFF20A020u)));
        FuzzInput::writeFile(d + QStringLiteral("DATA/buttons/okay.cs"), "F9\r\nFA\r\n");
        for (int piece = 0; piece < 9; ++piece)
            FuzzInput::writeFile(d + QStringLiteral("DATA/resizepic/%1").arg(piece) + QStringLiteral("9200.bm"),
                                 bmpBytes(solid(4 + piece, 5 + piece, 0xFF101010u * quint32(piece + 1))));
        FuzzInput::writeFile(d + QStringLiteral("ColorLibary.INI"),
                             "[NORMALS]\r\nTOTAL=2\r\n[1]\r\nNAME=Sky\r\nCOLOR=$F0C060\r\nSPHERE=95\r\n"
                             "[2]\r\nNAME=Red\r\nCOLOR=clRed\r\nSPHERE=33\r\n");
        QList<SyntheticGlyph> glyphs;
        for (const char *name : {"A.BMP", "SA.BMP", "SB.BMP", "PERIOD.BMP"})
            glyphs.append(SyntheticFont::glyph(name, "5", SyntheticFont::boxRows(1, 2, 4, 9)));
        FuzzInput::writeFile(d + QStringLiteral("UO0.CORE"), SyntheticFont::fileBytes(glyphs));
        return d;
    }();
    return dir;
}

} // namespace SampleLibrary
