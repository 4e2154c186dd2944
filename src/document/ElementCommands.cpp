#include "document/ElementCommands.h"
#include "document/FieldValue.h"
#include "document/LocalMove.h"
#include "document/SelectionCommands.h"
#include "document/SelectionSet.h"
#include "document/UndoSteps.h"
#include "platform/ArtFolders.h"
#include "platform/NumberText.h"

#include <QMap>

namespace ElementCommands {

namespace {

using PickerMode = ElementDialogs::PickerMode;

void startAdding(EditorState &state)
{
    state.PickerCancelled = false;
    state.Dragging = false;
}

std::optional<QString> pick(EditorState &state, ElementDialogs &dialogs, const QString &folder, PickerMode mode)
{
    std::optional<QString> chosen = dialogs.pickImage(state.AppDir + folder, mode);
    state.PickerCancelled = !chosen.has_value();
    return chosen;
}

// First line and one-past-last line of the page bracket holding line,
// as (line after the page number, "}EOP" line); nothing when outside a bracket.
std::optional<std::pair<int, int>> bracketAround(const Document &doc, int line)
{
    RecordWalker w(doc.lines());
    int start = -1;
    while (w.next()) {
        if (w.item() == RecordWalker::Item::PageOpen)
            start = w.line() + 2;
        else if (w.item() == RecordWalker::Item::PageClose) {
            if (start >= 0 && start <= line && line < w.line())
                return std::make_pair(start, w.line());
            start = -1;
        }
    }
    return std::nullopt;
}

// The record at line when it is complete and inside a page bracket.
struct Selected { int line; int length; int bracketStart; int bracketEnd; };
std::optional<Selected> completeRecordAt(const Document &doc, int at)
{
    const int length = doc.recordLengthAt(at);
    if (at <= 0 || length == 0 || at + length > doc.size())
        return std::nullopt;
    const auto bracket = bracketAround(doc, at);
    if (!bracket || at + length > bracket->second)
        return std::nullopt;
    return Selected{at, length, bracket->first, bracket->second};
}

QString offsetText(const QString &text)
{
    return QString::number(NumberText::parse(text) + 10);
}

// Moves the selected records of each bracket to its start (back) or end
// (front), keeping their order among themselves.
void moveSelected(EditorState &state, bool toFront)
{
    QMap<int, std::pair<int, QList<Selected>>> byBracket; // bracket start -> (end, records)
    for (int line : SelectionSet::linesInOrder(state))
        if (const auto sel = completeRecordAt(state.DATA, line)) {
            auto &bracket = byBracket[sel->bracketStart];
            bracket.first = sel->bracketEnd;
            bracket.second << *sel;
        }
    const QStringList &lines = state.DATA.lines();
    // Last bracket first, so the lines of the earlier ones stay where they are.
    for (auto it = byBracket.cend(); it != byBracket.cbegin();) {
        --it;
        const int start = it.key();
        const int end = it.value().first;
        QStringList moved, rest;
        int next = start;
        for (const Selected &sel : it.value().second) {
            rest += lines.mid(next, sel.line - next);
            moved += lines.mid(sel.line, sel.length);
            next = sel.line + sel.length;
        }
        rest += lines.mid(next, end - next);
        const QStringList middle = toFront ? rest + moved : moved + rest;
        state.DATA.replaceLines(start, middle.size(), middle);
    }
}

bool reorder(EditorState &state, bool toFront)
{
    return recordStep<UndoSteps::ReorderElements>(state, [&] {
        moveSelected(state, toFront);
        SelectionCommands::clearBasic(state);
        state.Selection.clear();
        return true;
    }, toFront);
}

} // namespace

void insertIntoPage(EditorState &state, const QStringList &record)
{
    const QList<int> ends = state.DATA.pageEnds(state.Page);
    const auto shifted = [&](int line) {
        int shift = 0;
        for (int end : ends)
            if (end <= line)
                shift += int(record.size());
        return line + shift;
    };
    state.DATA.appendToPage(state.Page, record);
    if (state.SelectedLine > 0)
        state.SelectedLine = shifted(state.SelectedLine);
    for (int &line : state.Selection)
        line = shifted(line);
}

bool addGumppic(EditorState &state, ElementDialogs &dialogs, const QString &x, const QString &y)
{
    return recordStep<UndoSteps::AddElement>(state, [&] {
        startAdding(state);
        const auto file = pick(state, dialogs, ArtFolders::Pictures, PickerMode::Picture);
        if (state.PickerCancelled)
            return false;
        insertIntoPage(state, {Records::wordOf(ElementKind::Gumppic), x, y, *file});
        return true;
    }, Records::wordOf(ElementKind::Gumppic));
}

bool addResizepic(EditorState &state, ElementDialogs &dialogs, const QString &x, const QString &y,
                  const QString &width, const QString &height, const std::function<QSize(const QString &)> &sizeOf)
{
    return recordStep<UndoSteps::AddElement>(state, [&] {
        startAdding(state);
        const auto file = pick(state, dialogs, ArtFolders::Backgrounds, PickerMode::Resizepic);
        if (state.PickerCancelled)
            return false;
        QString w = width, h = height;
        if (sizeOf && (w == u"0" || h == u"0")) {
            const QSize natural = sizeOf(*file);
            if (w == u"0" && natural.width() > 0)
                w = QString::number(natural.width());
            if (h == u"0" && natural.height() > 0)
                h = QString::number(natural.height());
        }
        insertIntoPage(state, {Records::wordOf(ElementKind::Resizepic), x, y, *file, w, h});
        return true;
    }, Records::wordOf(ElementKind::Resizepic));
}

bool addButton(EditorState &state, ElementDialogs &dialogs, const QString &x, const QString &y)
{
    return recordStep<UndoSteps::AddElement>(state, [&] {
        startAdding(state);
        const auto file = pick(state, dialogs, ArtFolders::Buttons, PickerMode::Button);
        if (state.PickerCancelled)
            return false;
        const ElementDialogs::ButtonOptions options = dialogs.askButtonOptions();
        if (options.cancelled)
            return false;
        insertIntoPage(state, {Records::wordOf(ElementKind::Button), x, y, *file,
                               options.closeOnClick ? QStringLiteral("1") : QStringLiteral("0"),
                               options.page,
                               options.events.isEmpty() ? QStringLiteral("0") : QStringLiteral("1"),
                               options.events});
        return true;
    }, Records::wordOf(ElementKind::Button));
}

bool addText(EditorState &state, ElementDialogs &dialogs, const QString &x, const QString &y)
{
    return recordStep<UndoSteps::AddElement>(state, [&] {
        startAdding(state);
        const int hue = dialogs.askHue();
        const QString text = dialogs.askText();
        insertIntoPage(state, {Records::wordOf(ElementKind::Text), x, y, QString::number(hue), text});
        return true;
    }, Records::wordOf(ElementKind::Text));
}

bool remove(EditorState &state, const QString &stepName)
{
    return recordStep<UndoSteps::RemoveElements>(state, [&] {
        const QList<int> selected = SelectionSet::linesInOrder(state);
        // From the last record up, so the lines of the earlier ones stay put.
        for (auto it = selected.crbegin(); it != selected.crend(); ++it) {
            const int length = state.DATA.recordLengthAt(*it);
            if (length > 0)
                state.DATA.replaceLines(*it, std::min(length, state.DATA.size() - *it), {});
        }
        SelectionCommands::clearBasic(state);
        state.Selection.clear();
        return true;
    }, stepName);
}

bool clone(EditorState &state, bool offset, const QString &stepName)
{
    return recordStep<UndoSteps::CloneElements>(state, [&] {
        // Every copy is made before anything is inserted, so a bad number
        // never leaves half a record or half the copies behind.
        QList<QStringList> copies;
        for (int at : SelectionSet::linesInOrder(state)) {
            if (state.DATA.kindAt(at) == ElementKind::None)
                continue;
            QStringList record = state.DATA.recordAt(at);
            // A script line has no place; a computed place moves in its own form or stays.
            if (offset && !Records::isScript(state.DATA.kindAt(at))) {
                for (int field : {1, 2})
                    record[field] = FieldValue::isComputed(record[field])
                                        ? LocalMove::shifted(record[field], 10).value_or(record[field])
                                        : offsetText(record[field]);
            }
            copies << record;
        }
        for (const QStringList &record : copies)
            insertIntoPage(state, record);
        return true;
    }, stepName);
}

bool sendToBack(EditorState &state)
{
    return reorder(state, false);
}

bool sendToFront(EditorState &state)
{
    return reorder(state, true);
}

QString eventsFromEditor(const QString &text)
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(u'\n', QStringLiteral("\r\n"));
    return out;
}

QString eventsToEditor(const QString &text)
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return out;
}

} // namespace ElementCommands
