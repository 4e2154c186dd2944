#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <utility>
#include <vector>

// The "group" lines the export writes before radios. One is left out when the
// last one written opened the same group, but the server runs only the
// branch of a condition it takes: a group line written in another branch, or
// in a block since closed, may not have run, and the radio names its group
// again; so does a radio inside a loop before a group line of its own there,
// as the loop's next round begins with the group the last one left. Inside
// DORAND or DOSWITCH each line is one choice, so a radio there always names
// its group, and the two lines go out as one block (around()). Fed the
// script lines in the order they are written.
class RadioGroupLines
{
public:
    void scriptLine(QStringView line);
    // The lines to write before a radio of the group and after it: its
    // group line when needed, in a BEGIN … END block inside a choice.
    using Around = std::pair<QStringList, QStringList>;
    Around around(const QString &group);

private:
    // Whether a radio of the group needs a group line before it; if so, that
    // line is taken as written.
    bool needsLine(const QString &group);
    // Whether the innermost block is a DORAND or DOSWITCH, which runs one of its lines.
    bool inChoice() const { return m_choice.back(); }

    std::vector<int> m_frames{0};   // the blocks and branches around, innermost last, each with an id of its own
    std::vector<bool> m_choice{false}; // per frame: a DORAND or DOSWITCH
    int m_nextFrame = 1;
    QString m_group = QStringLiteral("0"); // the group the last line opened; the server starts at 0
    int m_groupFrame = 0;                  // where that line stands; -1: not known to hold
};
