#include "serverworld/ServerLogNotes.h"

#include <QRegularExpression>
#include <QStringView>

namespace {

// The log line by line, each trimmed and cut to MaxLogLineLength, without a
// copy of the whole log; `read` returns false to stop.
template <typename Read>
void forEachLine(QStringView log, Read read)
{
    for (qsizetype from = 0; from <= log.size();) {
        qsizetype end = log.indexOf(u'\n', from);
        if (end < 0)
            end = log.size();
        if (!read(log.sliced(from, end - from).left(ServerPreview::MaxLogLineLength).trimmed()))
            return;
        from = end + 1;
    }
}

// What the patterns read as a blank (\s): the ASCII ones.
bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// The severity the server writes just before the bracket ("ERROR:"), or
// nothing. Read backwards rather than by a pattern, which would go over a
// long run of letters once for each of them.
QStringView severityBefore(QStringView head)
{
    if (!head.endsWith(u':'))
        return {};
    qsizetype start = head.size() - 1;
    while (start > 0 && isAsciiLetter(head[start - 1]))
        --start;
    return start < head.size() - 1 ? head.sliced(start) : QStringView();
}

} // namespace

namespace ServerPreview {

QList<ServerLogNote> logNotes(const QString &log)
{
    static const QRegularExpression at(QStringLiteral("\\(([^(),]+),\\s*(\\d+)\\)"));
    QList<ServerLogNote> notes;
    forEachLine(log, [&](QStringView line) {
        const QRegularExpressionMatch m = at.match(line);
        if (!m.hasMatch())
            return true;
        bool ok = false;
        const int scriptLine = m.capturedView(2).toInt(&ok);
        // The server writes an int: a longer number, or a bracket naming no
        // file, is no note of its.
        if (!ok)
            return true;
        ServerLogNote note;
        note.file = m.capturedView(1).trimmed().toString();
        if (note.file.isEmpty())
            return true;
        note.scriptLine = scriptLine;
        // The severity before the bracket says what kind of message it is.
        const QStringView severity = severityBefore(line.left(m.capturedStart(0)));
        const QStringView text = line.sliced(m.capturedEnd(0)).trimmed();
        if (!severity.isEmpty())
            note.text = severity.toString() + u' ';
        note.text += text;
        notes << note;
        return notes.size() < MaxLogNotes;
    });
    return notes;
}

// The first "WORD Version X…": found by the word "Version" rather than by a
// pattern, which would go over a long word once for each of its letters.
QString versionIn(const QString &log)
{
    static const QString word = QStringLiteral("Version");
    QString found;
    forEachLine(log, [&](QStringView line) {
        for (qsizetype at = line.indexOf(word); at >= 0; at = line.indexOf(word, at + 1)) {
            qsizetype before = at;
            while (before > 0 && isBlank(line[before - 1]))
                --before;
            qsizetype after = at + word.size();
            const bool blankAfter = after < line.size() && isBlank(line[after]);
            while (after < line.size() && isBlank(line[after]))
                ++after;
            if (before == at || before == 0 || !blankAfter || after == line.size())
                continue;
            while (before > 0 && !isBlank(line[before - 1]))
                --before;
            found = line.sliced(before).trimmed().toString();
            return false;
        }
        return true;
    });
    return found;
}

} // namespace ServerPreview
