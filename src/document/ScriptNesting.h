#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// The blocks the script lines of a dialog open and close, as the server runs
// them: IF … ELIF/ELSEIF … ELSE … ENDIF, FOR* … ENDFOR, WHILE … ENDWHILE,
// DORAND/DOSWITCH … ENDDO, BEGIN … END. Fed line by line (the import reads a
// script so), or built over a design's records, where every record learns
// the block and branch it sits in.
class ScriptNesting
{
public:
    enum class Role { Plain, Opener, Branch, Closer };
    enum class Block { None, If, For, While, DoRand, DoSwitch, Begin };

    // What the first word of a script line does ("if", "ELSEIF", "endfor",
    // "FORCHARS 5", "IF(<x>)"; any case, leading blanks allowed).
    struct Statement
    {
        Role role = Role::Plain;
        Block block = Block::None; // the block it opens, branches or closes
        QString word;              // as written, upper-cased
    };
    static Statement statementOf(QStringView line);

    struct Span
    {
        Block block = Block::None;
        int open = -1;               // line of the opener
        int close = -1;              // line of the closer; -1 when unmatched
        QList<int> branches;         // lines of its ELIF/ELSEIF/ELSE, in order
        int parent = -1;             // the span it sits in; -1 at the top
        QString word;                // the opener's word
    };

    // Where a line stands: how many blocks hold it, the innermost (an index
    // of spans(), -1 at the top) and its branch there (0 before the first
    // ELIF/ELSE, k after the k-th). An opener, branch or closer line stands
    // in the block around its own.
    struct Place
    {
        int depth = 0;
        int span = -1;
        int branch = 0;
        bool operator==(const Place &) const = default;
    };

    // A line the blocks cannot place: an opener never closed, a closer or
    // branch without its opener, a closer of another block (ENDFOR in an IF).
    struct Fault
    {
        int line = -1;
        QString message;             // "IF without ENDIF", "ENDIF without IF"
    };

    ScriptNesting() = default;
    // Over the records of design lines: script records are statements, every
    // other item is placed where it stands. finish() is called.
    static ScriptNesting ofDesign(const QStringList &lines);

    // Feeding: a script line at line, or any other line placed where it stands.
    Place statement(int line, QStringView text);
    Place other(int line);
    // Ends the reading: openers still open become faults.
    void finish();

    int depth() const { return int(m_open.size()); }
    Place current() const;
    const std::vector<Span> &spans() const { return m_spans; }
    const std::vector<Fault> &faults() const { return m_faults; }
    // The place of every line fed, by line number; a line not fed stands at the top.
    Place placeOf(int line) const;
    // Whether any line fed was a script line at all.
    bool hasStatements() const { return m_statements > 0; }

    static QString openerWord(Block block);   // If -> "IF"
    static QString closerWord(Block block);   // If -> "ENDIF"

private:
    void remember(int line, const Place &place);

    std::vector<Span> m_spans;
    std::vector<int> m_open;          // indices of the spans open, innermost last
    std::vector<Fault> m_faults;
    std::vector<std::pair<int, Place>> m_places; // by line, in the order fed
    int m_statements = 0;
};
