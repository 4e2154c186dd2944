#include "editor/Snapping.h"

#include <cmath>
#include <cstdlib>

namespace Snapping {

int toGrid(int value, int spacing)
{
    if (spacing < 2)
        return value;
    return int(std::lround(double(value) / spacing) * spacing);
}

namespace {

struct EdgeSnap
{
    int shift;   // to add to the moving box's position
    int guide;   // where the matched edge lies
};

// The smallest shift that puts one of the moving edges on one of the others'.
std::optional<EdgeSnap> nearestEdge(const int (&moving)[3], const QList<QList<int>> &others, int reach)
{
    std::optional<EdgeSnap> best;
    for (const QList<int> &edges : others)
        for (int edge : edges)
            for (int own : moving) {
                const int shift = edge - own;
                if (std::abs(shift) <= reach && (!best || std::abs(shift) < std::abs(best->shift)))
                    best = EdgeSnap{shift, edge};
            }
    return best;
}

} // namespace

Result snap(const QRect &moving, QPoint proposed, const QList<QRect> &others, const Options &options)
{
    Result result{proposed, std::nullopt, std::nullopt};
    const int w = moving.width(), h = moving.height();
    std::optional<EdgeSnap> sx, sy;
    if (options.edges) {
        QList<QList<int>> xs, ys;
        for (const QRect &r : others) {
            xs.append({r.left(), r.left() + r.width() / 2, r.left() + r.width()});
            ys.append({r.top(), r.top() + r.height() / 2, r.top() + r.height()});
        }
        const int ownX[3] = {proposed.x(), proposed.x() + w / 2, proposed.x() + w};
        const int ownY[3] = {proposed.y(), proposed.y() + h / 2, proposed.y() + h};
        sx = nearestEdge(ownX, xs, options.edgeReach);
        sy = nearestEdge(ownY, ys, options.edgeReach);
    }
    if (sx) {
        result.topLeft.rx() += sx->shift;
        result.guideX = sx->guide;
    } else if (options.grid) {
        result.topLeft.setX(toGrid(proposed.x(), options.gridSpacing));
    }
    if (sy) {
        result.topLeft.ry() += sy->shift;
        result.guideY = sy->guide;
    } else if (options.grid) {
        result.topLeft.setY(toGrid(proposed.y(), options.gridSpacing));
    }
    return result;
}

} // namespace Snapping
