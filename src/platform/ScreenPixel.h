#pragma once

#include "platform/ColorText.h"

#include <QPoint>

#include <optional>

namespace ScreenPixel {

// The colour of the screen pixel at a point of the virtual desktop, or
// nothing when no screen shows that point or the platform refuses to let
// the screen be read.
std::optional<ColorValue> at(QPoint point);

} // namespace ScreenPixel
