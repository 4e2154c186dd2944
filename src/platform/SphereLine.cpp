#include "platform/SphereLine.h"

#include <algorithm>

namespace SphereLine {

QStringView keptPart(QStringView line)
{
    // A plain scan: the library's substring search costs more on short lines.
    for (qsizetype i = 0; i + 1 < line.size(); ++i) {
        if (line[i] == u'/' && line[i + 1] == u'/') {
            line = line.left(i);
            break;
        }
    }
    qsizetype end = line.size();
    while (end > 0 && line[end - 1].isSpace())
        --end;
    qsizetype begin = 0;
    while (begin < end && line[begin].isSpace())
        ++begin;
    // Leading blanks stay in what the server keeps; only an all-blank line is empty.
    return begin == end ? QStringView() : line.left(end);
}

bool startsSection(QStringView line)
{
    for (const QChar c : line) {
        if (!c.isSpace())
            return c == u'[';
    }
    return false;
}

QString withoutLeadingZeros(const QString &text)
{
    const auto digitsOnly = [](QStringView digits) {
        return !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) {
            return c >= u'0' && c <= u'9';
        });
    };
    // Where the server wants a number of its own it reads "+5" as 0.
    if (text.startsWith(u'+') && digitsOnly(QStringView(text).mid(1)))
        return withoutLeadingZeros(text.mid(1));
    const qsizetype sign = text.startsWith(u'-') ? 1 : 0;
    if (!digitsOnly(QStringView(text).mid(sign)))
        return text;
    qsizetype first = sign;
    while (first + 1 < text.size() && text[first] == u'0')
        ++first;
    if (first == sign)
        return text; // shared: most numbers have no zero to drop
    return text.left(sign) + text.mid(first);
}

} // namespace SphereLine
