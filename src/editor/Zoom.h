#pragma once

#include <QPoint>
#include <QPointF>
#include <QSize>

// The canvas scale: 25 % to 800 % in the usual steps, and the mapping
// between canvas pixels and document pixels. Scroll positions are in
// document pixels, so the rulers and the records never see the scale.
namespace Zoom {

constexpr int MinPercent = 25;
constexpr int MaxPercent = 800;

int clampPercent(int percent);
// The next step up or down from percent (25, 33, 50, 67, 100, 150, 200, 300, 400, 600, 800).
int stepIn(int percent);
int stepOut(int percent);

// Document point under a canvas point, and back.
QPoint toDocument(QPoint canvasPoint, QPoint scroll, int percent);
QPoint toCanvas(QPoint documentPoint, QPoint scroll, int percent);

// The scroll that keeps the document point under the pointer still when the
// scale changes from one percent to the other about the canvas point.
QPoint scrollKeeping(QPoint canvasPoint, QPoint scroll, int fromPercent, int toPercent);

// The largest step at which the page fits the viewport (at most 100 %).
int fitPercent(QSize page, QSize viewport);

} // namespace Zoom
