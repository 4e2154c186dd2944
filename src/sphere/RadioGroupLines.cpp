#include "sphere/RadioGroupLines.h"

#include "document/ScriptNesting.h"

#include <algorithm>

void RadioGroupLines::scriptLine(QStringView line)
{
    const ScriptNesting::Statement s = ScriptNesting::statementOf(line);
    switch (s.role) {
    case ScriptNesting::Role::Opener:
        m_frames.push_back(m_nextFrame++);
        m_choice.push_back(s.block == ScriptNesting::Block::DoRand || s.block == ScriptNesting::Block::DoSwitch);
        // A loop's next round begins with the group its last one left.
        if (s.block == ScriptNesting::Block::For || s.block == ScriptNesting::Block::While)
            m_groupFrame = -1;
        break;
    case ScriptNesting::Role::Branch:
        if (m_frames.size() > 1)
            m_frames.back() = m_nextFrame++;
        break;
    case ScriptNesting::Role::Closer:
        if (m_frames.size() > 1) {
            m_frames.pop_back();
            m_choice.pop_back();
        }
        break;
    case ScriptNesting::Role::Plain:
        break;
    }
}

bool RadioGroupLines::needsLine(const QString &group)
{
    if (inChoice()) {
        // Only one line runs: what this one opens holds for none after it.
        m_group = group;
        m_groupFrame = -1;
        return true;
    }
    const bool ran = std::find(m_frames.cbegin(), m_frames.cend(), m_groupFrame) != m_frames.cend();
    if (ran && group == m_group)
        return false;
    m_group = group;
    m_groupFrame = m_frames.back();
    return true;
}

RadioGroupLines::Around RadioGroupLines::around(const QString &group)
{
    if (!needsLine(group))
        return {};
    const QString line = QStringLiteral("group ") + group;
    if (inChoice())
        return {{QStringLiteral("BEGIN"), line}, {QStringLiteral("END")}};
    return {{line}, {}};
}
