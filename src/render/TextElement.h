#pragma once

#include "assets/TextConverter.h"
#include "render/ElementBitmap.h"

class HueColors;
class ImageCache;

namespace TextElement {

// The element bitmap of a text record: the cached image under "TEXT" + hue +
// text when there is one, otherwise the converter's image of the text in the
// colour of the hue's first library entry (black when none), added to the
// cache. White is its transparent colour. Throws RuntimeError when the
// library's colour of that entry is not a colour; nothing is cached then.
ElementBitmap bitmap(ImageCache &cache, const TextConverter &converter, TextConverter::Mode mode,
                     const HueColors &colors, const QString &hue, const QString &text);

} // namespace TextElement
