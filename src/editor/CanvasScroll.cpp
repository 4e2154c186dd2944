#include "editor/CanvasScroll.h"
#include "document/RecordWalker.h"
#include "editor/Zoom.h"
#include "platform/NumberText.h"

#include <algorithm>

namespace CanvasScroll {

View zoomAbout(View view, int percent, QPoint at)
{
    percent = Zoom::clampPercent(percent);
    if (percent == view.zoom)
        return view;
    View next{Zoom::scrollKeeping(at, view.scroll, view.zoom, percent), percent};
    next.scroll = QPoint(std::max(next.scroll.x(), 0), std::max(next.scroll.y(), 0));
    return next;
}

View wheel(View view, QPoint angleDelta, QPoint at, Qt::KeyboardModifiers keys)
{
    const int notches = (angleDelta.y() != 0 ? angleDelta.y() : angleDelta.x()) / 120;
    if (notches == 0)
        return view;
    if (keys & Qt::ControlModifier)
        return zoomAbout(view, notches > 0 ? Zoom::stepIn(view.zoom) : Zoom::stepOut(view.zoom), at);
    const int step = std::max(1, WheelStep * 100 / Zoom::clampPercent(view.zoom)) * -notches;
    if (keys & Qt::ShiftModifier)
        view.scroll.rx() = std::max(0, view.scroll.x() + step);
    else
        view.scroll.ry() = std::max(0, view.scroll.y() + step);
    return view;
}

QSize documentViewport(QSize screen, int zoom)
{
    const int p = Zoom::clampPercent(zoom);
    return QSize((qint64(screen.width()) * 100 + p - 1) / p, (qint64(screen.height()) * 100 + p - 1) / p);
}

QPoint scrollMaximum(const QRect &extent, QSize screen, int zoom)
{
    const QSize shown = documentViewport(screen, zoom);
    const int right = extent.isEmpty() ? 0 : extent.left() + extent.width();
    const int bottom = extent.isEmpty() ? 0 : extent.top() + extent.height();
    return QPoint(std::max(LeastRange, right + Margin - shown.width()),
                  std::max(LeastRange, bottom + Margin - shown.height()));
}

QRect designExtent(const QStringList &lines)
{
    QRect extent;
    RecordWalker walker(lines);
    while (walker.next()) {
        if (walker.item() != RecordWalker::Item::Element)
            continue;
        const int line = walker.line();
        const std::optional<int> x = NumberText::tryParse(lines.value(line + 1));
        const std::optional<int> y = NumberText::tryParse(lines.value(line + 2));
        if (!x || !y)
            continue;
        int width = 1, height = 1;
        if (walker.kind() == ElementKind::Resizepic) {
            const int w = Records::widthFieldOf(ElementKind::Resizepic);
            width = std::max(1, NumberText::tryParse(lines.value(line + w)).value_or(1));
            height = std::max(1, NumberText::tryParse(lines.value(line + w + 1)).value_or(1));
        }
        extent |= QRect(std::max(*x, 0), std::max(*y, 0), width, height);
    }
    return extent;
}

} // namespace CanvasScroll
