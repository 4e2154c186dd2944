#include "support/SyntheticArt.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace SyntheticArt {

QImage solid(int width, int height, QRgb color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QByteArray bmpBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const bool paletted = image.format() == QImage::Format_Indexed8 || image.format() == QImage::Format_Mono;
    (paletted ? image : image.convertToFormat(QImage::Format_RGB888)).save(&buffer, "BMP");
    return bytes;
}

void writeFile(const QString &dir, const QString &relative, const QByteArray &bytes)
{
    const QString path = dir + u'/' + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

} // namespace SyntheticArt
