#pragma once

#include "document/Document.h"
#include "sphere/SphereDialect.h"

#include <QString>
#include <QStringList>
#include <optional>

// The script's lines as bytes, each ended by endOfLine. Throws RuntimeError
// naming the letters 8-bit text cannot carry, rather than writing "?".
QByteArray encodeScript(const QStringList &lines, SphereDialect::Encoding encoding, const QByteArray &endOfLine);

// What the export needs from the user before it writes: the windows answer
// it in the designer, command-line options in quillmark-script, fakes in tests.
class ExportHost {
public:
    virtual ~ExportHost() = default;
    virtual void runLocationCommand() = 0;               // Location window, then set/append the LOCATION record (Document::setLocation) and redraw
    virtual void runMiscCommand() = 0;                    // Misc window, then set/append the MISC record (Document::setWindowFlags) and redraw
    virtual std::optional<QString> askDialogName() = 0;  // input box caption "Dialog", prompt "Enter Gump Name/Number:", initially empty; nullopt = cancelled
};

// Runs the whole export. memo is the result window's text (TForm8.Memo1): left untouched when the name prompt
// is cancelled (returns false), cleared at preparation step 5 and filled line by line. A missing decoder file or a
// non-hex number throws RuntimeError with the runtime message, leaving the lines written so far in memo.
// Runs the Location command when the document has no location record, and in dialect "55i - 99g" the Misc
// command when it has no window flags record; those records stay even when the name prompt is cancelled.
bool runSphereExport(Document &doc, const QString &dialect, const QString &appDir, ExportHost &host, QStringList &memo);

// The writing part alone: appends the script of the lines to out (which the caller has emptied).
// appDir is the data directory holding DATA/buttons/ with the ".CS" button decoder files.
void writeSphereScript(const QStringList &lines, const QString &dialect, const QString &name,
                       const QString &appDir, QStringList &out);

// The lines of the element records alone, as the export writes them, with
// texts inline ("dtext x y hue text") so they stand on their own in a script.
// Throws RuntimeError like the export when a button's decoder file is missing.
void writeSphereElementLines(const QStringList &records, const QString &dialect, const QString &appDir,
                             QStringList &out);
