#pragma once

#include <QString>
#include <QStringList>

#include <random>

// Random designs for the differential runs: every kind of element with
// fields drawn from ordinary values, values at the edges (0, negative,
// large, leading zeros, text that looks like a number) and hostile texts
// and event lines. The same seed gives the same design.
class DesignGenerator
{
public:
    explicit DesignGenerator(unsigned seed) : m_random(seed) {}

    // The button art the designs name: writes DATA/buttons/*.cs under appDir.
    static void writeButtonDecoders(const QString &appDir);

    QStringList design();

    // The hostile texts and event lines the designs are made of.
    static const QStringList &hostileTexts();
    static const QStringList &hostileEventLines();

private:
    int below(int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(m_random)); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T>
    const T &pick(const QList<T> &from) { return from[below(int(from.size()))]; }

    QString position();
    QString size();
    QString number();
    QString hue();
    QString flag();
    QString text();
    QString events();
    QString picture();
    QString buttonArt();
    QStringList element();

    std::mt19937 m_random;
};
