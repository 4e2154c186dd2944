#pragma once

#include "document/ProblemList.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class ButtonArtMatcher;

// One line of the script the import left out or changed, and why.
struct ImportNote
{
    int line = 0;        // in the script, from 1; 0 when it names none
    QString scriptText;  // that line as written
    QString message;

    bool operator==(const ImportNote &) const = default;
};

// What an import gives: the design's lines when it succeeded, and the
// entries of the "Errors" list either way (on failure the last one says why).
// notes holds the same entries with the script lines they came from.
// The notes as problems of the open design, from the import.
QList<Problem> importProblems(const QList<ImportNote> &notes);

struct ImportResult
{
    bool imported = false;
    QStringList lines;
    QStringList errors;
    QList<ImportNote> notes;
};

// Reads one named dialog of a Sphere script into design lines: its layout
// section ("[DIALOG name]") with the location line, window flags, pages and
// the four kinds of element, the texts of "[DIALOG name TEXT]" and the button
// blocks of "[DIALOG name BUTTON]", wherever these stand in the file. What the
// design cannot hold is named in the errors, once per line.
class SphereImport
{
public:
    // Called now and then while the layout is read: lines done, lines in all.
    using Progress = std::function<void(int done, int total)>;

    // Reads the script file. Throws RuntimeError when it cannot be read or a
    // button decoder of the library cannot be used.
    static ImportResult importFile(const QString &path, const QString &dialogName, const QString &appDir,
                                   const Progress &progress = {});

    // The same on lines already read.
    static ImportResult importLines(const QStringList &fileLines, const QString &dialogName,
                                    ButtonArtMatcher &buttons, const Progress &progress = {});

    // The names of the dialogs the script defines ("[DIALOG name]", any
    // case), in file order, each once.
    static QStringList dialogNames(const QStringList &fileLines);
    // The same of a file; none when it cannot be read.
    static QStringList dialogNamesInFile(const QString &path);
    // What follows NoDialog: the names there are.
    static QString namesDefined(const QStringList &names);

    // Script files larger than this are refused instead of read.
    static constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;

    static inline const QString NoDialog = QStringLiteral("I found no dialog in file with such name");
    static inline const QString NoTextSection = QStringLiteral("Unable to find the text section");
    static inline const QString NoButtonSection = QStringLiteral("Unable to find the buttons section");
    static QString noSuchFile(const QString &path) { return QStringLiteral("No such file (%1)").arg(path); }
};
