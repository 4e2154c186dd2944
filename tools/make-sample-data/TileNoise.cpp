#include "TileNoise.h"

#include <cmath>

namespace {

int wrap(int i, int n)
{
    const int r = i % n;
    return r < 0 ? r + n : r;
}

double smooth(double t)
{
    return t * t * (3.0 - 2.0 * t);
}

} // namespace

double TileNoise::hash(int x, int y, quint32 seed)
{
    quint32 h = quint32(x) * 0x8da6b343u ^ quint32(y) * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return double(h & 0xFFFFFF) / double(0x1000000);
}

double TileNoise::value(double x, double y, int cellsX, int cellsY, int octave) const
{
    const double fx = x * cellsX / m_period;
    const double fy = y * cellsY / m_period;
    const int ix = int(std::floor(fx));
    const int iy = int(std::floor(fy));
    const double tx = smooth(fx - ix);
    const double ty = smooth(fy - iy);
    const quint32 seed = m_seed + quint32(octave) * 7919u;
    const auto at = [&](int dx, int dy) {
        return hash(wrap(ix + dx, cellsX), wrap(iy + dy, cellsY), seed);
    };
    const double top = at(0, 0) + (at(1, 0) - at(0, 0)) * tx;
    const double bottom = at(0, 1) + (at(1, 1) - at(0, 1)) * tx;
    return top + (bottom - top) * ty;
}

double TileNoise::fractal(double x, double y, int cells, int octaves, double gain) const
{
    return fractal(x, y, cells, cells, octaves, gain);
}

double TileNoise::fractal(double x, double y, int cellsX, int cellsY, int octaves, double gain) const
{
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    for (int o = 0; o < octaves; ++o) {
        sum += weight * value(x, y, cellsX << o, cellsY << o, o);
        total += weight;
        weight *= gain;
    }
    return sum / total;
}
