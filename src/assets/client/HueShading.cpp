#include "assets/client/HueShading.h"
#include "assets/client/GumpPixels.h"

#include <array>

namespace HueShading {

const ClientHue *hueOf(const std::vector<ClientHue> &hues, int hue)
{
    const int number = hue & NumberMask;
    if (number <= 0 || size_t(number) > hues.size())
        return nullptr;
    return &hues[size_t(number - 1)];
}

QImage hued(const QImage &art, const std::vector<ClientHue> &hues, int hue)
{
    const ClientHue *record = hueOf(hues, hue);
    if (!record || art.isNull())
        return art;
    const bool partial = (hue & PartialFlag) != 0;
    std::array<QRgb, 32> shade;
    for (size_t i = 0; i < shade.size(); ++i)
        shade[i] = GumpPixels::toRgb(quint16(record->colours[i] | 0x8000));
    QImage out = art.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = row[x] | 0xFF000000u;
            if (p == 0xFF000000u)
                continue;
            if (partial && !(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)))
                continue;
            row[x] = shade[size_t(qRed(p) >> 3)];
        }
    }
    return out;
}

} // namespace HueShading
