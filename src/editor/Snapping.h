#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

#include <optional>

// Where a moved box comes to rest when it snaps to the grid and to the edges
// of other elements, and the guide lines that show an edge snap.
namespace Snapping {

struct Options
{
    bool grid = false;
    int gridSpacing = 10;
    bool edges = false;
    int edgeReach = 4;      // document pixels within which an edge pulls
};

struct Result
{
    QPoint topLeft;
    std::optional<int> guideX;   // document X of a vertical guide line
    std::optional<int> guideY;   // document Y of a horizontal guide line
};

// The nearest multiple of spacing (spacing below 2 leaves value as it is).
int toGrid(int value, int spacing);

// The box moved to proposed top-left: an edge of another box within reach
// wins over the grid (left, right or centre against left, right or centre),
// otherwise the top-left goes to the grid.
Result snap(const QRect &moving, QPoint proposedTopLeft, const QList<QRect> &others, const Options &options);

} // namespace Snapping
