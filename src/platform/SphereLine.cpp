#include "platform/SphereLine.h"

namespace SphereLine {

QStringView keptPart(QStringView line)
{
    const qsizetype cut = line.indexOf(u"//");
    if (cut >= 0)
        line = line.left(cut);
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
    const qsizetype sign = (text.startsWith(u'-') || text.startsWith(u'+')) ? 1 : 0;
    if (text.size() - sign < 2 || text[sign] != u'0')
        return text;
    qsizetype firstKept = sign;
    for (qsizetype i = sign; i < text.size(); ++i) {
        if (!text[i].isDigit() || text[i].unicode() > 127)
            return text;
        if (firstKept == i && text[i] == u'0' && i + 1 < text.size())
            ++firstKept;
    }
    return text.left(sign) + text.mid(firstKept);
}

} // namespace SphereLine
