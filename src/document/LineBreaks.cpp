#include "document/LineBreaks.h"

namespace LineBreaks {

bool holds(const QString &text)
{
    for (const QChar c : text)
        if (c == u'\r' || c == u'\n' || c == QChar(StoredMark))
            return true;
    return false;
}

QStringList eventLines(const QString &events)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < events.size(); ++i) {
        const QChar c = events[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines << events.mid(start, i - start);
        if (c == u'\r' && i + 1 < events.size() && events[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    lines << events.mid(start);
    return lines;
}

int misplacedIn(const RecordWalker &walker)
{
    const bool button = walker.kind() == ElementKind::Button;
    for (int k = 1; k < walker.length(); ++k)
        if (!(button && k == ButtonEventsField) && holds(walker.field(k)))
            return k;
    return -1;
}

QString problem(const RecordWalker &walker, int field)
{
    return QStringLiteral("line %1 holds a line break").arg(walker.line() + field + 1);
}

} // namespace LineBreaks
