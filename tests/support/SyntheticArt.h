#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Bitmaps made in the test.
namespace SyntheticArt {

QImage solid(int width, int height, QRgb color);   // Format_RGB32
QByteArray bmpBytes(const QImage &image);           // a Windows BMP: 8 or 1 bit for
                                                    // paletted images, else 24 bit
// Writes bytes to dir/relative, making the folders on the way.
void writeFile(const QString &dir, const QString &relative, const QByteArray &bytes);

} // namespace SyntheticArt
