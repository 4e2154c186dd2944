#include "document/Document.h"
#include "document/DesignHead.h"
#include "document/LineBreaks.h"
#include "platform/CappedFile.h"
#include "platform/RuntimeError.h"
#include "platform/SafeFile.h"
#include "platform/TextFile.h"

#include <QFile>

#include <algorithm>

namespace {

// Line breaks inside one document line (multi-line button events) are kept in
// the project file as the unit separator 0x1F: a file saved as plain text by
// lines can never hold it, so files without such events load unchanged.
constexpr char16_t LineBreakMark = LineBreaks::StoredMark;

// Only the events line of a button or of the close block turns 0x1F back into line breaks; in any
// other line it stays as read (and is a bad record to the export and render).
QStringList decodeLineBreaks(QStringList lines)
{
    // The walk never looks back at an events line it passed, so the lines are
    // changed in place: no copy of the whole list.
    RecordWalker w(std::as_const(lines));
    while (w.next()) {
        int events = -1;
        if (w.item() == RecordWalker::Item::Element && w.kind() == ElementKind::Button)
            events = w.line() + LineBreaks::ButtonEventsField;
        else if (w.item() == RecordWalker::Item::CloseBlock)
            events = w.line() + 1;
        else if (w.item() == RecordWalker::Item::KeptBlock)
            events = w.line() + 2;
        else
            continue;
        // A record cut short ends before its events line: that line is another item's.
        if (events < w.line() + w.length() && events < lines.size()
            && lines.at(events).contains(QChar(LineBreakMark)))
            lines[events].replace(QChar(LineBreakMark), QStringLiteral("\r\n"));
    }
    return lines;
}

// A design with letters past the 8-bit set goes out as UTF-8 behind a head
// that says so; line breaks inside a line become the mark as in 8-bit files.
QByteArray utf8ProjectText(const QStringList &lines)
{
    QByteArray out = DesignHead::Utf8Line.toLatin1() + "\r\n";
    const QString mark = QString(QChar(LineBreakMark));
    for (const QString &line : lines) {
        if (line.contains(u'\r') || line.contains(u'\n')) {
            QString marked = line;
            marked.replace(QStringLiteral("\r\n"), mark).replace(u'\r', mark).replace(u'\n', mark);
            out += marked.toUtf8();
        } else {
            out += line.toUtf8();
        }
        out += "\r\n";
    }
    return out;
}

} // namespace

void Document::setLine(int i, const QString &text)
{
    if (i >= 0 && i < m_lines.size())
        m_lines[i] = text;
}

void Document::replaceLines(int at, qsizetype count, const QStringList &with)
{
    // In place: a splice of a few lines in a large design copies no other line.
    const qsizetype common = std::min(count, with.size());
    for (qsizetype k = 0; k < common; ++k)
        m_lines[at + k] = with[k];
    if (count > common)
        m_lines.remove(at + common, count - common);
    else if (with.size() > common) {
        m_lines.insert(at + common, with.size() - common, QString());
        std::copy(with.begin() + common, with.end(), m_lines.begin() + at + common);
    }
}

QStringList Document::newDocumentLines(const QString &page)
{
    return {Records::BeginPage, page, Records::EndPage};
}

void Document::reset(const QString &page)
{
    m_lines = newDocumentLines(page);
}

QList<int> Document::pageEnds(const QString &page) const
{
    QList<int> ends;
    RecordWalker w(m_lines);
    while (w.next())
        if (w.item() == RecordWalker::Item::PageClose && w.page() == page)
            ends.append(w.line());
    return ends;
}

QList<int> Document::pageStarts(const QString &page) const
{
    QList<int> starts;
    RecordWalker w(m_lines);
    while (w.next())
        if (w.item() == RecordWalker::Item::PageOpen && w.page() == page)
            starts.append(w.line() + 2);
    return starts;
}

bool Document::hasPage(const QString &page) const
{
    RecordWalker w(m_lines);
    while (w.next())
        if (w.item() == RecordWalker::Item::PageOpen && w.line() + 1 < m_lines.size() && w.page() == page)
            return true;
    return false;
}

bool Document::ensurePage(const QString &page)
{
    if (hasPage(page))
        return false;
    appendAfterLastRecord({Records::BeginPage, page, Records::EndPage});
    return true;
}

void Document::appendToPage(const QString &page, const QStringList &record)
{
    const QList<int> ends = pageEnds(page);
    if (ends.isEmpty()) {
        appendAfterLastRecord(QStringList{Records::BeginPage, page} + record + QStringList{Records::EndPage});
        return;
    }
    // From the last bracket back, so earlier insertion points stay valid.
    for (auto it = ends.crbegin(); it != ends.crend(); ++it)
        for (int k = int(record.size()) - 1; k >= 0; --k)
            m_lines.insert(*it, record[k]);
}

int Document::recordLengthAt(int line) const
{
    return kindAt(line) == ElementKind::None ? 0 : RecordWalker::lengthAt(m_lines, line);
}

QStringList Document::recordAt(int line) const
{
    const int present = recordLengthAt(line);
    QStringList rec;
    for (int k = 0; k < Records::lengthOf(kindAt(line)); ++k)
        rec.append(k < present ? this->line(line + k) : QString());
    return rec;
}

int Document::lastLineOf(RecordWalker::Item item) const
{
    int found = -1;
    RecordWalker w(m_lines);
    while (w.next())
        if (w.item() == item)
            found = w.line();
    return found;
}

