#pragma once

#include "document/EditorState.h"

#include <QString>
#include <QStringList>

#include <memory>

class QMimeData;

// Copy and paste of element records: our own format carries the records as
// project file text; plain text carries the script lines of those elements.
namespace ElementClipboard {

inline const QString MimeType = QStringLiteral("application/x-quillmark-records");
// Each further paste of the same records lands this much further right and down.
constexpr int PasteStep = 10;

// The complete records of the selection, in document order, one after another.
QStringList selectedRecords(const EditorState &state);

// The clipboard contents for records: our format and the script lines (the
// caller makes them with writeSphereElementLines, which needs the button files).
std::unique_ptr<QMimeData> encode(const QStringList &records, const QStringList &scriptLines);

// The records our format holds. Anything that is not a whole element record
// is left out, so pasting can never insert page structure or half a record.
QStringList decode(const QMimeData &data);
QStringList wholeRecords(const QStringList &lines);

// Inserts the records at the end of the page in the page box, each moved by
// offset right and down, and selects them (the last primary). One undo step.
// Throws RuntimeError, changing nothing, when an X or Y is not a number.
bool paste(EditorState &state, const QStringList &records, int offset);

} // namespace ElementClipboard
