#pragma once

#include "assets/BitmapFontFile.h"
#include "assets/TextConverter.h"

// Shared by the benchmark programs (header only: each bench/<name>.cpp is a
// program of its own).
// A font of the letters, digits and a few signs: outlined boxes of varied width.
inline BitmapFont benchFont()
{
    using namespace BitmapFontFile;
    BitmapFont font;
    font.glyphStrip = QImage(StripWidth, StripHeight, QImage::Format_RGB32);
    font.glyphStrip.fill(Paper);
    QString characters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789.:?!,'");
    for (int g = 0; g < characters.size(); ++g) {
        const QChar c = characters[g];
        font.glyphNames << TextConverter::glyphNameOf(c);
        const int advance = 6 + g % 5;
        font.glyphWidths << QString::number(advance);
        for (int x = 0; x < advance + 1; ++x)
            for (int y = 2; y < 16; ++y) {
                const bool edge = x == 0 || x == advance || y == 2 || y == 15;
                font.glyphStrip.setPixel(CellPitch * g + x, y, edge ? Outline : MarkerGrey);
            }
    }
    return font;
}
