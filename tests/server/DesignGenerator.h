#pragma once

#include <QString>
#include <QStringList>

#include <random>

// Random designs for the differential runs: every kind of element with
// fields drawn from ordinary values, values at the edges (0, negative,
// large, leading zeros, text that looks like a number), hostile texts (long
// ones past the server's line, line breaks, tabs, NUL) and event lines, now
// and then more than 255 texts or replies. Every button's events and the
// close block carry marker lines (ReplyModel), so that pressing it shows
// what ran. The same seed gives the same design.
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

    // The seed of a run: QM_SERVER_FUZZ_SEED when set, else one made of the
    // commit under test (the first eight hex digits of its id), so that each
    // commit meets new designs and a rerun of it the same ones; 0 without
    // either. `from` says where it came from.
    static unsigned runSeed(QString *from);

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
    QString marker();

    std::mt19937 m_random;
    int m_markers = 0;
    QStringList m_pageNumbers;       // the design's pages a button may switch to
    QList<int> m_switchIds, m_entryIds;
};
