#include "document/ProblemList.h"
#include "document/ElementRecord.h"
#include "document/RecordWalker.h"
#include "platform/RuntimeError.h"

#include <QRegularExpression>

#include <algorithm>

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

std::optional<ProblemList::Place> ProblemList::placeOf(const Problem &problem, const QStringList &lines)
{
    const int wanted = problem.line - 1;
    if (wanted < 0)
        return std::nullopt;
    RecordWalker walker(lines);
    while (walker.next() && walker.line() <= wanted) {
        if (wanted >= walker.line() + std::max(1, walker.length()))
            continue;
        if (walker.item() == RecordWalker::Item::PageOpen)
            return Place{walker.field(1), 0, QString()};
        if (walker.item() != RecordWalker::Item::Element)
            return std::nullopt;
        // Named as the render lists it; a record it cannot read by its fields as they stand.
        ElementRecord record;
        try {
            record = ElementRecord::read(walker);
        } catch (const RuntimeError &) {
            record = ElementRecord::fields(walker);
        }
        return Place{walker.page(), walker.line(), record.selectEntry()};
    }
    return std::nullopt;
}

namespace {

// The check and the render start their messages with the kind ("button: ",
// "gumppic at line 7 "), which the element's name already says.
QString withoutKind(const QString &message, const QString &word)
{
    if (word.isEmpty())
        return message;
    if (message.startsWith(word + QStringLiteral(": ")))
        return message.mid(word.size() + 2);
    static const QRegularExpression atLine(QStringLiteral("^\\S+ at line \\d+ "));
    if (message.startsWith(word + u' '))
        if (const auto m = atLine.match(message); m.hasMatch())
            return message.mid(m.capturedLength());
    return message;
}

} // namespace

QString ProblemList::entryText(const Problem &problem, const QStringList &lines)
{
    const std::optional<Place> place = placeOf(problem, lines);
    if (!place)
        return problem.message;
    if (place->elementLine == 0)
        return QStringLiteral("Page %1: %2").arg(place->page, withoutKind(problem.message, QStringLiteral("page")));
    const QString word = lines.value(place->elementLine);
    return QStringLiteral("Page %1, %2: %3").arg(place->page, place->element, withoutKind(problem.message, word));
}
