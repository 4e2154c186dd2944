#include "checks/SphereNumber.h"

std::optional<qint64> sphereNumberValue(QStringView text)
{
    text = text.trimmed();
    bool negative = false;
    if (text.startsWith(u'-') || text.startsWith(u'+')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    if (text.isEmpty() || !text.front().isDigit())
        return std::nullopt;
    qint64 value = 0;
    if (text.front() == u'0') {
        int digits = 0;
        for (const QChar c : text) {
            const int d = c.isDigit() ? c.unicode() - u'0'
                        : (c.toLower() >= u'a' && c.toLower() <= u'f') ? c.toLower().unicode() - u'a' + 10 : -1;
            if (d < 0)
                break; // the server stops at the first non-digit ("0x10" is 0)
            if (++digits > 16)
                return std::nullopt;
            value = value * 16 + d;
        }
        if (value <= 0xFFFFFFFFLL)
            value = qint32(quint32(value));
    } else {
        for (const QChar c : text) {
            if (c == u'.')
                continue;
            if (!c.isDigit())
                break;
            value = value * 10 + (c.unicode() - u'0');
            if (value > (qint64(1) << 40))
                return std::nullopt;
        }
    }
    return negative ? -value : value;
}
