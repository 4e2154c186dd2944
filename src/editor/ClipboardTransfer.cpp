#include "editor/ClipboardTransfer.h"
#include "document/ElementClipboard.h"
#include "platform/RuntimeError.h"
#include "sphere/ScriptPaste.h"
#include "sphere/SphereExport.h"

#include <QMimeData>

ClipboardTransfer::Copied ClipboardTransfer::copy(const EditorState &state, const QString &dialect)
{
    const QStringList records = ElementClipboard::selectedRecords(state);
    if (records.isEmpty())
        return {};
    Copied copied;
    QStringList script;
    try {
        writeSphereElementLines(records, dialect, state.AppDir, script);
    } catch (const RuntimeError &e) {
        // The records still go on the clipboard; only the script text is missing.
        script.clear();
        copied.problem = e.message();
    }
    copied.data = ElementClipboard::encode(records, script);
    m_pasteCount = 0;
    return copied;
}

bool ClipboardTransfer::paste(EditorState &state, const QMimeData *data)
{
    if (!data)
        return false;
    if (!data->hasFormat(ElementClipboard::MimeType) && data->hasText())
        return ElementClipboard::paste(state, ScriptPaste::elementRecords(data->text(), state.AppDir), 0);
    const int offset = nextOffset(data->data(ElementClipboard::MimeType));
    return ElementClipboard::paste(state, ElementClipboard::decode(*data), offset);
}

int ClipboardTransfer::nextOffset(const QByteArray &records)
{
    if (records != m_pastedRecords) {
        m_pastedRecords = records;
        m_pasteCount = 0;
    }
    ++m_pasteCount;
    return ElementClipboard::PasteStep * m_pasteCount;
}
