#include "editor/CanvasHandles.h"

#include <algorithm>

namespace CanvasHandles {

QList<Placed> around(const QRect &box)
{
    const int left = box.left(), right = box.left() + box.width(), top = box.top(), bottom = box.top() + box.height();
    const int midX = left + box.width() / 2, midY = top + box.height() / 2;
    const auto square = [](int x, int y) { return QRect(x - Size / 2, y - Size / 2, Size, Size); };
    return {{Handle::TopLeft, square(left, top)},       {Handle::Top, square(midX, top)},
            {Handle::TopRight, square(right, top)},     {Handle::Right, square(right, midY)},
            {Handle::BottomRight, square(right, bottom)}, {Handle::Bottom, square(midX, bottom)},
            {Handle::BottomLeft, square(left, bottom)}, {Handle::Left, square(left, midY)}};
}

Handle at(const QRect &box, QPoint point)
{
    for (const Placed &p : around(box))
        if (p.square.contains(point))
            return p.handle;
    return Handle::None;
}

QRect resized(const QRect &box, Handle handle, QPoint delta)
{
    int left = box.left(), top = box.top();
    int right = box.left() + box.width(), bottom = box.top() + box.height();
    const bool movesLeft = handle == Handle::TopLeft || handle == Handle::Left || handle == Handle::BottomLeft;
    const bool movesRight = handle == Handle::TopRight || handle == Handle::Right || handle == Handle::BottomRight;
    const bool movesTop = handle == Handle::TopLeft || handle == Handle::Top || handle == Handle::TopRight;
    const bool movesBottom = handle == Handle::BottomLeft || handle == Handle::Bottom || handle == Handle::BottomRight;
    if (movesLeft)
        left = std::min(left + delta.x(), right - 1);
    if (movesRight)
        right = std::max(right + delta.x(), left + 1);
    if (movesTop)
        top = std::min(top + delta.y(), bottom - 1);
    if (movesBottom)
        bottom = std::max(bottom + delta.y(), top + 1);
    return QRect(left, top, right - left, bottom - top);
}

} // namespace CanvasHandles
