#include "document/ButtonReplies.h"
#include "document/RecordWalker.h"
#include "platform/SphereEventLine.h"

#include <QSet>

#include <limits>

namespace ButtonReplies {

Flag parseFlag(const QString &field)
{
    Flag flag;
    const qsizetype space = field.indexOf(u' ');
    flag.events = (space < 0 ? field : field.left(space)) == u"1";
    if (space >= 0) {
        bool ok = false;
        const int reply = field.mid(space + 1).toInt(&ok);
        if (ok && reply > 0)
            flag.kept = reply;
    }
    return flag;
}

QString flagText(const Flag &flag)
{
    const QString events = flag.events ? QStringLiteral("1") : QStringLiteral("0");
    return flag.kept ? events + u' ' + QString::number(*flag.kept) : events;
}

QString withEvents(const QString &field, bool events)
{
    Flag flag = parseFlag(field);
    flag.events = events;
    return flagText(flag);
}

QHash<int, int> numbered(const QStringList &lines)
{
    QHash<int, int> replies;
    QSet<int> kept;
    QList<int> toNumber;
    // Replies a kept block answers ("ON=100 199" for buttons a loop makes):
    // a designer's button numbered into one would run that block.
    QList<std::pair<int, int>> blockRanges;
    RecordWalker w(lines);
    while (w.next()) {
        if (w.item() == RecordWalker::Item::KeptBlock) {
            const QString marker = w.field(1).section(QStringLiteral("//"), 0, 0).trimmed();
            if (const auto range = SphereEventLine::marker(marker).range)
                blockRanges << *range;
            continue;
        }
        if (w.item() != RecordWalker::Item::Element || w.kind() != ElementKind::Button)
            continue;
        const Flag flag = parseFlag(w.field(6));
        if (flag.kept) {
            replies.insert(w.line(), *flag.kept);
            kept.insert(*flag.kept);
        } else if (flag.events) {
            toNumber << w.line();
        }
    }
    const auto taken = [&](int reply) -> int {
        // The first number past the range holding reply, or reply when free.
        for (const auto &[low, high] : std::as_const(blockRanges))
            if (low <= reply && reply <= high)
                return high < std::numeric_limits<int>::max() ? high + 1 : reply;
        return kept.contains(reply) ? reply + 1 : reply;
    };
    int next = 0;
    for (const int line : std::as_const(toNumber)) {
        int free = next + 1;
        for (int moved = taken(free); moved != free; moved = taken(free))
            free = moved;
        next = free;
        replies.insert(line, next);
    }
    return replies;
}

} // namespace ButtonReplies
