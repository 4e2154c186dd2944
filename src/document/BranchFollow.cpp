#include "document/BranchFollow.h"

#include "document/RecordWalker.h"

#include <algorithm>
#include <vector>

namespace BranchFollow {

namespace {

// Beyond this many pairs of changed conditions in the middle of the list
// the choice there starts again from the first branches.
constexpr qsizetype MaxMatchedPairs = 1'000'000;

} // namespace

QStringList conditionsOf(const QStringList &lines)
{
    const ScriptNesting nesting = ScriptNesting::ofDesign(lines);
    QStringList openers;
    for (const ScriptNesting::Span &span : nesting.spans()) {
        if (span.block != ScriptNesting::Block::If)
            continue;
        const int text = span.open + Records::ScriptLineField;
        openers << (text >= 0 && text < lines.size() ? lines[text].trimmed() : QString());
    }
    return openers;
}

BranchChoice across(const BranchChoice &choice, const QStringList &before, const QStringList &after)
{
    // "All" and the first branches everywhere read the same whatever the order.
    if (choice.all || choice.chosen.isEmpty())
        return choice;
    const QStringList was = conditionsOf(before);
    const QStringList is = conditionsOf(after);
    if (was == is)
        return choice;
    BranchChoice carried;
    // The unchanged conditions before and after the edited stretch keep their places.
    qsizetype head = 0;
    while (head < was.size() && head < is.size() && was[head] == is[head])
        ++head;
    qsizetype tail = 0;
    while (tail < was.size() - head && tail < is.size() - head
           && was[was.size() - 1 - tail] == is[is.size() - 1 - tail])
        ++tail;
    for (qsizetype k = 0; k < head; ++k)
        carried.choose(int(k), choice.branchOf(int(k)));
    for (qsizetype k = 0; k < tail; ++k)
        carried.choose(int(is.size() - 1 - k), choice.branchOf(int(was.size() - 1 - k)));
    // Between them, the longest run of openers both hold, in order.
    const qsizetype n = was.size() - head - tail, m = is.size() - head - tail;
    if (n == 0 || m == 0 || n * m > MaxMatchedPairs)
        return carried;
    std::vector<int> longest(size_t((n + 1) * (m + 1)), 0);
    const auto at = [m](qsizetype i, qsizetype j) { return size_t(i * (m + 1) + j); };
    for (qsizetype i = n - 1; i >= 0; --i)
        for (qsizetype j = m - 1; j >= 0; --j)
            longest[at(i, j)] = was[head + i] == is[head + j] ? longest[at(i + 1, j + 1)] + 1
                                                               : std::max(longest[at(i + 1, j)], longest[at(i, j + 1)]);
    for (qsizetype i = 0, j = 0; i < n && j < m;) {
        if (was[head + i] == is[head + j]) {
            carried.choose(int(head + j), choice.branchOf(int(head + i)));
            ++i;
            ++j;
        } else if (longest[at(i + 1, j)] >= longest[at(i, j + 1)]) {
            ++i;
        } else {
            ++j;
        }
    }
    return carried;
}

} // namespace BranchFollow
