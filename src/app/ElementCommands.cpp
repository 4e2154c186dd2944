#include "app/ElementCommands.h"
#include "app/SelectionCommands.h"
#include "platform/NumberText.h"

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

// The selected record when it is complete and inside a page bracket.
struct Selected { int line; int length; int bracketStart; int bracketEnd; };
std::optional<Selected> selectedRecord(const EditorState &state)
{
    const Document &doc = state.DATA;
    const int at = state.SelectedLine;
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

void moveRecord(Document &doc, int from, int length, int to)
{
    QStringList &lines = doc.lines();
    const QStringList record = lines.mid(from, length);
    lines.remove(from, length);
    if (to > from)
        to -= length;
    for (int k = 0; k < length; ++k)
        lines.insert(to + k, record[k]);
}

} // namespace

void insertIntoPage(EditorState &state, const QStringList &record)
{
    int shift = 0;
    const QList<int> ends = state.DATA.pageEnds(state.Page);
    for (int end : ends)
        if (end <= state.SelectedLine)
            shift += int(record.size());
    state.DATA.appendToPage(state.Page, record);
    if (state.SelectedLine > 0)
        state.SelectedLine += shift;
}

bool addGumppic(EditorState &state, ElementDialogs &dialogs, const QString &x, const QString &y)
{
    startAdding(state);
    const auto file = pick(state, dialogs, PictureFolder, PickerMode::Picture);
    if (state.PickerCancelled)
        return false;
    insertIntoPage(state, {QStringLiteral("gumppic"), x, y, *file});
    return true;
}

bool addResizepic(EditorState &state, ElementDialogs &dialogs, const QString &x, const QString &y,
                  const QString &width, const QString &height)
{
    startAdding(state);
    const auto file = pick(state, dialogs, ResizepicFolder, PickerMode::Resizepic);
    if (state.PickerCancelled)
        return false;
    insertIntoPage(state, {QStringLiteral("resizepic"), x, y, *file, width, height});
    return true;
}

bool addButton(EditorState &state, ElementDialogs &dialogs, const QString &x, const QString &y)
{
    startAdding(state);
    const auto file = pick(state, dialogs, ButtonFolder, PickerMode::Button);
    if (state.PickerCancelled)
        return false;
    const ElementDialogs::ButtonOptions options = dialogs.askButtonOptions();
    insertIntoPage(state, {QStringLiteral("button"), x, y, *file,
                           options.closeOnClick ? QStringLiteral("1") : QStringLiteral("0"),
                           options.page,
                           options.events.isEmpty() ? QStringLiteral("0") : QStringLiteral("1"),
                           options.events});
    return true;
}

bool addText(EditorState &state, ElementDialogs &dialogs, const QString &x, const QString &y)
{
    startAdding(state);
    const int hue = dialogs.askHue();
    const QString text = dialogs.askText();
    insertIntoPage(state, {QStringLiteral("text"), x, y, QString::number(hue), text});
    return true;
}

bool remove(EditorState &state)
{
    const int at = state.SelectedLine;
    const int length = at > 0 ? state.DATA.recordLengthAt(at) : 0;
    if (length > 0)
        state.DATA.lines().remove(at, std::min(length, state.DATA.size() - at));
    SelectionCommands::clearForRemove(state);
    return true;
}

bool clone(EditorState &state, bool offset)
{
    const int at = state.SelectedLine;
    if (at <= 0 || state.DATA.kindAt(at) == ElementKind::None)
        return true;
    QStringList record = state.DATA.recordAt(at);
    if (offset) {
        // The whole copy is made before anything is inserted, so a bad number
        // never leaves half a record behind.
        record[1] = offsetText(record[1]);
        record[2] = offsetText(record[2]);
    }
    insertIntoPage(state, record);
    return true;
}

bool sendToBack(EditorState &state)
{
    if (const auto sel = selectedRecord(state))
        moveRecord(state.DATA, sel->line, sel->length, sel->bracketStart);
    SelectionCommands::clearForReorder(state);
    return true;
}

bool sendToFront(EditorState &state)
{
    if (const auto sel = selectedRecord(state))
        moveRecord(state.DATA, sel->line, sel->length, sel->bracketEnd);
    SelectionCommands::clearForReorder(state);
    return true;
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
