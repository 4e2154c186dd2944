#include "render/SelectionFrame.h"

#include <QPainter>

namespace SelectionFrame {

Colors colorsFor(bool blackColorBlack, ColorValue selectionColor)
{
    const ColorValue selection = selectionColor == 0 ? NearBlack : selectionColor;
    if (blackColorBlack)
        return {NearBlack, selection, NearBlack};
    return {selection, selection, selection};
}

QImage framed(const QImage &image, const Colors &colors)
{
    return framed(image, colors, QPoint(), image.size());
}

QImage framed(const QImage &image, const Colors &colors, const QPoint &origin, const QSize &whole)
{
    QImage out = image.copy();
    if (out.isNull())
        return out;
    QPainter painter(&out);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.translate(-origin);
    const ColorValue outlines[3] = {colors.outer, colors.middle, colors.inner};
    for (int k = 0; k < 3; ++k) {
        const int w = whole.width() - 2 * k, h = whole.height() - 2 * k;
        if (w <= 0 || h <= 0)
            break;
        const QColor c = ColorText::toQColor(outlines[k]);
        painter.fillRect(k, k, w, 1, c);
        painter.fillRect(k, k + h - 1, w, 1, c);
        painter.fillRect(k, k, 1, h, c);
        painter.fillRect(k + w - 1, k, 1, h, c);
    }
    return out;
}

} // namespace SelectionFrame
