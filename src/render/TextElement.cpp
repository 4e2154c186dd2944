#include "render/TextElement.h"
#include "render/CacheKey.h"
#include "render/ImageCache.h"
#include "render/TextIndex.h"

namespace TextElement {

ElementBitmap bitmap(ImageCache &cache, const TextConverter &converter, TextConverter::Mode mode,
                     const HueColors &colors, const QString &hue, const QString &text)
{
    return cache.obtain(CacheKey::text(hue, text), [&] {
        const ColorValue TextColor = colors.colorOf(hue);
        return ElementBitmap(converter.render(text, TextColor, mode), TransparentColor::Text);
    });
}

} // namespace TextElement
