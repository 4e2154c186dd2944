#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

// Small drawing steps shared by pictures and buttons.
namespace Painting {

// A painter with antialiasing on.
void prepare(QPainter &p);

// A round, polished gem: dark rim, radial body, bright glint.
void roundGem(QPainter &p, const QRectF &box, const QColor &color);

// A faceted gem on any outline: facets lit from the top left.
void facetedGem(QPainter &p, const QPolygonF &outline, const QColor &color);

// Fills a path with a vertical metal gradient and a dark outline.
void gold(QPainter &p, const QPainterPath &path, double outline = 1.0);
void metal(QPainter &p, const QPainterPath &path, const QColor &base, double outline = 1.0);

// A bevelled square plate such as an icon sits on.
void plate(QPainter &p, const QRectF &box, const QColor &base);

} // namespace Painting
