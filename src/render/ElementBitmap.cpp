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

ElementBitmap ElementBitmap::placeholder(const QImage &image)
{
    ElementBitmap bitmap(image, TransparentColor::Art);
    bitmap.m_shared->placeholder = true;
    return bitmap;
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
    for (int y = 0; y < out.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((row[x] & 0x00FFFFFFu) == colour)
                row[x] = 0;
    }
    return out;
}
