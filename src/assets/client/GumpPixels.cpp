#include "assets/client/GumpPixels.h"

#include <algorithm>

namespace GumpPixels {

QImage decodeRuns(const uchar *data, qint64 size, int width, int height)
{
    if (width <= 0 || height <= 0 || width > MaxSide || height > MaxSide || size < 4 * qint64(height))
        return QImage();
    const auto u16 = [data](qint64 at) { return quint16(data[at] | (data[at + 1] << 8)); };
    const auto u32 = [&](qint64 at) { return quint32(u16(at)) | quint32(u16(at + 2)) << 16; };
    const qint64 words = size / 4;

    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const qint64 start = u32(4 * qint64(y));
        const qint64 end = y + 1 < height ? qint64(u32(4 * qint64(y + 1))) : words;
        if (start < height || start > end || end > words)
            return QImage();
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        int x = 0;
        for (qint64 run = start; run < end && x < width; ++run) {
            const QRgb colour = toRgb(u16(4 * run));
            const int count = u16(4 * run + 2);
            if (count > width - x)
                return QImage();
            std::fill(row + x, row + x + count, colour);
            x += count;
        }
        if (x != width)
            return QImage();
    }
    return image;
}

} // namespace GumpPixels
