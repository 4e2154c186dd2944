#pragma once

#include "assets/client/HuesFile.h"

#include <QImage>

#include <vector>

// Colouring item and gump art in a client hue as the client does it: each
// opaque pixel takes the hue's colour at the pixel's 5-bit red level. A hue
// number with bit 15 set is a partial hue: only grey pixels take it.
namespace HueShading {

constexpr int PartialFlag = 0x8000;
constexpr int NumberMask = 0x3FFF;

// The hue record of a hue number (hue H is record H - 1); nullptr for 0 and
// numbers past the file.
const ClientHue *hueOf(const std::vector<ClientHue> &hues, int hue);

// art (Format_RGB32, black see-through) in the hue; the picture unchanged
// when the hue is 0 or not in the file. See-through pixels stay black and
// coloured ones never turn black.
QImage hued(const QImage &art, const std::vector<ClientHue> &hues, int hue);

} // namespace HueShading
