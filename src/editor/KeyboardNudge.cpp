#include "editor/KeyboardNudge.h"
#include "document/SelectionSet.h"
#include "document/UndoSteps.h"
#include "platform/NumberText.h"

#include <algorithm>
#include <limits>

namespace KeyboardNudge {

namespace {

// A step past the integer range would write a number no one can read back.
QString steppedText(const QString &text, int step)
{
    const qint64 value = qint64(NumberText::parse(text)) + step;
    return QString::number(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

std::optional<QPoint> stepOf(int key)
{
    switch (key) {
    case Qt::Key_Left: return QPoint(-1, 0);
    case Qt::Key_Up: return QPoint(0, -1);
    case Qt::Key_Right: return QPoint(1, 0);
    case Qt::Key_Down: return QPoint(0, 1);
    default: return std::nullopt;
    }
}

bool nudge(EditorState &state, QPoint step)
{
    const int at = state.SelectedLine;
    // Without an element at the selection the lines after it are page structure.
    if (state.SelectIndex < 0 || at <= 0 || state.DATA.kindAt(at) == ElementKind::None)
        return false;
    if (step.isNull())
        return false;
    QList<int> moved;
    for (int line : SelectionSet::linesInOrder(state))
        if (state.DATA.kindAt(line) != ElementKind::None)
            moved << line;
    return recordStep<UndoSteps::Nudge>(state, [&] {
        // Every number is read before anything is written.
        QList<std::pair<int, QString>> writes;
        for (int line : moved) {
            if (step.x() != 0)
                writes.append({line + 1, steppedText(state.DATA.line(line + 1), step.x())});
            if (step.y() != 0)
                writes.append({line + 2, steppedText(state.DATA.line(line + 2), step.y())});
        }
        for (const auto &[line, text] : writes)
            state.DATA.setLine(line, text);
        return true;
    }, moved);
}

} // namespace KeyboardNudge
