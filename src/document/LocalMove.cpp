#include "document/LocalMove.h"
#include "document/ElementRecord.h"
#include "document/FieldValue.h"
#include "platform/NumberText.h"
#include "platform/RuntimeError.h"

#include <algorithm>
#include <limits>

namespace LocalMove {

namespace {

int clampToInt(qint64 value)
{
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// From the origin: "+n" for n >= 0, "-n" below it, as the server reads both.
QString fromOrigin(qint64 offset)
{
    return offset < 0 ? QStringLiteral("-%1").arg(-offset) : QStringLiteral("+%1").arg(offset);
}

} // namespace

std::optional<QString> shifted(const QString &text, int delta)
{
    if (delta == 0)
        return text;
    const QString t = text.trimmed();
    switch (FieldValue::formOf(t)) {
    case FieldValue::Form::Number: {
        const qint64 value = NumberText::parse(t);
        // A negative number is a place from the origin: it stays one.
        if (t.startsWith(u'-'))
            return fromOrigin(value + delta);
        const qint64 moved = value + delta;
        if (moved < 0)
            return fromOrigin(moved);   // the origin is 0 without dorigin, so the place is the same
        return QString::number(clampToInt(moved));
    }
    case FieldValue::Form::Relative: {
        if (t == u"-")
            return fromOrigin(delta);
        if (t.startsWith(u'+')) {
            const std::optional<int> n = FieldValue::evaluate(t.mid(1));
            if (!n)
                return std::nullopt;
            return fromOrigin(qint64(*n) + delta);
        }
        return std::nullopt;   // "*n" moves the origin for every place after it
    }
    case FieldValue::Form::Expression:
    case FieldValue::Form::Invalid:
        break;
    }
    return std::nullopt;
}

std::optional<QPoint> placeOf(const QStringList &lines, int line)
{
    RecordWalker walker(lines);
    while (walker.next() && walker.line() <= line) {
        if (walker.line() != line || walker.item() != RecordWalker::Item::Element || Records::isScript(walker.kind()))
            continue;
        try {
            const ElementRecord record = ElementRecord::read(walker);
            return QPoint(record.x, record.y);
        } catch (const RuntimeError &) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

Outcome moveBy(Document &document, int line, QPoint delta)
{
    Outcome outcome;
    const ElementKind kind = document.kindAt(line);
    if (kind == ElementKind::None || Records::isScript(kind) || delta.isNull())
        return outcome;
    const auto moveField = [&](int field, int by, bool &kept) {
        if (by == 0)
            return;
        const QString before = document.line(line + field);
        const std::optional<QString> after = shifted(before, by);
        if (!after) {
            kept = true;
            return;
        }
        if (*after != before) {
            document.setLine(line + field, *after);
            outcome.moved = true;
        }
    };
    moveField(1, delta.x(), outcome.keptX);
    moveField(2, delta.y(), outcome.keptY);
    return outcome;
}

Outcome moveTo(Document &document, int line, QPoint position)
{
    const std::optional<QPoint> now = placeOf(document.lines(), line);
    if (!now)
        return {};
    return moveBy(document, line, position - *now);
}

QString keptMessage(const Outcome &outcome)
{
    if (!outcome.keptX && !outcome.keptY)
        return QString();
    const QString which = outcome.keptX && outcome.keptY ? QStringLiteral("X and Y are")
                          : outcome.keptX                 ? QStringLiteral("X is")
                                                          : QStringLiteral("Y is");
    return QStringLiteral("%1 computed by the server and stayed as written; edit it in the Modify panel").arg(which);
}

} // namespace LocalMove
