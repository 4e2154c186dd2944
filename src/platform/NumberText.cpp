#include "platform/NumberText.h"
#include "platform/RuntimeError.h"

namespace NumberText {

namespace {

int digitValue(QChar c)
{
    if (c >= u'0' && c <= u'9') return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f') return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
    return -1;
}

std::optional<int> parseDigits(QStringView digits, int base, bool negative)
{
    if (digits.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    const qint64 limit = negative ? qint64(2147483648LL) : qint64(2147483647LL);
    for (QChar c : digits) {
        const int d = digitValue(c);
        if (d < 0 || d >= base)
            return std::nullopt;
        value = value * base + d;
        if (value > limit) {
            // Hexadecimal text may spell the full 32-bit pattern ($FFFFFFFF is -1).
            if (base == 16 && !negative && value <= 0xFFFFFFFFLL && digits.size() <= 8)
                continue;
            return std::nullopt;
        }
    }
    if (base == 16 && value > 2147483647LL && !negative)
        return int(quint32(value));
    return int(negative ? -value : value);
}

} // namespace

std::optional<int> tryParse(const QString &text)
{
    QStringView s(text);
    int i = 0;
    while (i < s.size() && s[i] == u' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) {
        negative = s[i] == u'-';
        ++i;
    }
    QStringView rest = s.mid(i);
    if (rest.startsWith(u'$'))
        return parseDigits(rest.mid(1), 16, negative);
    if (rest.size() >= 2 && rest[0] == u'0' && (rest[1] == u'x' || rest[1] == u'X'))
        return parseDigits(rest.mid(2), 16, negative);
    return parseDigits(rest, 10, negative);
}

int parse(const QString &text)
{
    if (const auto v = tryParse(text))
        return *v;
    throw RuntimeError::notAnInteger(text);
}

QString zeroBelowOne(const QString &text)
{
    return parse(text) < 1 ? QStringLiteral("0") : text;
}

int parseOr(const QString &text, int fallback)
{
    return tryParse(text).value_or(fallback);
}

std::optional<int> tryParseHex(const QString &digits)
{
    return tryParse(QStringLiteral("0x") + digits);
}

int parseHex(const QString &digits)
{
    if (const auto v = tryParseHex(digits))
        return *v;
    throw RuntimeError::notAnInteger(QStringLiteral("0x") + digits);
}

QString secondsText(qint64 milliseconds)
{
    return QString::number(double(milliseconds) * 0.001, 'g', 15);
}

} // namespace NumberText
