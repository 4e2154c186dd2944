#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <random>

// Random designs for the differential runs: every kind of element with
// fields drawn from ordinary values, values at the edges (0, negative,
// large, leading zeros, text that looks like a number), hostile texts (long
// ones past the server's line, line breaks, tabs, NUL) and event lines, now
// and then more than 255 texts or replies. Every button's events and the
// close block carry marker lines (ReplyModel), so that pressing it shows
// what ran. The same seed gives the same design.
//
// A share of the designs hold script logic: IF/ELIF/ELSE around elements
// (conditions on numbers, arithmetic and LOCAL values), FOR loops of each
// form over relative places (dorigin, +n, -n, -, *n) and the loop's value,
// WHILE loops over a LOCAL counter, DOSWITCH with a known line, DORAND whose
// line is known (DORAND 1, or lines alike), BEGIN … END, a RETURN 0 that
// ends the last page's layout early, LOCAL values read by later fields,
// computed fields. The designer does not
// run logic, so the generator writes with each such design what the server
// must lay out for it: the static design with false branches gone, loops
// unrolled, places and fields worked out. Buttons in branches and loops keep
// replies of their own (from 1000), so the ones that are not shown move no
// other button's number and every copy a loop makes answers with one block.
struct GeneratedDesign
{
    QStringList lines;          // what is exported
    QStringList expected;       // what the server shows of it; empty: the lines themselves
    QList<int> expectedSource;  // per line of expected: the line of `lines` (from 1) it comes from

    bool hasLogic() const { return !expected.isEmpty(); }
};

class DesignGenerator
{
public:
    explicit DesignGenerator(unsigned seed) : m_random(seed) {}

    // The button art the designs name: writes DATA/buttons/*.cs under appDir.
    static void writeButtonDecoders(const QString &appDir);

    QStringList design();
    // A design with script logic (DesignGeneratorLogic.cpp).
    GeneratedDesign logicDesign();
    // One of either, a third of them with logic.
    GeneratedDesign next();

    // The hostile texts and event lines the designs are made of.
    static const QStringList &hostileTexts();
    static const QStringList &hostileEventLines();

    // The seed of a run: QM_SERVER_FUZZ_SEED when set, else one made of the
    // commit under test (the first eight hex digits of its id), so that each
    // commit meets new designs and a rerun of it the same ones; 0 without
    // either. `from` says where it came from.
    static unsigned runSeed(QString *from);

    // A piece of a logic design and what is in force where it stands (DesignGeneratorLogic.cpp).
    struct Node;
    struct Scope;

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
    QStringList pageNumbers();

    // DesignGeneratorLogic.cpp
    QList<Node> block(Scope scope, int count);
    Node logicElement(const Scope &scope);
    Node condition(const Scope &scope);
    Node loop(const Scope &scope);
    Node whileLoop(const Scope &scope);
    Node choice(const Scope &scope);

    std::mt19937 m_random;
    int m_markers = 0;
    QStringList m_pageNumbers;       // the design's pages a button may switch to
    QList<int> m_switchIds, m_entryIds;
    int m_keptReplies = 0;           // replies given to buttons in branches and loops
    int m_locals = 0;                // LOCAL names made
};
