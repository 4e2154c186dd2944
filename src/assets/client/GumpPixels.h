#pragma once

#include <QImage>
#include <QRgb>

// The client's 16-bit colours (5 bits each of red, green, blue; 0 is
// see-through) and its run-length gump pictures, turned into the art
// library's pictures: see-through pixels become black, which the library
// draws see-through, and an opaque pixel is never pure black.
namespace GumpPixels {

// 5 → 8 bits: floor(v * 255 / 31).
constexpr int expand5(int v) { return v * 255 / 31; }

// Opaque colours that would come out pure black are drawn as this, the
// darkest colour the client itself can show that is not see-through.
constexpr QRgb NearBlack = 0xFF000008u;

constexpr QRgb toRgb(quint16 colour)
{
    if (colour == 0)
        return 0xFF000000u;
    const QRgb rgb = 0xFF000000u | QRgb(expand5((colour >> 10) & 0x1F)) << 16
                     | QRgb(expand5((colour >> 5) & 0x1F)) << 8 | QRgb(expand5(colour & 0x1F));
    return rgb == 0xFF000000u ? NearBlack : rgb;
}

// Gumps larger than this a side are taken as damage: the client draws none
// so large, and it bounds what one entry can make us allocate.
constexpr int MaxSide = 4096;

// Decodes a picture of width × height from data of size bytes laid out as
// height 32-bit row starts (in 4-byte units from the start of data), then
// per row (u16 colour, u16 count) runs. A null image when the data is cut
// short, a row start points outside it, or runs overflow a row.
QImage decodeRuns(const uchar *data, qint64 size, int width, int height);

} // namespace GumpPixels
