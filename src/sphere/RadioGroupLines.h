#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// The "group" lines the export writes before radios. One is left out when the
// last one written opened the same group, but the server runs only the
// branch of a condition it takes: a group line written in another branch, or
// in a block since closed, may not have run, and the radio names its group
// again; so does a radio inside a loop before a group line of its own there,
// as the loop's next round begins with the group the last one left. Fed the
// script lines in the order they are written.
class RadioGroupLines
{
public:
    void scriptLine(QStringView line);
    // Whether a radio of the group needs a group line before it; if so, that
    // line is taken as written.
    bool needsLine(const QString &group);

private:
    std::vector<int> m_frames{0};   // the blocks and branches around, innermost last, each with an id of its own
    int m_nextFrame = 1;
    QString m_group = QStringLiteral("0"); // the group the last line opened; the server starts at 0
    int m_groupFrame = 0;                  // where that line stands; -1: not known to hold
};
