#include "assets/BitmapFile.h"

#include "platform/CappedFile.h"

namespace BitmapFile {

namespace {

constexpr int FileHeaderSize = 14;
constexpr int CoreHeaderSize = 12;

// Compression methods of the info header.
enum : quint32 { Rgb = 0, Rle8 = 1, Rle4 = 2, Bitfields = 3, AlphaBitfields = 6 };

quint32 u32(const QByteArray &b, int at)
{
    const auto *p = reinterpret_cast<const uchar *>(b.constData()) + at;
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 u16(const QByteArray &b, int at)
{
    const auto *p = reinterpret_cast<const uchar *>(b.constData()) + at;
    return quint16(p[0] | p[1] << 8);
}

} // namespace

bool isSound(const QByteArray &bytes)
{
    const qint64 size = bytes.size();
    if (size < FileHeaderSize + CoreHeaderSize || bytes[0] != 'B' || bytes[1] != 'M')
        return false;
    const quint32 offBits = u32(bytes, 10);
    const quint32 headerSize = u32(bytes, 14);
    if (headerSize < CoreHeaderSize || FileHeaderSize + qint64(headerSize) > size)
        return false;

    qint64 width = 0, height = 0;
    int bitsPerPixel = 0;
    quint32 compression = Rgb;
    qint64 imageSize = 0;
    if (headerSize == CoreHeaderSize) {
        width = u16(bytes, 18);
        height = u16(bytes, 20);
        bitsPerPixel = u16(bytes, 24);
    } else {
        if (headerSize < 40)
            return false;
        width = qint32(u32(bytes, 18));
        height = qint32(u32(bytes, 22));
        bitsPerPixel = u16(bytes, 28);
        compression = u32(bytes, 30);
        imageSize = u32(bytes, 34);
    }
    height = height < 0 ? -height : height;
    if (width <= 0 || height <= 0 || width > MaxSide || height > MaxSide || width * height > MaxPixels)
        return false;
    if (offBits < FileHeaderSize + headerSize || offBits > size)
        return false;

    switch (compression) {
    case Rgb:
    case Bitfields:
    case AlphaBitfields: {
        if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 16
            && bitsPerPixel != 24 && bitsPerPixel != 32)
            return false;
        const qint64 stride = (width * bitsPerPixel + 31) / 32 * 4;
        return offBits + stride * height <= size;
    }
    case Rle8:
    case Rle4:
        // Run-length data has no fixed size; the header must at least state
        // one that the file really holds.
        if ((compression == Rle8 && bitsPerPixel != 8) || (compression == Rle4 && bitsPerPixel != 4))
            return false;
        return imageSize > 0 && offBits + imageSize <= size;
    default:
        return false;
    }
}

QImage decode(const QByteArray &bytes)
{
    if (!isSound(bytes))
        return QImage();
    QImage image;
    if (!image.loadFromData(bytes, "BMP") || image.isNull())
        return QImage();
    if (image.hasAlphaChannel()) {
        // Bitmaps are blitted without regard to alpha: keep the colour bits as they are.
        image = image.convertToFormat(QImage::Format_ARGB32);
        image.reinterpretAsFormat(QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                row[x] |= 0xFF000000u;
        }
        return image;
    }
    return image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
}

QImage load(const QString &path)
{
    // Nothing sound can be larger than the biggest accepted picture.
    constexpr qint64 MaxFileSize = MaxPixels * 4 + 64 * 1024;
    const CappedFile::Result file = CappedFile::read(path, MaxFileSize);
    if (file.outcome != CappedFile::Outcome::Read)
        return QImage();
    return decode(file.bytes);
}

} // namespace BitmapFile
