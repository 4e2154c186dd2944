#include "app/ProblemList.h"
#include "app/RecordWalker.h"

void ProblemList::setProblems(const QString &source, const QList<Problem> &problems)
{
    store(Group{source, {}, false, problems});
}

void ProblemList::setProblems(const QString &source, const QList<Problem> &problems, const QStringList &documentLines)
{
    store(Group{source, documentLines, true, problems});
}

void ProblemList::store(Group group)
{
    m_groups.removeIf([&](const Group &held) { return held.source == group.source; });
    if (!group.problems.isEmpty())
        m_groups.append(std::move(group));
    rebuild();
}

bool ProblemList::documentChanged(const QStringList &lines)
{
    const qsizetype dropped = m_groups.removeIf(
        [&](const Group &group) { return group.tiedToDocument && group.documentLines != lines; });
    if (dropped == 0)
        return false;
    rebuild();
    return true;
}

void ProblemList::clear()
{
    m_groups.clear();
    m_entries.clear();
}

void ProblemList::rebuild()
{
    m_entries.clear();
    for (const auto &group : m_groups)
        m_entries += group.problems;
}

QString ProblemList::entryText(const Problem &problem)
{
    return problem.line > 0 ? QStringLiteral("Line %1: %2").arg(problem.line).arg(problem.message)
                            : problem.message;
}

std::optional<int> ProblemList::selectEntryOf(const Problem &problem, const EditorState &state)
{
    const int wanted = problem.line - 1;
    if (wanted < 0)
        return std::nullopt;
    RecordWalker walker(state.DATA.lines());
    while (walker.next() && walker.line() <= wanted) {
        if (walker.item() != RecordWalker::Item::Element || wanted >= walker.line() + walker.length())
            continue;
        const qsizetype entry = state.LineList.indexOf(walker.line());
        if (entry < 0)
            return std::nullopt;
        return int(entry);
    }
    return std::nullopt;
}
