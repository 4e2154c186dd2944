#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QMimeData;
struct EditorState;

// Copy and paste of the selected elements. Each further paste of the same
// records lands one step further right and down, so pastes do not pile up.
class ClipboardTransfer
{
public:
    struct Copied
    {
        std::unique_ptr<QMimeData> data;   // null: nothing selected
        QString problem;                   // why the script text is missing
    };
    // Our records and, as text, their script in the export dialect.
    Copied copy(const EditorState &state, const QString &dialect);

    // Pastes our records, or script lines copied as text where the script
    // puts them. True when the document changed.
    bool paste(EditorState &state, const QMimeData *data);

    // The offset of the next paste of these records: one step more than the
    // last paste of the same records, one step after a copy or other records.
    int nextOffset(const QByteArray &records);

private:
    int m_pasteCount = 0;        // pastes of the clipboard's records so far
    QByteArray m_pastedRecords;  // which records those were
};
