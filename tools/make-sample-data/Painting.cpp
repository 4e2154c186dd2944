#include "Painting.h"

#include "ArtImage.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace Painting {

using ArtImage::mix;
using ArtImage::shade;

void prepare(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

void roundGem(QPainter &p, const QRectF &box, const QColor &color)
{
    p.save();
    p.setPen(QPen(shade(color, 0.25), 1.0));
    QRadialGradient body(box.center() + QPointF(-box.width() * 0.15, -box.height() * 0.18),
                         box.width() * 0.62);
    body.setColorAt(0.0, mix(color, Qt::white, 0.45));
    body.setColorAt(0.45, color);
    body.setColorAt(1.0, shade(color, 0.35));
    p.setBrush(body);
    p.drawEllipse(box.adjusted(0.5, 0.5, -0.5, -0.5));
    // Light passing through the stone gathers at the bottom right.
    QRadialGradient glow(box.center() + QPointF(box.width() * 0.2, box.height() * 0.22), box.width() * 0.3);
    glow.setColorAt(0.0, QColor(255, 255, 255, 70));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(box.adjusted(1, 1, -1, -1));
    const QRectF glint(box.left() + box.width() * 0.24, box.top() + box.height() * 0.18,
                       box.width() * 0.26, box.height() * 0.2);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(glint);
    p.restore();
}

void facetedGem(QPainter &p, const QPolygonF &outline, const QColor &color)
{
    p.save();
    const QPointF centre = outline.boundingRect().center();
    const QPolygonF table = QTransform()
                                .translate(centre.x(), centre.y())
                                .scale(0.5, 0.5)
                                .translate(-centre.x(), -centre.y())
                                .map(outline);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < outline.size(); ++i) {
        const int j = (i + 1) % outline.size();
        const QPointF mid = (outline[i] + outline[j]) / 2.0 - centre;
        // Facets facing up and left catch the light.
        const double facing = (-mid.x() - mid.y()) / (std::hypot(mid.x(), mid.y()) + 1e-9);
        p.setBrush(shade(color, 0.85 + 0.45 * facing));
        p.drawPolygon(QPolygonF{outline[i], outline[j], table[j], table[i]});
    }
    QLinearGradient top(table.boundingRect().topLeft(), table.boundingRect().bottomRight());
    top.setColorAt(0.0, mix(color, Qt::white, 0.55));
    top.setColorAt(1.0, color);
    p.setBrush(top);
    p.drawPolygon(table);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(shade(color, 0.3), 1.0));
    p.drawPolygon(outline);
    p.restore();
}

void metal(QPainter &p, const QPainterPath &path, const QColor &base, double outline)
{
    p.save();
    const QRectF box = path.boundingRect();
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0.0, mix(base, Qt::white, 0.5));
    g.setColorAt(0.45, base);
    g.setColorAt(0.55, shade(base, 0.8));
    g.setColorAt(1.0, shade(base, 0.45));
    p.setBrush(g);
    p.setPen(outline > 0 ? QPen(shade(base, 0.25), outline) : QPen(Qt::NoPen));
    p.drawPath(path);
    p.restore();
}

void gold(QPainter &p, const QPainterPath &path, double outline)
{
    metal(p, path, QColor(214, 168, 64), outline);
}

void plate(QPainter &p, const QRectF &box, const QColor &base)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(shade(base, 0.35));
    p.drawRect(box);
    QLinearGradient face(box.topLeft(), box.bottomRight());
    face.setColorAt(0.0, mix(base, Qt::white, 0.25));
    face.setColorAt(1.0, shade(base, 0.6));
    p.setBrush(face);
    p.drawRect(box.adjusted(1, 1, -1, -1));
    p.setBrush(shade(base, 0.8));
    p.drawRect(box.adjusted(3, 3, -3, -3));
    p.restore();
}

} // namespace Painting
