#include "document/DesignHead.h"
#include "document/FieldValue.h"
#include "document/RecordWalker.h"

namespace {

// A computed field as the import and the designer write one: a relative
// place, or an expression that is the whole field. Anything else with a "<"
// is a broken record every version reads alike.
bool writtenComputed(const QString &field)
{
    using Form = FieldValue::Form;
    const Form form = FieldValue::formOf(field);
    return form == Form::Relative || (form == Form::Expression && field.startsWith(u'<') && field.endsWith(u'>'));
}

} // namespace

namespace DesignHead {

bool needed(const QStringList &lines)
{
    RecordWalker w(lines);
    while (w.next()) {
        switch (w.item()) {
        case RecordWalker::Item::KeptText:
        case RecordWalker::Item::KeptBlock: return true;
        case RecordWalker::Item::Element:
            if (Records::isScript(w.kind()))
                return true;
            for (const int k : Records::numberFieldsOf(w.kind()))
                if (k < w.length() && writtenComputed(w.field(k)))
                    return true;
            break;
        default: break;
        }
    }
    return false;
}

bool needsUtf8(const QStringList &lines)
{
    for (const QString &line : lines)
        for (const QChar c : line)
            if (c.unicode() > 0xFF)
                return true;
    return false;
}

bool isHead(const QString &line)
{
    return line == Line || line == Utf8Line;
}

QStringList withoutHead(QStringList lines)
{
    if (!lines.isEmpty() && isHead(lines.front()))
        lines.removeFirst();
    return lines;
}

} // namespace DesignHead
