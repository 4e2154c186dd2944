#include "render/ElementBitmap.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

ElementBitmap ElementBitmap::placeholder(const Parts &parts)
{
    ElementBitmap bitmap = placeholder(QImage());
    bitmap.m_shared->made = Made::Parts;
    bitmap.m_shared->imageMade = false;
    bitmap.m_shared->parts = parts;
    return bitmap;
}

void ElementBitmap::drawParts(QPainter &painter, QPoint at, const Parts &parts)
{
    const int w = parts.size.width(), h = parts.size.height();
    const QColor frame = QColor::fromRgb(parts.frameColour);
    painter.fillRect(at.x(), at.y(), w, 1, frame);
    painter.fillRect(at.x(), at.y() + h - 1, w, 1, frame);
    painter.fillRect(at.x(), at.y() + 1, 1, h - 2, frame);
    painter.fillRect(at.x() + w - 1, at.y() + 1, 1, h - 2, frame);
    if (!parts.label.isNull())
        painter.drawImage(at + parts.labelAt, parts.label);
}

const QImage &ElementBitmap::image() const
{
    static const QImage none;
    if (!m_shared)
        return none;
    if (!m_shared->imageMade) {
        // Opaque again: what is see-through is the transparent colour.
        QImage opaque = seeThrough().convertToFormat(QImage::Format_ARGB32_Premultiplied).copy();
        const QRgb key = m_shared->key | 0xFF000000u;
        for (int y = 0; y < opaque.height(); ++y) {
            auto *row = reinterpret_cast<QRgb *>(opaque.scanLine(y));
            for (int x = 0; x < opaque.width(); ++x)
                row[x] = qAlpha(row[x]) == 0 ? key : row[x] | 0xFF000000u;
        }
        opaque.reinterpretAsFormat(QImage::Format_RGB32);
        m_shared->image = opaque;
        m_shared->imageMade = true;
    }
    return m_shared->image;
}

QSize ElementBitmap::size() const
{
    if (!m_shared)
        return QSize();
    return m_shared->made == Made::Parts ? m_shared->parts.size : m_shared->image.size();
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
        if (m_shared->made == Made::Parts) {
            const Parts &parts = m_shared->parts;
            QImage composed(parts.size, QImage::Format_ARGB32_Premultiplied);
            composed.fill(0u);
            QPainter painter(&composed);
            drawParts(painter, QPoint(), parts);
            painter.end();
            m_shared->seeThrough = composed;
        } else {
            m_shared->seeThrough = keyedOut(m_shared->image, m_shared->key);
        }
        m_shared->seeThroughMade = true;
    }
    return m_shared->seeThrough;
}

QImage ElementBitmap::keyedOut(const QImage &image, QRgb key)
{
    if (image.isNull())
        return QImage();
    // A plain copy made opaque here gives the pixels the library's conversion
    // to premultiplied alpha gave, in one pass instead of two.
    QImage out = image.convertToFormat(QImage::Format_RGB32).copy();
    out.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    const QRgb colour = key & 0x00FFFFFFu;
    // The sizes read once: QImage's accessors are calls into the library.
    const int width = out.width(), height = out.height();
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(out.scanLine(y));
        int x = 0;
#if defined(__SSE2__)
        // Four pixels at a time: this pass was a tenth of a cold render.
        const __m128i rgb = _mm_set1_epi32(0x00FFFFFF), keyed = _mm_set1_epi32(int(colour));
        const __m128i opaque = _mm_set1_epi32(int(0xFF000000u));
        for (; x + 4 <= width; x += 4) {
            auto *at = reinterpret_cast<__m128i *>(row + x);
            const __m128i pixels = _mm_loadu_si128(at);
            const __m128i same = _mm_cmpeq_epi32(_mm_and_si128(pixels, rgb), keyed);
            _mm_storeu_si128(at, _mm_andnot_si128(same, _mm_or_si128(pixels, opaque)));
        }
#endif
        for (; x < width; ++x)
            row[x] = (row[x] & 0x00FFFFFFu) == colour ? 0u : (row[x] | 0xFF000000u);
    }
    return out;
}
