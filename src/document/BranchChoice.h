#pragma once

#include "document/ScriptNesting.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// Which branch of each condition the canvas shows: a view option, kept with
// the view and never written into the design. By default every condition
// shows its first branch, so alternatives never overprint each other.
struct BranchChoice
{
    bool all = false;        // every branch drawn at once
    QList<int> chosen;       // by condition, in the order their IFs stand: the branch shown (0 when missing)

    int branchOf(int condition) const { return condition < chosen.size() ? chosen[condition] : 0; }
    void choose(int condition, int branch);
    bool operator==(const BranchChoice &) const = default;

    // "all", "first", or branch numbers by condition "0,1,2"; nullopt for anything else.
    static std::optional<BranchChoice> parse(const QString &text);
    QString text() const;
};

// The logic of a design as the canvas and the list show it: where each line
// stands in the blocks, and whether the branch choice hides it.
class LogicView
{
public:
    LogicView(const QStringList &lines, const BranchChoice &choice);

    int depthOf(int line) const { return m_nesting.placeOf(line).depth; }
    bool insideBlock(int line) const { return depthOf(line) > 0; }
    // Inside a branch of a condition the choice does not show (or inside a
    // block that is itself hidden so).
    bool hidden(int line) const;
    // The condition (its order among the IFs) whose opener, branch or closer
    // the script line at line is; -1 for any other line.
    int conditionAt(int line) const;
    // The innermost condition around the line, -1 when none.
    int conditionAround(int line) const;
    // How many branches the condition has.
    int branchCount(int condition) const;
    int conditions() const { return int(m_ifSpans.size()); }
    // The design line of the condition's IF record.
    int openerOf(int condition) const { return m_nesting.spans()[std::size_t(m_ifSpans[std::size_t(condition)])].open; }
    const ScriptNesting &nesting() const { return m_nesting; }

private:
    ScriptNesting m_nesting;
    BranchChoice m_choice;
    std::vector<int> m_ifOrder;   // by span: its order among the conditions, -1 for other blocks
    std::vector<int> m_ifSpans;   // by condition: its span
};
