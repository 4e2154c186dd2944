#pragma once

#include <QtGlobal>

// Smooth value noise that repeats exactly every `period` pixels in both
// directions, so textures made from it tile without a seam. Lattice counts
// must divide nothing in particular: each octave wraps its own lattice.
class TileNoise
{
public:
    TileNoise(int period, quint32 seed) : m_period(period), m_seed(seed) {}

    // One octave on a lattice of cellsX × cellsY cells per period, 0..1.
    double value(double x, double y, int cellsX, int cellsY, int octave = 0) const;

    // Octaves doubling the lattice from `cells`, each weighted by `gain`
    // times the one before; normalised to 0..1.
    double fractal(double x, double y, int cells, int octaves, double gain = 0.5) const;
    // Like fractal() with the lattice stretched: cellsX across, cellsY down.
    double fractal(double x, double y, int cellsX, int cellsY, int octaves, double gain) const;

    int period() const { return m_period; }

    // A stable pseudo-random number 0..1 for integer coordinates.
    static double hash(int x, int y, quint32 seed);

private:
    int m_period;
    quint32 m_seed;
};
