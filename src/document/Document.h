#pragma once

#include "document/RecordWalker.h"

#include <QString>
#include <QStringList>
#include <QList>

// The open design: an ordered list of text lines (page brackets, element
// records, a location and a window flags record). Commands edit the lines in
// place; the scans here are the shared ones every command uses.
class Document
{
public:
    Document() = default;
    explicit Document(QStringList lines) : m_lines(std::move(lines)) {}

    // Read-only: the lines change only through the edits below, which the
    // undo steps watch, so no change escapes the history.
    const QStringList &lines() const { return m_lines; }
    int size() const { return int(m_lines.size()); }
    QString line(int i) const { return i >= 0 && i < m_lines.size() ? m_lines[i] : QString(); }
    void setLine(int i, const QString &text);
    // The whole document becomes lines (open, import, a step put back).
    void replaceAll(QStringList lines) { m_lines = std::move(lines); }
    // From line at, count lines become with (an undo step's splice).
    void replaceLines(int at, qsizetype count, const QStringList &with);

    // "{BOP", page, "}EOP".
    static QStringList newDocumentLines(const QString &page);
    void reset(const QString &page);

    // Lines of every "}EOP" that closes a bracket of the page (compared as text).
    QList<int> pageEnds(const QString &page) const;
    // Line after the page number line of each bracket of the page.
    QList<int> pageStarts(const QString &page) const;
    bool hasPage(const QString &page) const;
    // Appends "{BOP", page, "}EOP" when the page has no bracket; true if added.
    // A record the lines end inside of gets its missing fields first.
    bool ensurePage(const QString &page);

    // Inserts the record before the "}EOP" of every bracket of the page, or
    // appends a new bracket holding it at the end when the page has none.
    void appendToPage(const QString &page, const QStringList &record);

    // Kind and length of the record starting at line (None / 0 for other
    // lines); a record cut short by a structure line ends before it.
    ElementKind kindAt(int line) const { return Records::kindOfWord(this->line(line)); }
    int recordLengthAt(int line) const;
    // The record's lines, always as many as its kind has: those missing
    // (cut short, or past the end) are empty.
    QStringList recordAt(int line) const;

    // The line of the "NODISPOSE" mark outside every record, -1 without one.
    int noDisposeLine() const;

    // Last "LOCATION", "MISC" and "CLOSEBLOCK" record lines, -1 when there is none.
    int lastLocationLine() const;
    int lastMiscLine() const;
    int lastCloseBlockLine() const;
    // The lines of the last close block, joined by CR LF; empty without one.
    QString closeBlock() const;
    // Writes the events into the last close block, or appends "CLOSEBLOCK", events.
    void setCloseBlock(const QString &events);

    // Writes X and Y into the last location record, or appends "LOCATION", x, y.
    void setLocation(const QString &x, const QString &y);
    // Writes the flags into the last window flags record, or appends "MISC", noClose, noMove.
    void setWindowFlags(bool noClose, bool noMove);

    // The page whose bracket holds the line ("-1" when in none).
    QString pageOfLine(int line) const;

    // Project files: one line per document line, CR LF after each.
    // Line breaks inside a line (multi-line button events) are stored as the
    // unit separator 0x1F, which no project file written as plain text holds.
    static QStringList loadProjectFile(const QString &path);      // throws RuntimeError
    static void saveProjectFile(const QString &path, const QStringList &lines); // throws RuntimeError
    static QStringList parseProjectText(const QByteArray &bytes);
    // 8-bit text, or UTF-8 behind its own head when a line holds a letter past the 8-bit set.
    static QByteArray projectText(const QStringList &lines);
    // The distinct characters of text outside the 8-bit set, at most 16: an
    // old shard's 8-bit script cannot carry them.
    static QString unstorableCharacters(const QString &text);

private:
    int lastLineOf(RecordWalker::Item item) const;
    void appendAfterLastRecord(const QStringList &record);
    // Writes the two fields of the record at line at, or appends word and fields when at is -1.
    void setRecordFields(int at, const QString &word, const QString &first, const QString &second);

    QStringList m_lines;
};
