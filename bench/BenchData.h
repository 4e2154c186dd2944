#pragma once

#include "platform/SafeFile.h"

#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

// Shared by the benchmark programs (header only: each bench/<name>.cpp is a
// program of its own). The data folder the drawing benchmarks read, written
// once per program into a folder that lasts as long as it:
//   DATA/A00.bmp … A27.bmp   40 pictures of 24 to 123 pixels a side (BenchData::Pictures)
//   DATA/1F4.bmp             a 24-pixel square
//   DATA/D0 D1 D2 D3 FA FC FE 100.bmp   16-pixel state gumps
//   DATA/buttons/            btn0 … btn9 (60 × 22, BenchData::Buttons), check
//                            (decoder D2/D3), okay (decoder F7/F8)
//   DATA/resizepic/          backgrounds 3000 and 9200 … 9204 (BenchData::Backgrounds):
//                            12-pixel corners and edges, a 32-pixel centre
//   ColorLibary.INI          hues 95 (red), 1152 (navy), 995 (green)
// A name none of these has (as missing_art asks for) is missing art.
namespace BenchData {

constexpr int Pictures = 40, Buttons = 10, Backgrounds = 5;

inline void save(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    SafeFile::write(path, bytes);
}

inline void saveBitmap(const QImage &image, const QString &path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
    save(path, bytes);
}

// Art on black, so the see-through forms have holes as real art does.
inline QImage artImage(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(colour));
    p.drawEllipse(0, 0, w, h);
    p.fillRect(w / 4, h / 4, w / 2, h / 2, QColor(colour).darker());
    return image;
}

inline QImage filled(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The folder, ending in "/".
inline const QString &dataDir()
{
    static QTemporaryDir dir;
    static const QString appDir = [] {
        const QString root = dir.path() + u'/';
        for (int i = 0; i < Pictures; ++i)
            saveBitmap(artImage(24 + (i * 17) % 100, 24 + (i * 29) % 90, qRgb(40 + i * 5, 200 - i * 3, 90)),
                       root + QStringLiteral("DATA/%1.bmp").arg(0xA00 + i, 0, 16).toUpper());
        saveBitmap(filled(24, 24, qRgb(0, 128, 0)), root + QStringLiteral("DATA/1F4.bmp"));
        for (const char *gump : {"D2", "D3", "D0", "D1", "FA", "FC", "FE", "100"})
            saveBitmap(artImage(16, 16, qRgb(200, 200, 40)), root + QStringLiteral("DATA/%1.bmp").arg(QLatin1String(gump)));
        for (int i = 0; i < Buttons; ++i)
            saveBitmap(artImage(60, 22, qRgb(30, 160, 60 + i * 15)), root + QStringLiteral("DATA/buttons/btn%1.bmp").arg(i));
        saveBitmap(artImage(20, 20, qRgb(30, 160, 60)), root + QStringLiteral("DATA/buttons/check.bmp"));
        save(root + QStringLiteral("DATA/buttons/check.cs"), "D2\r\nD3\r\n");
        saveBitmap(filled(24, 24, qRgb(0, 128, 0)), root + QStringLiteral("DATA/buttons/okay.bmp"));
        save(root + QStringLiteral("DATA/buttons/okay.cs"), "F7\r\nF8\r\n");
        const auto background = [&](int number, int shade) {
            for (int k = 0; k < 9; ++k)
                saveBitmap(filled(k == 4 ? 32 : 12, k == 4 ? 32 : 12, qRgb(120 + shade * 20, 100 + k * 10, 80)),
                           root + QStringLiteral("DATA/resizepic/%1%2.bm").arg(k).arg(number));
        };
        background(3000, 0);
        for (int b = 0; b < Backgrounds; ++b)
            background(9200 + b, b);
        save(root + QStringLiteral("ColorLibary.INI"),
             "[NORMALS]\r\nTOTAL=3\r\n[1]\r\nCOLOR=clRed\r\nSPHERE=95\r\n[2]\r\nCOLOR=clNavy\r\n"
             "SPHERE=1152\r\n[3]\r\nCOLOR=$0040a848\r\nSPHERE=995\r\n");
        return root;
    }();
    return appDir;
}

} // namespace BenchData
