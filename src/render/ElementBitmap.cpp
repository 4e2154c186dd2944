#include "render/ElementBitmap.h"

namespace TransparentColor {

QRgb of(ElementKind kind)
{
    return kind == ElementKind::Text ? Text : Art;
}

} // namespace TransparentColor

ElementBitmap::ElementBitmap(const QImage &image, QRgb transparentColor)
    : m_shared(std::make_shared<Shared>())
{
    m_shared->image = image;
    m_shared->key = transparentColor;
}

const QImage &ElementBitmap::image() const
{
    static const QImage none;
    return m_shared ? m_shared->image : none;
}

QRgb ElementBitmap::transparentColor() const
{
    return m_shared ? m_shared->key : TransparentColor::Art;
}

const QImage &ElementBitmap::seeThrough() const
{
    static const QImage none;
    if (!m_shared)
        return none;
    if (!m_shared->seeThroughMade) {
        m_shared->seeThrough = keyedOut(m_shared->image, m_shared->key);
        m_shared->seeThroughMade = true;
    }
    return m_shared->seeThrough;
}

QImage ElementBitmap::keyedOut(const QImage &image, QRgb key)
{
    if (image.isNull())
        return QImage();
    QImage out = image.convertToFormat(QImage::Format_RGB32)
                     .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRgb colour = key & 0x00FFFFFFu;
    // The sizes read once: QImage's accessors are calls into the library.
    const int width = out.width(), height = out.height();
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(out.scanLine(y));
        // Without a branch, so the compiler can take several pixels at once.
        for (int x = 0; x < width; ++x)
            row[x] = (row[x] & 0x00FFFFFFu) == colour ? 0u : row[x];
    }
    return out;
}
