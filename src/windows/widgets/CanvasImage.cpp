#include "windows/widgets/CanvasImage.h"
#include "editor/CanvasHandles.h"
#include "editor/Zoom.h"

#include <QPainter>

CanvasImage::CanvasImage(QWidget *parent) : ImageView(parent)
{
    setFocusPolicy(Qt::ClickFocus);
}

void CanvasImage::setZoom(int percent)
{
    m_zoom = Zoom::clampPercent(percent);
    update();
}

void CanvasImage::setGrid(const Grid &grid, QPoint scroll)
{
    m_grid = grid;
    m_scroll = scroll;
    update();
}

void CanvasImage::setHandles(std::optional<QRect> box)
{
    if (box == m_handles)
        return;
    m_handles = box;
    update();
}

void CanvasImage::setClientScreen(std::optional<QRect> screen)
{
    if (screen == m_screen)
        return;
    m_screen = screen;
    update();
}

void CanvasImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QImage &shown = picture();
    if (!shown.isNull()) {
        // Without smooth transformation the enlargement keeps every pixel square.
        const QSize scaled(shown.width() * m_zoom / 100, shown.height() * m_zoom / 100);
        painter.drawImage(QRect(QPoint(0, 0), scaled), shown);
    }
    if (m_grid.shown && m_grid.spacing >= 2 && m_grid.spacing * m_zoom / 100 >= 6) {
        painter.setPen(m_grid.color);
        const int s = m_grid.spacing;
        for (int x = (m_scroll.x() + s - 1) / s * s;; x += s) {
            const int at = Zoom::toCanvas(QPoint(x, 0), m_scroll, m_zoom).x();
            if (at >= width())
                break;
            painter.drawLine(at, 0, at, height());
        }
        for (int y = (m_scroll.y() + s - 1) / s * s;; y += s) {
            const int at = Zoom::toCanvas(QPoint(0, y), m_scroll, m_zoom).y();
            if (at >= height())
                break;
            painter.drawLine(0, at, width(), at);
        }
    }
    if (m_screen && !m_screen->isEmpty()) {
        const QPoint from = Zoom::toCanvas(m_screen->topLeft(), m_scroll, m_zoom);
        const QPoint to = Zoom::toCanvas(m_screen->topLeft() + QPoint(m_screen->width(), m_screen->height()), m_scroll, m_zoom);
        QPen pen(QColor(0x30, 0x60, 0xC0));
        pen.setStyle(Qt::DashLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(from, to).adjusted(0, 0, -1, -1));
        painter.drawText(QRect(from + QPoint(4, 2), QSize(220, 16)), Qt::AlignLeft | Qt::AlignTop,
                         QStringLiteral("client screen %1 x %2").arg(m_screen->width()).arg(m_screen->height()));
    }
    if (m_handles) {
        painter.setPen(Qt::black);
        painter.setBrush(Qt::white);
        for (const CanvasHandles::Placed &p : CanvasHandles::around(*m_handles))
            painter.drawRect(p.square.adjusted(0, 0, -1, -1));
    }
}
