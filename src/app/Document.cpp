#include "app/Document.h"
#include "platform/RuntimeError.h"

#include <QFile>
#include <QSaveFile>

namespace {
constexpr char16_t LineBreakMark = 0x1F;
}

void Document::setLine(int i, const QString &text)
{
    if (i >= 0 && i < m_lines.size())
        m_lines[i] = text;
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
    m_lines << Records::BeginPage << page << Records::EndPage;
    return true;
}

void Document::appendToPage(const QString &page, const QStringList &record)
{
    const QList<int> ends = pageEnds(page);
    if (ends.isEmpty()) {
        m_lines << Records::BeginPage << page << record << Records::EndPage;
        return;
    }
    // From the last bracket back, so earlier insertion points stay valid.
    for (auto it = ends.crbegin(); it != ends.crend(); ++it)
        for (int k = int(record.size()) - 1; k >= 0; --k)
            m_lines.insert(*it, record[k]);
}

QStringList Document::recordAt(int line) const
{
    const int len = recordLengthAt(line);
    QStringList rec;
    for (int k = 0; k < len; ++k)
        rec.append(this->line(line + k));
    return rec;
}

int Document::lastLocationLine() const
{
    int found = -1;
    RecordWalker w(m_lines);
    while (w.next())
        if (w.item() == RecordWalker::Item::Location)
            found = w.line();
    return found;
}

int Document::lastMiscLine() const
{
    int found = -1;
    RecordWalker w(m_lines);
    while (w.next())
        if (w.item() == RecordWalker::Item::Misc)
            found = w.line();
    return found;
}

void Document::setLocation(const QString &x, const QString &y)
{
    const int at = lastLocationLine();
    if (at < 0) {
        m_lines << Records::Location << x << y;
        return;
    }
    setLine(at + 1, x);
    setLine(at + 2, y);
}

void Document::setWindowFlags(bool noClose, bool noMove)
{
    const QString closeText = noClose ? QStringLiteral("1") : QStringLiteral("0");
    const QString moveText = noMove ? QStringLiteral("1") : QStringLiteral("0");
    const int at = lastMiscLine();
    if (at < 0) {
        m_lines << Records::Misc << closeText << moveText;
        return;
    }
    setLine(at + 1, closeText);
    setLine(at + 2, moveText);
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
    QStringList lines;
    const QString text = QString::fromLatin1(bytes);
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    for (QString &l : lines)
        if (l.contains(QChar(LineBreakMark)))
            l.replace(QChar(LineBreakMark), QStringLiteral("\r\n"));
    return lines;
}

QByteArray Document::projectText(const QStringList &lines)
{
    QByteArray out;
    out.reserve(lines.size() * 8);
    for (const QString &line : lines) {
        if (line.contains(u'\r') || line.contains(u'\n')) {
            QString l = line;
            l.replace(QStringLiteral("\r\n"), QString(QChar(LineBreakMark)));
            l.replace(u'\r', QChar(LineBreakMark));
            l.replace(u'\n', QChar(LineBreakMark));
            out += l.toLatin1();
        } else {
            out += line.toLatin1();
        }
        out += "\r\n";
    }
    return out;
}

QStringList Document::loadProjectFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw RuntimeError::cannotOpen(path);
    return parseProjectText(f.readAll());
}

void Document::saveProjectFile(const QString &path, const QStringList &lines)
{
    const QByteArray bytes = projectText(lines);
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        throw RuntimeError::cannotCreate(path);
    if (out.write(bytes) != bytes.size() || !out.commit())
        throw RuntimeError::unableToWrite(path);
}
