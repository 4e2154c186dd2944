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
    QString value = rest.toString();
    value.replace(u',', u' ');
    const QStringList parts = value.simplified().split(u' ', Qt::SkipEmptyParts);
    if (parts.isEmpty() || parts.size() > 2)
        return found;
    const auto low = SphereNumber::tryParse(parts[0]);
    const auto high = SphereNumber::tryParse(parts.last());
    if (low && high)
        found.range = std::pair{int(*low), int(*high)};
    return found;
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
    if (marker(kept).isMarker)
        return QStringLiteral("the event line \"%1\" is a button marker to the server, which hands the rest of "
                              "the block to other replies").arg(kept);
    return QString();
}

} // namespace SphereEventLine
