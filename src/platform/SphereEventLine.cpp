#include "platform/SphereEventLine.h"
#include "platform/SphereLine.h"
#include "platform/SphereNumber.h"

#include <QStringList>

namespace SphereEventLine {

Marker marker(QStringView cleaned)
{
    Marker found;
    QStringView rest = cleaned;
    if (!rest.startsWith(u"on", Qt::CaseInsensitive))
        return found;
    rest = rest.mid(2);
    if (rest.startsWith(u"button", Qt::CaseInsensitive))
        rest = rest.mid(6);
    const QStringView spaced = rest.trimmed();
    if (spaced.startsWith(u'='))
        rest = spaced.mid(1);
    else if (rest.isEmpty() || !rest.front().isSpace())
        return found;
    found.isMarker = true;
    // The value's parts, split at blanks and commas; one or two of them.
    const auto separates = [](QChar c) { return c.isSpace() || c == u','; };
    QStringView parts[2];
    int count = 0;
    for (qsizetype i = 0; i < rest.size();) {
        while (i < rest.size() && separates(rest[i]))
            ++i;
        const qsizetype start = i;
        while (i < rest.size() && !separates(rest[i]))
            ++i;
        if (i == start)
            continue;
        if (count == 2)
            return found;
        parts[count++] = rest.mid(start, i - start);
    }
    if (count == 0)
        return found;
    const auto low = SphereNumber::tryParse(parts[0]);
    const auto high = SphereNumber::tryParse(parts[count - 1]);
    if (low && high)
        found.range = std::pair{int(*low), int(*high)};
    return found;
}

// The server takes any word that begins with "on" ("onx=1") for a block's
// head, and its first argument, when a number, for the reply it answers.
static bool numberedOnWord(QStringView kept)
{
    if (!kept.startsWith(u"on", Qt::CaseInsensitive) || kept.startsWith(u"oname", Qt::CaseInsensitive))
        return false;
    qsizetype end = 0;
    while (end < kept.size() && !kept[end].isSpace() && kept[end] != u'=')
        ++end;
    QStringView rest = kept.mid(end).trimmed();
    if (rest.startsWith(u'='))
        rest = rest.mid(1).trimmed();
    qsizetype word = 0;
    while (word < rest.size() && !rest[word].isSpace() && rest[word] != u',')
        ++word;
    return word > 0 && SphereNumber::tryParse(rest.left(word)).has_value();
}

QString trap(QStringView line)
{
    const QStringView kept = SphereLine::keptPart(line).trimmed();
    if (SphereLine::startsSection(kept)) {
        return kept.startsWith(u"[EOF]", Qt::CaseInsensitive)
                   ? QStringLiteral("the event line \"%1\" ends the script file for the server; every later "
                                    "handler and dialog of the file is lost").arg(kept)
                   : QStringLiteral("the event line \"%1\" begins with \"[\", where the server ends the BUTTON "
                                    "section; every later handler is lost").arg(kept);
    }
    if (marker(kept).isMarker || numberedOnWord(kept))
        return QStringLiteral("the event line \"%1\" is a button marker to the server, which hands the rest of "
                              "the block to other replies").arg(kept);
    return QString();
}

} // namespace SphereEventLine
