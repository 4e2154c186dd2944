#include "sphere/SphereScript.h"
#include "platform/SphereLine.h"

namespace SphereScript {

QString cleanLine(QStringView raw)
{
    return SphereLine::keptPart(raw).trimmed().toString();
}

namespace {

// As cleanLine, sharing the raw line's text when cleaning leaves it whole.
QString cleanShared(const QString &raw)
{
    const QStringView cleaned = SphereLine::keptPart(raw).trimmed();
    return cleaned.size() == raw.size() ? raw : cleaned.toString();
}

} // namespace

QStringList words(QStringView text)
{
    QStringList out;
    out.reserve(8); // a layout line's word and values, without growing
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        while (i < n && text[i].isSpace())
            ++i;
        const qsizetype start = i;
        while (i < n && !text[i].isSpace())
            ++i;
        if (i > start)
            out << text.mid(start, i - start).toString();
    }
    return out;
}

QStringList arguments(QStringView text)
{
    QStringList out;
    out.reserve(8);
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        while (i < n && text[i].isSpace())
            ++i;
        const qsizetype start = i;
        int depth = 0;
        while (i < n && (depth > 0 || !text[i].isSpace())) {
            if (text[i] == u'<')
                ++depth;
            else if (text[i] == u'>' && depth > 0)
                --depth;
            ++i;
        }
        if (i > start)
            out << text.mid(start, i - start).toString();
    }
    return out;
}

std::optional<QStringList> headerWords(QStringView cleaned)
{
    if (!cleaned.startsWith(u'['))
        return std::nullopt;
    qsizetype close = cleaned.indexOf(u']');
    if (close < 0)
        close = cleaned.size();
    return words(cleaned.mid(1, close - 1));
}

Statement statement(QStringView cleaned)
{
    Statement s;
    qsizetype end = 0;
    while (end < cleaned.size() && !cleaned[end].isSpace())
        ++end;
    s.word = cleaned.left(end).toString().toLower();
    const QStringView rest = cleaned.mid(end).trimmed();
    s.rest = rest.toString();
    s.args = arguments(rest);
    return s;
}

QList<Section> sections(const QStringList &rawLines)
{
    QList<Section> out;
    for (int i = 0; i < rawLines.size(); ++i) {
        const QString text = cleanShared(rawLines[i]);
        if (text.isEmpty()) {
            // A comment of its own: the server skips it, the import keeps it in its place.
            if (!out.isEmpty() && !rawLines[i].trimmed().isEmpty())
                out.last().comments.append(Line{i + 1, rawLines[i], QString()});
            continue;
        }
        if (std::optional<QStringList> header = headerWords(text)) {
            if (header->size() == 1 && header->first().compare(u"EOF", Qt::CaseInsensitive) == 0)
                break;
            out.append(Section{*header, i + 1, {}, {}});
        } else if (!out.isEmpty()) {
            out.last().body.append(Line{i + 1, rawLines[i], text});
        }
    }
    return out;
}

const Section *findSection(const QList<Section> &sections, const QStringList &words)
{
    for (const Section &s : sections) {
        if (s.header.size() != words.size())
            continue;
        bool same = true;
        for (qsizetype k = 0; k < words.size() && same; ++k)
            same = s.header[k].compare(words[k], Qt::CaseInsensitive) == 0;
        if (same)
            return &s;
    }
    return nullptr;
}

} // namespace SphereScript
