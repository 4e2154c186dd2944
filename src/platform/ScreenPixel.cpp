#include "platform/ScreenPixel.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

namespace ScreenPixel {

std::optional<ColorValue> at(QPoint point)
{
    QScreen *screen = QGuiApplication::screenAt(point);
    if (!screen)
        return std::nullopt;
    const QPoint onScreen = point - screen->geometry().topLeft();
    const QImage pixel = screen->grabWindow(0, onScreen.x(), onScreen.y(), 1, 1).toImage();
    if (pixel.isNull())
        return std::nullopt;
    return ColorText::fromQColor(pixel.pixelColor(0, 0));
}

} // namespace ScreenPixel
