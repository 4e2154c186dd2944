#include "document/ButtonReplies.h"
#include "document/RecordWalker.h"

#include <QSet>

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
    RecordWalker w(lines);
    while (w.next()) {
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
    int next = 0;
    for (const int line : std::as_const(toNumber)) {
        do
            ++next;
        while (kept.contains(next));
        replies.insert(line, next);
    }
    return replies;
}

} // namespace ButtonReplies
