#include "render/ControlDrawing.h"
#include "render/ElementBitmap.h"

#include <QPainter>

#include <algorithm>

namespace ControlDrawing {

QSize clampedBox(int width, int height)
{
    return QSize(std::clamp(width, 0, MaxSide), std::clamp(height, 0, MaxSide));
}

QImage clippedText(const QImage &text, QSize box)
{
    if (box.isEmpty())
        return QImage();
    QImage out(box, QImage::Format_RGB32);
    out.fill(TransparentColor::Text);
    if (!text.isNull()) {
        QPainter painter(&out);
        painter.drawImage(0, 0, text);
    }
    return out;
}

QImage textEntry(const QImage &text, QSize box)
{
    QImage out = clippedText(text, box);
    for (int x = 0; x < out.width(); x += 2) {
        out.setPixel(x, 0, EntryFrame);
        out.setPixel(x, out.height() - 1, EntryFrame);
    }
    for (int y = 0; y < out.height(); y += 2) {
        out.setPixel(0, y, EntryFrame);
        out.setPixel(out.width() - 1, y, EntryFrame);
    }
    return out;
}

QImage tiled(const QImage &tile, QSize box)
{
    if (box.isEmpty())
        return QImage();
    QImage out(box, QImage::Format_RGB32);
    out.fill(TransparentColor::Art);
    if (!tile.isNull()) {
        const QImage source = tile.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < out.height(); ++y) {
            const auto *from = reinterpret_cast<const QRgb *>(source.constScanLine(y % source.height()));
            auto *to = reinterpret_cast<QRgb *>(out.scanLine(y));
            for (int x = 0; x < out.width(); x += source.width())
                std::copy(from, from + std::min(source.width(), out.width() - x), to + x);
        }
    }
    return out;
}

QImage checker(QSize box, QRgb world)
{
    if (box.isEmpty())
        return QImage();
    QImage out(box, QImage::Format_RGB32);
    // The world colour must not be taken for see-through black.
    const QRgb shown = (world | 0xFF000000u) == TransparentColor::Art ? 0xFF000008u : world | 0xFF000000u;
    for (int y = 0; y < out.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            row[x] = (x + y) % 2 ? shown : TransparentColor::Art;
    }
    return out;
}

QImage itemPlaceholder(int item, const TextConverter &converter, TextConverter::Mode mode)
{
    QImage out(PlaceholderSide, PlaceholderSide, QImage::Format_RGB32);
    // Filled, so the box is picked anywhere inside it.
    out.fill(PlaceholderFill);
    QPainter painter(&out);
    painter.setPen(QColor::fromRgb(PlaceholderFrame));
    painter.drawRect(0, 0, PlaceholderSide - 1, PlaceholderSide - 1);
    const QImage number = converter.render(QString::number(item), 0x303030, mode);
    if (!number.isNull()) {
        const QImage glyphs = ElementBitmap::keyedOut(number, TransparentColor::Text);
        painter.setClipRect(1, 1, PlaceholderSide - 2, PlaceholderSide - 2);
        painter.drawImage(std::max(1, (PlaceholderSide - glyphs.width()) / 2), (PlaceholderSide - glyphs.height()) / 2,
                          glyphs);
    }
    return out;
}

ElementBitmap missingArt(QSize box, const QString &label, const TextConverter &converter, TextConverter::Mode mode)
{
    const QSize size = clampedBox(std::max(box.width(), 2), std::max(box.height(), 2));
    const int width = size.width(), height = size.height();
    // Only the parts, the label written pixel by pixel: a design may hold
    // many thousands of missing pictures, and a picture per frame cost more
    // than all the rest of their render. The pictures are composed when asked for.
    ElementBitmap::Parts parts;
    parts.size = size;
    parts.frameColour = PlaceholderFrame;
    // The label at (3, 3), inside the frame; its paper is see-through.
    constexpr int Margin = 3;
    parts.labelAt = QPoint(Margin, Margin);
    const QImage text = converter.render(label, 0x303030, mode, width - 1 - Margin);
    const int rows = std::min(text.height(), height - 1 - Margin);
    const int columns = std::min(text.width(), width - 1 - Margin);
    if (!text.isNull() && rows > 0 && columns > 0) {
        QImage seeThrough(columns, rows, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < rows; ++y) {
            const auto *from = reinterpret_cast<const QRgb *>(text.constScanLine(y));
            auto *to = reinterpret_cast<QRgb *>(seeThrough.scanLine(y));
            for (int x = 0; x < columns; ++x) {
                const QRgb colour = from[x] & 0x00FFFFFFu;
                // Paper and art black are see-through, as keying the opaque form out would leave them.
                to[x] = colour == (TransparentColor::Text & 0x00FFFFFFu) || colour == (TransparentColor::Art & 0x00FFFFFFu)
                            ? 0u
                            : from[x] | 0xFF000000u;
            }
        }
        parts.label = seeThrough;
    }
    return ElementBitmap::placeholder(parts);
}

} // namespace ControlDrawing
