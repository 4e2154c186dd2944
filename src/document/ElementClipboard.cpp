#include "document/ElementClipboard.h"
#include "document/FieldValue.h"
#include "document/Document.h"
#include "document/ElementCommands.h"
#include "document/SelectionSet.h"
#include "document/UndoSteps.h"
#include "platform/NumberText.h"

#include <QMimeData>

namespace ElementClipboard {

QStringList selectedRecords(const EditorState &state)
{
    QStringList records;
    for (int line : SelectionSet::linesInOrder(state)) {
        const int length = state.DATA.recordLengthAt(line);
        if (length > 0 && line + length <= state.DATA.size())
            records += state.DATA.recordAt(line);
    }
    return records;
}

std::unique_ptr<QMimeData> encode(const QStringList &records, const QStringList &scriptLines)
{
    auto data = std::make_unique<QMimeData>();
    data->setData(MimeType, Document::projectText(records));
    data->setText(scriptLines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    return data;
}

QStringList wholeRecords(const QStringList &lines)
{
    QStringList records;
    RecordWalker w(lines);
    while (w.next())
        if (w.item() == RecordWalker::Item::Element && w.complete())
            records += lines.mid(w.line(), w.length());
    return records;
}

QStringList decode(const QMimeData &data)
{
    if (!data.hasFormat(MimeType))
        return {};
    return wholeRecords(Document::parseProjectText(data.data(MimeType)));
}

namespace {

// A place the server computes stays as written.
QString movedBy(const QString &text, int offset)
{
    return offset == 0 || FieldValue::isComputed(text) ? text
                                                        : QString::number(qint64(NumberText::parse(text)) + offset);
}

} // namespace

bool paste(EditorState &state, const QStringList &records, int offset)
{
    return recordStep<UndoSteps::PasteElements>(state, [&] {
        QList<QStringList> moved;
        RecordWalker w(records);
        while (w.next()) {
            if (w.item() != RecordWalker::Item::Element || !w.complete())
                continue;
            QStringList record = records.mid(w.line(), w.length());
            // A script line has no place to move.
            if (!Records::isScript(w.kind())) {
                record[1] = movedBy(record[1], offset);
                record[2] = movedBy(record[2], offset);
            }
            moved << record;
        }
        if (moved.isEmpty())
            return false;
        state.SelectedLine = 0;
        state.Selection.clear();
        for (const QStringList &record : moved) {
            ElementCommands::insertIntoPage(state, record);
            // The copy in the page's last bracket; the insertions after it
            // keep its line up to date through the selection.
            const int line = state.DATA.pageEnds(state.Page).constLast() - int(record.size());
            state.Selection << line;
            state.SelectedLine = line;
        }
        SelectionSet::selectLines(state, state.Selection);
        return true;
    });
}

} // namespace ElementClipboard
