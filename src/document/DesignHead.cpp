#include "document/DesignHead.h"
#include "document/FieldValue.h"
#include "document/RecordWalker.h"

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
                if (k < w.length() && FieldValue::isComputed(w.field(k)))
                    return true;
            break;
        default: break;
        }
    }
    return false;
}

QStringList withoutHead(QStringList lines)
{
    if (!lines.isEmpty() && lines.front() == Line)
        lines.removeFirst();
    return lines;
}

} // namespace DesignHead
