#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Reading Windows BMP files of the art library. Anything that cannot be read
// whole (missing, not a bitmap, truncated, a header that promises more pixels
// than the file holds, absurd dimensions) gives an empty 0 × 0 image and no
// message, so one bad file costs one element and not the redraw.
namespace BitmapFile {

// Largest side and pixel count accepted, so a lying header cannot make us
// allocate more than 64 MB for one picture. Art of the game is far smaller.
constexpr int MaxSide = 16384;
constexpr qint64 MaxPixels = qint64(16) * 1024 * 1024;

// True when the bytes form a BMP whose headers are consistent with its size.
bool isSound(const QByteArray &bytes);

// The picture as Format_RGB32 (any alpha of the file ignored), or an empty image.
QImage decode(const QByteArray &bytes);
QImage load(const QString &path);

} // namespace BitmapFile
