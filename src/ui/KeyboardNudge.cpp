#include "ui/KeyboardNudge.h"
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
    const int xLine = at + 1, yLine = at + 2;
    // Both numbers are read before anything is written.
    const QString x = step.x() != 0 ? steppedText(state.DATA.line(xLine), step.x()) : QString();
    const QString y = step.y() != 0 ? steppedText(state.DATA.line(yLine), step.y()) : QString();
    if (step.x() != 0)
        state.DATA.setLine(xLine, x);
    if (step.y() != 0)
        state.DATA.setLine(yLine, y);
    return step.x() != 0 || step.y() != 0;
}

} // namespace KeyboardNudge
