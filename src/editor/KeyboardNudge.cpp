#include "editor/KeyboardNudge.h"
#include "document/FieldValue.h"
#include "document/LocalMove.h"
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

bool nudge(EditorState &state, QPoint step, QString *kept)
{
    if (kept)
        kept->clear();
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
        const auto stepped = [&](int line, int by, bool &kept) {
            const QString text = state.DATA.line(line);
            const bool fromOrigin = NumberText::tryParse(text) && text.trimmed().startsWith(u'-');
            // Neither a number nor computed: the plain step names the fault.
            if (!fromOrigin && !FieldValue::isComputed(text)) {
                writes.append({line, steppedText(text, by)});
            } else if (const std::optional<QString> moved = LocalMove::shifted(text, by)) {
                writes.append({line, *moved});
            } else {
                kept = true;   // computed by the server: stays as written
            }
        };
        LocalMove::Outcome outcome;
        for (int line : moved) {
            if (Records::isScript(state.DATA.kindAt(line)))
                continue;
            if (step.x() != 0)
                stepped(line + 1, step.x(), outcome.keptX);
            if (step.y() != 0)
                stepped(line + 2, step.y(), outcome.keptY);
        }
        for (const auto &[line, text] : writes)
            state.DATA.setLine(line, text);
        if (kept)
            *kept = LocalMove::keptMessage(outcome);
        return true;
    }, moved);
}

} // namespace KeyboardNudge
