#include "render/Rulers.h"

#include <QList>
#include <QString>

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

// Calls tick(canvasPosition, documentPosition, isLong) for every document
// position that is a multiple of skip and falls on 0..last of the canvas;
// long ticks fall on every `marked`-th multiple, counted from 0.
template <typename Tick>
void forEachTick(int last, int scroll, int percent, const RulerStyle &style, Tick tick)
{
    const qint64 skip = style.skip;
    qint64 index = scroll >= 0 ? (scroll + skip - 1) / skip : -((-qint64(scroll)) / skip);
    for (;; ++index) {
        const qint64 document = index * skip;
        const qint64 canvas = (document - scroll) * percent / 100;
        if (canvas > last)
            break;
        tick(int(canvas), int(document), index % style.marked == 0);
    }
}

// Digits three pixels wide and five high, one row of bits per line, for the
// numbers at the long ticks.
constexpr unsigned char Digits[11][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 3, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 2, 2}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7},
    {0, 0, 7, 0, 0}, // '-'
};

// Left to right; or turned a quarter left (upright) so the left ruler's
// numbers read bottom to top as editors show them, starting below the tick
// at y and clear of the short ticks.
void drawNumber(QImage &image, int x, int y, int value, QRgb color, bool upright = false)
{
    const QString text = QString::number(value);
    if (upright)
        y += int(text.size() - 1) * 4;   // the first digit lowest
    for (const QChar c : text) {
        const int glyph = c == u'-' ? 10 : c.digitValue();
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 3; ++col)
                if (Digits[glyph][row] & (4 >> col)) {
                    const int px = upright ? x + row : x + col, py = upright ? y + 2 - col : y + row;
                    if (px >= 0 && py >= 0 && px < image.width() && py < image.height())
                        reinterpret_cast<QRgb *>(image.scanLine(py))[px] = color;
                }
        if (upright)
            y -= 4;
        else
            x += 4;
    }
}

} // namespace

RulerImages drawRulers(int topWidth, int leftHeight, const RulerStyle &style, const RulerView &view)
{
    RulerImages r;
    r.corner = blankBitmap(T, T);
    r.top = blankBitmap(topWidth, T);
    r.left = blankBitmap(T, leftHeight);

    struct Label { int at; int value; };
    QList<Label> topLabels, leftLabels;
    const int percent = std::clamp(view.percent, 1, 10000);
    if (style.skip >= 1 && style.marked >= 1) {
        const QRgb large = ColorText::toRgb(style.largeTicks);
        const QRgb small = ColorText::toRgb(style.smallTicks);
        forEachTick(r.top.width() - 2 * T, view.scrollX, percent, style, [&](int x, int document, bool isLong) {
            verticalLine(r.top, x + T, isLong ? longTickStart : shortTickStart, T, isLong ? large : small);
            if (isLong)
                topLabels.append({x + T + 2, document});
        });
        forEachTick(r.left.height(), view.scrollY, percent, style, [&](int y, int document, bool isLong) {
            horizontalLine(r.left, y, isLong ? longTickStart : shortTickStart, T, isLong ? large : small);
            if (isLong)
                leftLabels.append({y + 2, document});
        });
    }

    const QRgb background = ColorText::toRgb(style.background);
    for (QImage *image : {&r.corner, &r.left, &r.top})
        floodFillFromOrigin(*image, background);

    // The numbers go on after the fill, which would otherwise run around them.
    const QRgb numbers = ColorText::toRgb(style.largeTicks);
    for (const Label &l : topLabels)
        drawNumber(r.top, l.at, longTickStart, l.value, numbers);
    for (const Label &l : leftLabels)
        drawNumber(r.left, 2, l.at, l.value, numbers, true);

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