int Document::noDisposeLine() const
{
    RecordWalker w(m_lines);
    while (w.next()) {
        if (w.item() == RecordWalker::Item::Other && m_lines[w.line()] == Records::NoDispose)
            return w.line();
    }
    return -1;
}

int Document::lastLocationLine() const
{
    return lastLineOf(RecordWalker::Item::Location);
}

int Document::lastMiscLine() const
{
    return lastLineOf(RecordWalker::Item::Misc);
}

int Document::lastCloseBlockLine() const
{
    return lastLineOf(RecordWalker::Item::CloseBlock);
}

QString Document::closeBlock() const
{
    const int at = lastCloseBlockLine();
    return at < 0 ? QString() : line(at + 1);
}

void Document::setCloseBlock(const QString &events)
{
    const int at = lastCloseBlockLine();
    if (at >= 0) {
        while (m_lines.size() < at + Records::CloseBlockLength)
            m_lines.append(QString());
        m_lines[at + 1] = events;
        return;
    }
    appendAfterLastRecord({Records::CloseBlock, events});
}

void Document::appendAfterLastRecord(const QStringList &record)
{
    // A record cut off at the end of the file would take the new lines in
    // as its text or file name: it gets its missing fields first.
    RecordWalker w(m_lines);
    int lastEnd = 0;
    while (w.next())
        lastEnd = w.line() + w.length();
    while (m_lines.size() < lastEnd)
        m_lines.append(QString());
    m_lines << record;
}

void Document::setRecordFields(int at, const QString &word, const QString &first, const QString &second)
{
    if (at < 0) {
        appendAfterLastRecord({word, first, second});
        return;
    }
    // A record cut short by the structure line after it gets its missing
    // fields put in before that line, never over it; one cut off at the end
    // of a hand-edited file gets them appended.
    for (int k = RecordWalker::lengthAt(m_lines, at); k < 3 && at + k < m_lines.size(); ++k)
        m_lines.insert(at + k, QString());
    while (m_lines.size() < at + 3)
        m_lines.append(QString());
    m_lines[at + 1] = first;
    m_lines[at + 2] = second;
}

void Document::setLocation(const QString &x, const QString &y)
{
    setRecordFields(lastLocationLine(), Records::Location, x, y);
}

void Document::setWindowFlags(bool noClose, bool noMove)
{
    setRecordFields(lastMiscLine(), Records::Misc,
                    noClose ? QStringLiteral("1") : QStringLiteral("0"),
                    noMove ? QStringLiteral("1") : QStringLiteral("0"));
}

QString Document::pageOfLine(int line) const
{
    RecordWalker w(m_lines);
    while (w.next()) {
        if (w.line() <= line && line < w.line() + w.length())
            return w.page();
        if (w.line() > line)
            break;
    }
    return QStringLiteral("-1");
}

QStringList Document::parseProjectText(const QByteArray &bytes)
{
    const QByteArray utf8Head = DesignHead::Utf8Line.toLatin1();
    const bool utf8 = bytes.startsWith(utf8Head)
                      && (bytes.size() == utf8Head.size() || bytes[utf8Head.size()] == '\r' || bytes[utf8Head.size()] == '\n');
    return decodeLineBreaks(DesignHead::withoutHead(utf8 ? TextFile::splitUtf8Lines(bytes) : TextFile::splitLines(bytes)));
}

QString Document::unstorableCharacters(const QString &text)
{
    QString unstorable;
    for (const QChar c : text)
        if (c.unicode() > 0xFF && !unstorable.contains(c) && unstorable.size() < 16)
            unstorable += c;
    return unstorable;
}

QByteArray Document::projectText(const QStringList &lines)
{
    // A first line that reads as a head gets one written before it, so that
    // reading drops the written head and keeps it.
    const bool headFirst = !lines.isEmpty() && DesignHead::isHead(lines.front());
    const QByteArray head =
        DesignHead::needed(lines) || headFirst ? DesignHead::Line.toLatin1() + "\r\n" : QByteArray();
    qsizetype total = head.size();
    for (const QString &line : lines)
        total += line.size() + 2;
    // One buffer written in place: no byte array per line.
    QByteArray out(total, Qt::Uninitialized);
    char *to = out.data();
    to = std::copy(head.begin(), head.end(), to);
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        const QChar *from = line.constData();
        const qsizetype n = line.size();
        for (qsizetype k = 0; k < n; ++k) {
            const char16_t c = from[k].unicode();
            if (c > 0xFF) {
                // Found while writing 8-bit text, so the usual design costs no extra pass.
                return utf8ProjectText(lines);
            } else if (c == u'\r' || c == u'\n') {
                // CR LF, a lone CR and a lone LF each become one mark.
                *to++ = char(LineBreakMark);
                if (c == u'\r' && k + 1 < n && from[k + 1] == u'\n')
                    ++k;
            } else {
                *to++ = char(c);
            }
        }
        *to++ = '\r';
        *to++ = '\n';
    }
    out.truncate(to - out.constData());
    return out;
}

QStringList Document::loadProjectFile(const QString &path)
{
    return parseProjectText(CappedFile::readOrThrow(path));
}

void Document::saveProjectFile(const QString &path, const QStringList &lines)
{
    SafeFile::write(path, projectText(lines));
}
