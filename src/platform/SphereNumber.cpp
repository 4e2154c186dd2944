#include "platform/SphereNumber.h"

namespace SphereNumber {

std::optional<int> tryParse(QStringView text)
{
    text = text.trimmed();
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    if (text.isEmpty())
        return std::nullopt;

    const bool hex = text.front() == u'0' && text.size() > 1;
    if (hex && (text[1] == u'x' || text[1] == u'X'))
        text = text.mid(2);
    while (text.size() > 1 && text.front() == u'0')
        text = text.mid(1);
    if (text.isEmpty() || text.size() > (hex ? 8 : 10))
        return std::nullopt;

    qint64 value = 0;
    for (const QChar c : text) {
        int digit = -1;
        if (c >= u'0' && c <= u'9')
            digit = c.unicode() - u'0';
        else if (hex && c >= u'a' && c <= u'f')
            digit = c.unicode() - u'a' + 10;
        else if (hex && c >= u'A' && c <= u'F')
            digit = c.unicode() - u'A' + 10;
        if (digit < 0)
            return std::nullopt;
        value = value * (hex ? 16 : 10) + digit;
    }
    if (hex)
        value = qint32(quint32(value));
    else if (value > 2147483647LL + (negative ? 1 : 0))
        return std::nullopt;
    return int(negative ? -value : value);
}

} // namespace SphereNumber
