#include "render/Rulers.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr int T = Rulers::thickness;
constexpr int longTickStart = 2;     // long ticks cover rows (columns) 2..17
constexpr int shortTickStart = 13;   // short ones 13..17

// A new bitmap before anything is drawn on it.
QImage blankBitmap(int width, int height)
{
    QImage image(std::clamp(width, 0, Rulers::maxLength), std::clamp(height, 0, Rulers::maxLength),
                 QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    return image;
}

void verticalLine(QImage &image, int x, int fromY, int toY, QRgb color)
{
    if (x < 0 || x >= image.width())
        return;
    for (int y = std::max(fromY, 0); y < std::min(toY, image.height()); ++y)
        reinterpret_cast<QRgb *>(image.scanLine(y))[x] = color;
}

void horizontalLine(QImage &image, int y, int fromX, int toX, QRgb color)
{
    if (y < 0 || y >= image.height())
        return;
    QRgb *row = reinterpret_cast<QRgb *>(image.scanLine(y));
    for (int x = std::max(fromX, 0); x < std::min(toX, image.width()); ++x)
        row[x] = color;
}

// Replaces the 4-connected area of (0, 0)'s colour that holds (0, 0).
void floodFillFromOrigin(QImage &image, QRgb fill)
{
    if (image.isNull())
        return;
    const QRgb target = image.pixel(0, 0);
    if (target == fill)
        return;
    auto at = [&image](int x, int y) -> QRgb & { return reinterpret_cast<QRgb *>(image.scanLine(y))[x]; };
    std::vector<std::pair<int, int>> pending{{0, 0}};
    while (!pending.empty()) {
        const auto [x0, y] = pending.back();
        pending.pop_back();
        if (at(x0, y) != target)
            continue;
        int left = x0, right = x0;
        while (left > 0 && at(left - 1, y) == target)
            --left;
        while (right + 1 < image.width() && at(right + 1, y) == target)
            ++right;
        for (int x = left; x <= right; ++x)
            at(x, y) = fill;
        for (int ny : {y - 1, y + 1}) {
            if (ny < 0 || ny >= image.height())
                continue;
            // One seed per run of target pixels in the neighbouring row.
            for (int x = left; x <= right; ++x)
                if (at(x, ny) == target && (x == left || at(x - 1, ny) != target))
                    pending.emplace_back(x, ny);
        }
    }
}

// Calls tick(position, isLong) for 0, skip, 2 skip, ... up to last; the first
// tick is long and long ones recur every `marked` ticks.
template <typename Tick>
void forEachTick(int last, const RulerStyle &style, Tick tick)
{
    int n = style.marked;
    for (qint64 p = 0; p <= last; p += style.skip) {
        const bool isLong = n == style.marked;
        if (isLong)
            n = 0;
        tick(int(p), isLong);
        ++n;
    }
}

} // namespace

RulerImages drawRulers(int topWidth, int leftHeight, const RulerStyle &style)
{
    RulerImages r;
    r.corner = blankBitmap(T, T);
    r.top = blankBitmap(topWidth, T);
    r.left = blankBitmap(T, leftHeight);

    if (style.skip >= 1 && style.marked >= 1) {
        const QRgb large = ColorText::toRgb(style.largeTicks);
        const QRgb small = ColorText::toRgb(style.smallTicks);
        forEachTick(r.top.width() - 2 * T, style, [&](int x, bool isLong) {
            verticalLine(r.top, x + T, isLong ? longTickStart : shortTickStart, T, isLong ? large : small);
        });
        forEachTick(r.left.height(), style, [&](int y, bool isLong) {
            horizontalLine(r.left, y, isLong ? longTickStart : shortTickStart, T, isLong ? large : small);
        });
    }

    const QRgb background = ColorText::toRgb(style.background);
    for (QImage *image : {&r.corner, &r.left, &r.top})
        floodFillFromOrigin(*image, background);

    r.cleanTop = r.top;
    r.cleanLeft = r.left;
    return r;
}

void markTopRuler(QImage &top, const QImage &cleanTop, const QList<int> &canvasXs, ColorValue interactive)
{
    top = cleanTop;
    const QRgb color = ColorText::toRgb(interactive);
    for (int x : canvasXs)
        if (x >= 0 && x < top.width() - 2 * T)
            verticalLine(top, x + T, 0, T, color);
}

void markLeftRuler(QImage &left, const QImage &cleanLeft, const QList<int> &canvasYs, ColorValue interactive)
{
    left = cleanLeft;
    const QRgb color = ColorText::toRgb(interactive);
    for (int y : canvasYs)
        horizontalLine(left, y, 0, T, color);
}
