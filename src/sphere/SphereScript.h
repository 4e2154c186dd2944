#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// Sphere script text read as the server reads it: a line is cut at the first
// "//" and trimmed; lines empty after that count for nothing; a line whose
// first character is "[" starts a section, whose name matches in any case and
// may be followed by anything after the "]"; "[EOF]" ends the script.
namespace SphereScript {

// The line without its comment and outer white space.
QString cleanLine(QStringView raw);

// The words of a section header ("[DIALOG d_x TEXT] // menu" gives
// "DIALOG", "d_x", "TEXT"), or nothing when the cleaned line is no header.
std::optional<QStringList> headerWords(QStringView cleaned);

// Splits at white space.
QStringList words(QStringView text);
// The same, an expression "<eval 1 + 2>" one word with its blanks, as the
// server reads it once expanded.
QStringList arguments(QStringView text);

// A control or script line: its first word in lower case, its arguments after it,
// and the text after the first word as written (dtext keeps its spaces).
struct Statement
{
    QString word;
    QStringList args;
    QString rest;
};
Statement statement(QStringView cleaned);

struct Line
{
    int number = 0;   // in the file, from 1
    QString raw;      // as written
    QString text;     // cleaned, never empty
};

struct Section
{
    QStringList header;   // the header's words as written
    int headerLine = 0;   // in the file, from 1
    QList<Line> body;     // its lines that hold something
    QList<Line> comments; // its lines that hold only a comment (their text is empty)
};

// Every section of the script in file order. Lines before the first header
// belong to none; reading stops at "[EOF]".
QList<Section> sections(const QStringList &rawLines);

// The first section whose header words equal words, ignoring case.
const Section *findSection(const QList<Section> &sections, const QStringList &words);

} // namespace SphereScript
