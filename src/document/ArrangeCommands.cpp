#include "document/ArrangeCommands.h"
#include "document/UndoSteps.h"

#include <algorithm>
#include <numeric>

namespace ArrangeCommands {

using A = Arrangement;

QString nameOf(Arrangement a)
{
    switch (a) {
    case A::AlignLeft: return QStringLiteral("Align Left");
    case A::AlignCentre: return QStringLiteral("Align Centre");
    case A::AlignRight: return QStringLiteral("Align Right");
    case A::AlignTop: return QStringLiteral("Align Top");
    case A::AlignMiddle: return QStringLiteral("Align Middle");
    case A::AlignBottom: return QStringLiteral("Align Bottom");
    case A::DistributeHorizontally: return QStringLiteral("Distribute Horizontally");
    case A::DistributeVertically: return QStringLiteral("Distribute Vertically");
    case A::SameWidth: return QStringLiteral("Same Width");
    case A::SameHeight: return QStringLiteral("Same Height");
    }
    return {};
}

namespace {

// Centres spaced evenly between the first and last centre along one axis.
void distribute(QList<QRect> &boxes, bool horizontal)
{
    if (boxes.size() < 3)
        return;
    const auto centre = [&](const QRect &r) { return horizontal ? r.left() * 2 + r.width() : r.top() * 2 + r.height(); };
    QList<int> order(boxes.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return centre(boxes[a]) < centre(boxes[b]); });
    // Doubled centres keep halves exact; the result is rounded once.
    const qint64 first = centre(boxes[order.first()]);
    const qint64 last = centre(boxes[order.last()]);
    const qsizetype gaps = order.size() - 1;
    for (qsizetype k = 1; k < gaps; ++k) {
        QRect &r = boxes[order[k]];
        const qint64 target = first + (last - first) * k / gaps; // doubled centre
        const int size = horizontal ? r.width() : r.height();
        const int start = int((target - size) / 2);
        if (horizontal)
            r.moveLeft(start);
        else
            r.moveTop(start);
    }
}

} // namespace

QList<QRect> arranged(const QList<QRect> &boxes, Arrangement a)
{
    QList<QRect> out = boxes;
    if (boxes.isEmpty())
        return out;
    QRect bounds = boxes.first();
    for (const QRect &r : boxes)
        bounds = bounds.united(r);
    const QRect primary = boxes.last();
    for (QRect &r : out) {
        switch (a) {
        case A::AlignLeft: r.moveLeft(bounds.left()); break;
        case A::AlignRight: r.moveLeft(bounds.left() + bounds.width() - r.width()); break;
        case A::AlignCentre: r.moveLeft(bounds.left() + (bounds.width() - r.width()) / 2); break;
        case A::AlignTop: r.moveTop(bounds.top()); break;
        case A::AlignBottom: r.moveTop(bounds.top() + bounds.height() - r.height()); break;
        case A::AlignMiddle: r.moveTop(bounds.top() + (bounds.height() - r.height()) / 2); break;
        case A::SameWidth: r.setWidth(primary.width()); break;
        case A::SameHeight: r.setHeight(primary.height()); break;
        case A::DistributeHorizontally:
        case A::DistributeVertically: break;
        }
    }
    if (a == A::DistributeHorizontally || a == A::DistributeVertically)
        distribute(out, a == A::DistributeHorizontally);
    return out;
}

bool arrange(EditorState &state, const QList<Placed> &placed, Arrangement a)
{
    QList<QRect> boxes;
    for (const Placed &p : placed)
        boxes << p.box;
    const QList<QRect> after = arranged(boxes, a);
    return recordStep<UndoSteps::Arrange>(state, [&] {
        for (qsizetype k = 0; k < placed.size(); ++k) {
            const int line = placed[k].line;
            const ElementKind kind = state.DATA.kindAt(line);
            if (kind == ElementKind::None || line + Records::lengthOf(kind) > state.DATA.size())
                continue;
            if (after[k].topLeft() != boxes[k].topLeft()) {
                state.DATA.setLine(line + 1, QString::number(after[k].left()));
                state.DATA.setLine(line + 2, QString::number(after[k].top()));
            }
            // Only the kinds that keep a size in their fields can be resized.
            const int width = Records::widthFieldOf(kind);
            if (width > 0 && after[k].width() != boxes[k].width())
                state.DATA.setLine(line + width, QString::number(after[k].width()));
            if (width > 0 && after[k].height() != boxes[k].height())
                state.DATA.setLine(line + width + 1, QString::number(after[k].height()));
        }
        return boxes != after;
    }, nameOf(a));
}

} // namespace ArrangeCommands
