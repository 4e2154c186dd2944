#include "document/StoredStandIn.h"

#include "document/RecordWalker.h"

namespace StoredStandIn {

namespace {
constexpr QStringView Marker = u" //standin ";
}

Parts split(QStringView field)
{
    const qsizetype at = field.lastIndexOf(Marker);
    if (at < 0)
        return {field.toString(), std::nullopt};
    const QStringView written = field.left(at);
    bool ok = false;
    const int value = field.mid(at + Marker.size()).trimmed().toInt(&ok);
    // Only an expression has a stand-in of its own; anything else stays whole.
    if (!ok || !written.contains(u'<'))
        return {field.toString(), std::nullopt};
    return {written.toString(), value};
}

QString join(const QString &written, std::optional<int> value)
{
    const QString expression = split(written).written;
    if (!value || !expression.contains(u'<'))
        return expression;
    return expression + Marker.toString() + QString::number(*value);
}

QStringList withoutStandIns(const QStringList &designLines)
{
    QStringList lines = designLines;
    RecordWalker walker(designLines);
    while (walker.next()) {
        if (walker.item() != RecordWalker::Item::Element || Records::isScript(walker.kind()))
            continue;
        for (const int k : Records::numberFieldsOf(walker.kind())) {
            const int line = walker.line() + k;
            if (k < walker.length() && line < lines.size())
                lines[line] = split(lines[line]).written;
        }
    }
    return lines;
}

} // namespace StoredStandIn
