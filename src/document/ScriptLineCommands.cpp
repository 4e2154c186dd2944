#include "document/ScriptLineCommands.h"
#include "document/DocumentHistory.h"
#include "document/ScriptNesting.h"
#include "document/SelectionCommands.h"

#include <optional>

namespace ScriptLineCommands {

namespace {

class ScriptStep : public DocumentStep
{
public:
    ScriptStep(EditorState &s, StepRecord r, const QString &name) : DocumentStep(s, std::move(r), name) {}
};

struct Span { int line; int length; };

// The complete element records of the page bracket holding line, in order.
QList<Span> recordsAround(const Document &doc, int line)
{
    QList<Span> records;
    RecordWalker w(doc.lines());
    bool found = false;
    while (w.next()) {
        switch (w.item()) {
        case RecordWalker::Item::PageOpen:
            records.clear();
            break;
        case RecordWalker::Item::PageClose:
            if (found)
                return records;
            records.clear();
            break;
        case RecordWalker::Item::Element:
            if (w.page() == u"-1" || !w.complete())
                break;
            records << Span{w.line(), w.length()};
            found = found || w.line() == line;
            break;
        default:
            break;
        }
    }
    return {};
}

qsizetype indexOf(const QList<Span> &records, int line)
{
    for (qsizetype k = 0; k < records.size(); ++k)
        if (records[k].line == line)
            return k;
    return -1;
}

QStringList scriptRecords(const QStringList &lines)
{
    QStringList record;
    for (const QString &line : lines)
        record << Records::wordOf(ElementKind::Script) << line;
    return record;
}

void selectLine(EditorState &state, int line)
{
    state.SelectedLine = line;
    state.Selection = {line};
}

// Swaps the selected record with its neighbour by 'by' (-1 or +1).
bool swapWithNeighbour(EditorState &state, int by)
{
    const int at = state.SelectedLine;
    const QList<Span> records = recordsAround(state.DATA, at);
    const qsizetype k = indexOf(records, at);
    if (k < 0 || k + by < 0 || k + by >= records.size())
        return false;
    const Span first = by < 0 ? records[k - 1] : records[k];
    const Span second = by < 0 ? records[k] : records[k + 1];
    return recordStep<ScriptStep>(state, [&] {
        const QStringList a = state.DATA.lines().mid(first.line, first.length);
        const QStringList b = state.DATA.lines().mid(second.line, second.length);
        state.DATA.replaceLines(first.line, first.length + second.length, b + a);
        selectLine(state, by < 0 ? first.line : first.line + second.length);
        return true;
    }, by < 0 ? QStringLiteral("Move Up") : QStringLiteral("Move Down"));
}

} // namespace

QString nameOf(Form form)
{
    switch (form) {
    case Form::If: return QStringLiteral("IF … ENDIF");
    case Form::IfElse: return QStringLiteral("IF … ELSE … ENDIF");
    case Form::For: return QStringLiteral("FOR … ENDFOR");
    case Form::Local: return QStringLiteral("LOCAL assignment");
    }
    return QString();
}

QStringList linesOf(Form form)
{
    switch (form) {
    case Form::If: return {QStringLiteral("IF (<local.show>)"), QStringLiteral("ENDIF")};
    case Form::IfElse: return {QStringLiteral("IF (<local.show>)"), QStringLiteral("ELSE"), QStringLiteral("ENDIF")};
    case Form::For: return {QStringLiteral("FOR 0 4"), QStringLiteral("ENDFOR")};
    case Form::Local: return {QStringLiteral("LOCAL.value=0")};
    }
    return {};
}

bool insert(EditorState &state, Form form)
{
    const QStringList lines = linesOf(form);
    const int at = state.SelectedLine;
    const QList<Span> records = at > 0 ? recordsAround(state.DATA, at) : QList<Span>();
    const qsizetype k = indexOf(records, at);
    const bool onPage = k >= 0 && state.DATA.pageOfLine(at) == state.Page;
    return recordStep<ScriptStep>(state, [&] {
        if (!onPage) {
            state.DATA.ensurePage(state.Page);
            const QList<int> ends = state.DATA.pageEnds(state.Page);
            const int end = ends.isEmpty() ? state.DATA.size() : ends.last();
            state.DATA.replaceLines(end, 0, scriptRecords(lines));
            selectLine(state, end);
            return true;
        }
        // Around the selected record: the opener before it, the rest after.
        const Span selected = records[k];
        const QStringList before = scriptRecords(lines.mid(0, 1));
        const QStringList after = scriptRecords(lines.mid(1));
        state.DATA.replaceLines(selected.line + selected.length, 0, after);
        state.DATA.replaceLines(selected.line, 0, before);
        selectLine(state, selected.line);
        return true;
    }, QStringLiteral("Insert %1").arg(nameOf(form)));
}

bool moveUp(EditorState &state) { return swapWithNeighbour(state, -1); }
bool moveDown(EditorState &state) { return swapWithNeighbour(state, +1); }

bool moveOutOfBlock(EditorState &state)
{
    const int at = state.SelectedLine;
    const ElementKind kind = state.DATA.kindAt(at);
    if (at <= 0 || kind == ElementKind::None || Records::isScript(kind))
        return false;
    const ScriptNesting nesting = ScriptNesting::ofDesign(state.DATA.lines());
    const ScriptNesting::Place place = nesting.placeOf(at);
    if (place.span < 0)
        return false;
    const ScriptNesting::Span &block = nesting.spans()[size_t(place.span)];
    const QList<Span> records = recordsAround(state.DATA, at);
    const qsizetype k = indexOf(records, at);
    const qsizetype closer = indexOf(records, block.close);
    if (k < 0 || closer < 0 || closer <= k)
        return false;
    const Span moved = records[k];
    const Span end = records[closer];
    return recordStep<ScriptStep>(state, [&] {
        const QStringList record = state.DATA.lines().mid(moved.line, moved.length);
        const int after = end.line + end.length;
        state.DATA.replaceLines(after, 0, record);
        state.DATA.replaceLines(moved.line, moved.length, {});
        selectLine(state, after - moved.length);
        return true;
    }, QStringLiteral("Move out of %1").arg(block.word));
}

bool duplicateLine(EditorState &state)
{
    const int at = state.SelectedLine;
    if (at <= 0 || !Records::isScript(state.DATA.kindAt(at)) || state.DATA.recordLengthAt(at) != 2)
        return false;
    return recordStep<ScriptStep>(state, [&] {
        state.DATA.replaceLines(at + 2, 0, state.DATA.lines().mid(at, 2));
        selectLine(state, at + 2);
        return true;
    }, QStringLiteral("Duplicate"));
}

} // namespace ScriptLineCommands
