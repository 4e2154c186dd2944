#include "document/BranchChoice.h"

void BranchChoice::choose(int condition, int branch)
{
    if (condition < 0)
        return;
    while (chosen.size() <= condition)
        chosen << 0;
    chosen[condition] = std::max(branch, 0);
    while (!chosen.isEmpty() && chosen.last() == 0)
        chosen.removeLast();
}

std::optional<BranchChoice> BranchChoice::parse(const QString &text)
{
    const QString t = text.trimmed();
    BranchChoice choice;
    if (t.compare(u"all", Qt::CaseInsensitive) == 0) {
        choice.all = true;
        return choice;
    }
    if (t.isEmpty() || t.compare(u"first", Qt::CaseInsensitive) == 0)
        return choice;
    const QStringList parts = t.split(u',');
    // A branch list longer than any dialog has conditions is a mistake, not a design.
    if (parts.size() > 10000)
        return std::nullopt;
    for (qsizetype k = 0; k < parts.size(); ++k) {
        bool ok = false;
        const int branch = parts[k].trimmed().toInt(&ok);
        if (!ok || branch < 0 || branch > 1000)
            return std::nullopt;
        choice.choose(int(k), branch);
    }
    return choice;
}

QString BranchChoice::text() const
{
    if (all)
        return QStringLiteral("all");
    if (chosen.isEmpty())
        return QStringLiteral("first");
    QStringList parts;
    for (int branch : chosen)
        parts << QString::number(branch);
    return parts.join(u',');
}

LogicView::LogicView(const QStringList &lines, const BranchChoice &choice)
    : m_nesting(ScriptNesting::ofDesign(lines)), m_choice(choice)
{
    const auto &spans = m_nesting.spans();
    m_ifOrder.assign(spans.size(), -1);
    for (size_t s = 0; s < spans.size(); ++s) {
        if (spans[s].block != ScriptNesting::Block::If)
            continue;
        m_ifOrder[s] = int(m_ifSpans.size());
        m_ifSpans.push_back(int(s));
    }
}

bool LogicView::hidden(int line) const
{
    if (m_choice.all)
        return false;
    const auto &spans = m_nesting.spans();
    ScriptNesting::Place place = m_nesting.placeOf(line);
    // Outward through the blocks around the line; each holds the next by its opener's place.
    for (int guard = 0; place.span >= 0 && place.span < int(spans.size()) && guard <= int(spans.size()); ++guard) {
        const int condition = m_ifOrder[size_t(place.span)];
        if (condition >= 0 && place.branch != m_choice.branchOf(condition))
            return true;
        place = m_nesting.placeOf(spans[size_t(place.span)].open);
    }
    return false;
}

int LogicView::conditionAt(int line) const
{
    const auto &spans = m_nesting.spans();
    for (int condition = 0; condition < conditions(); ++condition) {
        const ScriptNesting::Span &span = spans[size_t(m_ifSpans[size_t(condition)])];
        if (span.open == line || span.close == line || span.branches.contains(line))
            return condition;
    }
    return -1;
}

int LogicView::conditionAround(int line) const
{
    if (const int at = conditionAt(line); at >= 0)
        return at;
    const auto &spans = m_nesting.spans();
    ScriptNesting::Place place = m_nesting.placeOf(line);
    for (int guard = 0; place.span >= 0 && place.span < int(spans.size()) && guard <= int(spans.size()); ++guard) {
        if (const int condition = m_ifOrder[size_t(place.span)]; condition >= 0)
            return condition;
        place = m_nesting.placeOf(spans[size_t(place.span)].open);
    }
    return -1;
}

int LogicView::branchCount(int condition) const
{
    if (condition < 0 || condition >= conditions())
        return 0;
    return int(m_nesting.spans()[size_t(m_ifSpans[size_t(condition)])].branches.size()) + 1;
}
