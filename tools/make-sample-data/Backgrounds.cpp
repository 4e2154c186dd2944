#include "Backgrounds.h"

#include "ArtImage.h"
#include "TileNoise.h"

#include <QDir>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <functional>

namespace Backgrounds {

namespace {

using ArtImage::mix;
using ArtImage::shade;

// A frame as a picture function over a square of corner + tile + corner.
struct Frame
{
    int corner = 0;
    int tile = 0;
    int size() const { return 2 * corner + tile; }
    // Distance to the nearest outer edge, and which edge that is.
    int distance(int x, int y) const { return std::min({x, y, size() - 1 - x, size() - 1 - y}); }
    bool litSide(int x, int y) const { return std::min(x, y) <= std::min(size() - 1 - x, size() - 1 - y); }
};

using PixelFunction = std::function<QColor(int x, int y)>;

QImage paint(const Frame &frame, const PixelFunction &pixel)
{
    QImage image(frame.size(), frame.size(), QImage::Format_RGB32);
    for (int y = 0; y < frame.size(); ++y)
        for (int x = 0; x < frame.size(); ++x)
            image.setPixel(x, y, pixel(x, y).rgb());
    return image;
}

QList<QImage> cutPieces(const QImage &whole, const Frame &f)
{
    const int c = f.corner, t = f.tile, far = c + t;
    return {
        whole.copy(0, 0, c, c),   whole.copy(c, 0, t, c),   whole.copy(far, 0, c, c),
        whole.copy(0, c, c, t),   whole.copy(c, c, t, t),   whole.copy(far, c, c, t),
        whole.copy(0, far, c, c), whole.copy(c, far, t, c), whole.copy(far, far, c, c),
    };
}

// A bevelled band: light on the top and left sides, dark on the others;
// `raised` false swaps them, for a recess.
QColor bevel(const QColor &base, const Frame &f, int x, int y, bool raised, double strength)
{
    const bool lit = f.litSide(x, y) == raised;
    return shade(base, lit ? 1.0 + strength : 1.0 - strength);
}

// Cut grey stone in a running bond, with a raised rim and iron studs.
Background stone()
{
    const Frame f{20, 64};
    const TileNoise grain(f.tile, 11);
    const TileNoise blocks(f.tile, 12);
    const QColor rock(138, 134, 124);
    const QColor mortar(70, 66, 60);
    const int blockW = 32, blockH = 16;

    const auto centre = [&](int x, int y) {
        const int u = x - f.corner, v = y - f.corner; // tile coordinates, repeat every 64
        const int row = ((v % f.tile) + f.tile) % f.tile / blockH;
        const int shift = (row % 2) * (blockW / 2);
        const int bu = ((u + shift) % f.tile + f.tile) % f.tile;
        const int bv = ((v % f.tile) + f.tile) % f.tile;
        const int col = bu / blockW;
        const int inX = bu % blockW, inY = bv % blockH;
        const double noise = grain.fractal(u, v, 8, 4, 0.55);
        if (inX == 0 || inY == 0)
            return shade(mortar, 0.85 + 0.3 * noise);
        const double tone = 0.82 + 0.26 * TileNoise::hash(col, row, 7) + 0.35 * (noise - 0.5);
        QColor c = shade(rock, tone);
        c = mix(c, QColor(150, 140, 118), 0.3 * blocks.fractal(u, v, 2, 2, 0.5));
        if (inX == 1 || inY == 1)
            return shade(c, 1.18); // chiselled edge catching the light
        if (inX == blockW - 1 || inY == blockH - 1)
            return shade(c, 0.72);
        return c;
    };

    const auto pixel = [&](int x, int y) -> QColor {
        const int d = f.distance(x, y);
        if (d >= f.corner)
            return centre(x, y);
        const double noise = grain.fractal(x - f.corner, y - f.corner, 8, 3, 0.5);
        const QColor rim = shade(QColor(160, 156, 146), 0.9 + 0.25 * noise);
        if (d == 0)
            return QColor(28, 26, 24);
        if (d <= 2)
            return bevel(rim, f, x, y, true, 0.3);
        if (d >= f.corner - 3) {
            if (f.distance(x, y) == f.corner - 1)
                return QColor(40, 38, 34);
            return bevel(rim, f, x, y, false, 0.28);
        }
        // Iron studs in the corners.
        const int cx = x < f.size() / 2 ? f.corner / 2 : f.size() - 1 - f.corner / 2;
        const int cy = y < f.size() / 2 ? f.corner / 2 : f.size() - 1 - f.corner / 2;
        const double r = std::hypot(x - cx + 0.5, y - cy + 0.5);
        if (r < 5.0) {
            const double light = 1.0 - std::hypot(x - cx + 2.0, y - cy + 2.0) / 7.0;
            return r > 4.0 ? QColor(30, 30, 34) : mix(QColor(60, 62, 70), QColor(190, 194, 204), light);
        }
        return rim;
    };

    const QImage whole = ArtImage::liftBlack(paint(f, pixel));
    return {9200, QStringLiteral("stone"), whole, cutPieces(whole, f)};
}

// Aged parchment with a scorched, ragged edge; outside the edge is see-through.
Background parchment()
{
    const Frame f{20, 96};
    const TileNoise blotch(f.tile, 21);
    const TileNoise fibre(f.tile, 22);
    const TileNoise ragged(f.tile, 23);
    const QColor paper(232, 214, 170);
    const QColor scorch(120, 78, 36);
    const double radius = 10.0;

    const auto pixel = [&](int x, int y) -> QColor {
        const double u = x - f.corner, v = y - f.corner;
        // Distance inside a rounded square, so the corners are rounded off.
        const double dx = std::max(0.0, radius - std::min(x, f.size() - 1 - x));
        const double dy = std::max(0.0, radius - std::min(y, f.size() - 1 - y));
        const double d = dx > 0 && dy > 0 ? radius - std::hypot(dx, dy) : f.distance(x, y);
        const double edge = 1.5 + 3.0 * ragged.fractal(u, v, 6, 3, 0.6);
        if (d < edge)
            return QColor(0, 0, 0);
        const double stain = blotch.fractal(u, v, 3, 4, 0.5);
        const double grain = fibre.fractal(u, v, 3, 24, 2, 0.5); // long fibres across
        QColor c = shade(paper, 0.92 + 0.12 * stain + 0.08 * (grain - 0.5));
        c = mix(c, QColor(200, 168, 110), std::max(0.0, stain - 0.55) * 1.0);
        const double burn = std::clamp(1.0 - (d - edge) / 14.0, 0.0, 1.0);
        c = mix(c, scorch, burn * burn * (0.75 + 0.25 * stain));
        if (d - edge < 1.0)
            c = mix(c, QColor(60, 36, 16), 0.7);
        // A ruled margin where the edges meet the centre hides the change of
        // texture between an edge and a centre tile cut short.
        if (f.distance(x, y) == f.corner - 1)
            c = mix(c, QColor(128, 86, 44), 0.5);
        return c;
    };

    const QImage whole = paint(f, pixel);
    return {9300, QStringLiteral("parchment"), whole, cutPieces(whole, f)};
}

// Dark green marble with pale veins, framed by a thin gold line.
Background darkMarble()
{
    const Frame f{16, 64};
    const TileNoise swirl(f.tile, 31);
    const TileNoise cloud(f.tile, 32);
    const QColor stone(30, 42, 38);
    const QColor vein(120, 140, 128);
    const QColor gold(212, 170, 72);
    constexpr double pi = 3.14159265358979;

    const auto marble = [&](int x, int y) {
        const double u = x - f.corner, v = y - f.corner;
        const double turbulence = swirl.fractal(u, v, 2, 5, 0.55);
        // Whole numbers of stripes per tile keep the veins continuous across tiles.
        const double phase = 2 * pi * (u + 2 * v) / f.tile + 9.0 * turbulence;
        const double line = std::pow(std::abs(std::sin(phase)), 0.25);
        const double haze = cloud.fractal(u, v, 4, 3, 0.5);
        QColor c = shade(stone, 0.75 + 0.5 * haze);
        return mix(vein, c, line);
    };

    const auto pixel = [&](int x, int y) -> QColor {
        const int d = f.distance(x, y);
        if (d >= f.corner - 1)
            return d == f.corner - 1 ? shade(marble(x, y), 0.55) : marble(x, y);
        if (d == 0)
            return QColor(14, 16, 14);
        // Gold diamonds in the corners.
        const int cx = x < f.size() / 2 ? f.corner / 2 : f.size() - 1 - f.corner / 2;
        const int cy = y < f.size() / 2 ? f.corner / 2 : f.size() - 1 - f.corner / 2;
        const int diamond = std::abs(x - cx) + std::abs(y - cy);
        if (diamond <= 4)
            return diamond == 4 ? QColor(70, 52, 20)
                                : shade(gold, 1.25 - 0.12 * diamond + ((x < cx) == (y < cy) ? 0.1 : -0.1));
        if (d == 5 || d == 7)
            return bevel(gold, f, x, y, d == 5, 0.22);
        if (d == 6)
            return shade(gold, 1.1);
        return shade(marble(x, y), 0.8);
    };

    const QImage whole = ArtImage::liftBlack(paint(f, pixel));
    return {9270, QStringLiteral("dark marble"), whole, cutPieces(whole, f)};
}

} // namespace

QList<Background> makeAll()
{
    return {stone(), parchment(), darkMarble()};
}

void write(const Background &background, const QString &dir)
{
    const QDir d(dir);
    const QString name = QString::number(background.gump);
    ArtImage::saveBmp(background.preview, d.filePath(name + QStringLiteral(".bmp")));
    for (int k = 0; k < background.pieces.size(); ++k)
        ArtImage::saveBmp(background.pieces[k], d.filePath(QString::number(k) + name + QStringLiteral(".bm")));
}

} // namespace Backgrounds
