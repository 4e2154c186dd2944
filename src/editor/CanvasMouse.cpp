#include "editor/CanvasMouse.h"
#include "document/LocalMove.h"
#include "platform/NumberText.h"

#include <algorithm>

namespace CanvasMouse {

Action actionOf(const QString &text)
{
    if (text == u"Select + Drag")
        return Action::SelectAndDrag;
    if (text == u"Menu")
        return Action::Menu;
    if (text == u"Select")
        return Action::Select;
    if (text == u"Remove")
        return Action::Remove;
    if (text == u"AutoSave")
        return Action::AutoSave;
    return Action::None;
}

QPoint documentPoint(QPoint canvasPoint, int scrollX, int scrollY)
{
    return canvasPoint + QPoint(scrollX, scrollY);
}

QPoint dragPosition(QPoint canvasPointer, QPoint grabOffset)
{
    const QPoint at = canvasPointer - grabOffset;
    return QPoint(std::max(at.x(), 0), std::max(at.y(), 0));
}

namespace {

// A plain place, written as a number from 0: what most records hold, moved
// without reading the design again.
bool isPlain(const QString &text)
{
    const std::optional<int> value = NumberText::tryParse(text);
    return value && *value >= 0 && !text.trimmed().startsWith(u'-');
}

} // namespace

QString writePosition(EditorState &state, int line, QPoint documentPosition)
{
    if (isPlain(state.DATA.line(line + 1)) && isPlain(state.DATA.line(line + 2))) {
        state.DATA.setLine(line + 1, QString::number(documentPosition.x()));
        state.DATA.setLine(line + 2, QString::number(documentPosition.y()));
        state.noteChanged();
        return QString();
    }
    const LocalMove::Outcome outcome = LocalMove::moveTo(state.DATA, line, documentPosition);
    state.noteChanged();
    return LocalMove::keptMessage(outcome);
}

std::optional<QSize> bandSize(QPoint start, QPoint end)
{
    if (end.x() < start.x() || end.y() < start.y())
        return std::nullopt;
    return QSize(end.x() - start.x(), end.y() - start.y());
}

} // namespace CanvasMouse
