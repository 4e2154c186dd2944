#pragma once

#include "document/RecordWalker.h"

#include <QImage>
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
    // The same made from its see-through form alone (as seeThrough() gives
    // it): the opaque picture is made the first time it is asked for, which a
    // canvas drawing see-through never does.
    static ElementBitmap placeholderSeeThrough(const QImage &seeThrough);
    bool isPlaceholder() const { return m_shared && m_shared->placeholder; }

    const QImage &image() const;
    QRgb transparentColor() const;
    int width() const { return anyForm().width(); }
    int height() const { return anyForm().height(); }
    bool isEmpty() const { return anyForm().isNull(); }

    // Format_ARGB32_Premultiplied, the transparent colour at alpha 0.
    const QImage &seeThrough() const;

    // The opaque picture or the see-through one, as the element is to be drawn.
    const QImage &forDrawing(bool transparent) const { return transparent ? seeThrough() : image(); }

    // image with every pixel of colour key (alpha ignored) made transparent.
    static QImage keyedOut(const QImage &image, QRgb key);

private:
    // Whichever form is made, for its size.
    const QImage &anyForm() const;

    struct Shared
    {
        QImage image;
        bool imageMade = true;
        QRgb key = TransparentColor::Art;
        QImage seeThrough;
        bool seeThroughMade = false;
        bool placeholder = false;
    };
    std::shared_ptr<Shared> m_shared;
};
