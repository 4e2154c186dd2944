#include "editor/Zoom.h"

#include <algorithm>
#include <array>

namespace Zoom {

namespace {

constexpr std::array<int, 11> Steps{25, 33, 50, 67, 100, 150, 200, 300, 400, 600, 800};

// Floor division, so canvas points left of or above the origin stay on the right document pixel.
int floorDiv(qint64 a, qint64 b)
{
    return int(a >= 0 ? a / b : -((-a + b - 1) / b));
}

} // namespace

int clampPercent(int percent)
{
    return std::clamp(percent, MinPercent, MaxPercent);
}

int stepIn(int percent)
{
    for (int step : Steps)
        if (step > percent)
            return step;
    return MaxPercent;
}

int stepOut(int percent)
{
    for (auto it = Steps.rbegin(); it != Steps.rend(); ++it)
        if (*it < percent)
            return *it;
    return MinPercent;
}

QPoint toDocument(QPoint canvasPoint, QPoint scroll, int percent)
{
    // The document pixel under the canvas pixel's centre.
    const qint64 p = clampPercent(percent);
    return QPoint(floorDiv((2 * qint64(canvasPoint.x()) + 1) * 100, 2 * p),
                  floorDiv((2 * qint64(canvasPoint.y()) + 1) * 100, 2 * p)) + scroll;
}

QPoint toCanvas(QPoint documentPoint, QPoint scroll, int percent)
{
    const int p = clampPercent(percent);
    const QPoint d = documentPoint - scroll;
    return QPoint(floorDiv(qint64(d.x()) * p, 100), floorDiv(qint64(d.y()) * p, 100));
}

QPoint scrollKeeping(QPoint canvasPoint, QPoint scroll, int fromPercent, int toPercent)
{
    // The scroll for which the new scale maps the pointer onto the same
    // document pixel; exact, so zooming in and out again returns to the start.
    const QPoint under = toDocument(canvasPoint, scroll, fromPercent);
    return under - toDocument(canvasPoint, QPoint(0, 0), toPercent);
}

int fitPercent(QSize page, QSize viewport)
{
    if (page.isEmpty() || viewport.isEmpty())
        return 100;
    const double fit = std::min(double(viewport.width()) / page.width(), double(viewport.height()) / page.height()) * 100.0;
    int best = MinPercent;
    for (int step : Steps)
        if (step <= fit && step <= 100)
            best = step;
    return best;
}

} // namespace Zoom
