#pragma once

#include "document/RecordWalker.h"

#include <QImage>
#include <QPainter>
#include <memory>

// Transparent colours of element bitmaps: black for art (drawn see-through
// only with "Transparent" on), white for text (always see-through).
namespace TransparentColor {
constexpr QRgb Art = 0xFF000000u;
constexpr QRgb Text = 0xFFFFFFFFu;
QRgb of(ElementKind kind);
} // namespace TransparentColor

// The picture of one element with its transparent colour. The see-through
// form (that colour made fully transparent, everything else opaque) is made
// the first time it is asked for and then kept, so drawing transparently is a
// plain alpha blend and never a per-pixel colour test at draw time. Copies
// share the picture and the see-through form.
class ElementBitmap
{
public:
    ElementBitmap() = default;
    ElementBitmap(const QImage &image, QRgb transparentColor);
    // The frame drawn for art that cannot be found: picked anywhere inside.
    static ElementBitmap placeholder(const QImage &image);
    // The frame of missing art by its parts: a one-pixel edge in frameColour
    // round size, and a label (see-through form) at labelAt inside it. Both
    // pictures are composed from them the first time they are asked for; a
    // canvas drawing see-through draws the parts alone (drawParts), since a
    // design may hold many thousands of missing pictures.
    struct Parts
    {
        QSize size;
        QRgb frameColour = 0;
        QImage label;
        QPoint labelAt;
    };
    static ElementBitmap placeholder(const Parts &parts);
    bool isPlaceholder() const { return m_shared && m_shared->placeholder; }
    // Its parts, for a placeholder made of them; null otherwise.
    const Parts *parts() const { return m_shared && m_shared->made == Made::Parts ? &m_shared->parts : nullptr; }
    // Draws the parts see-through at, as drawing seeThrough() there would.
    static void drawParts(QPainter &painter, QPoint at, const Parts &parts);

    const QImage &image() const;
    QRgb transparentColor() const;
    QSize size() const;
    int width() const { return size().width(); }
    int height() const { return size().height(); }
    bool isEmpty() const { return size().isEmpty(); }

    // Format_ARGB32_Premultiplied, the transparent colour at alpha 0.
    const QImage &seeThrough() const;

    // The opaque picture or the see-through one, as the element is to be drawn.
    const QImage &forDrawing(bool transparent) const { return transparent ? seeThrough() : image(); }

    // image with every pixel of colour key (alpha ignored) made transparent.
    static QImage keyedOut(const QImage &image, QRgb key);

private:
    enum class Made { Image, Parts };
    struct Shared
    {
        QImage image;
        Made made = Made::Image;   // what the bitmap was made from
        bool imageMade = true;
        Parts parts;
        QRgb key = TransparentColor::Art;
        QImage seeThrough;
        bool seeThroughMade = false;
        bool placeholder = false;
    };
    std::shared_ptr<Shared> m_shared;
};
