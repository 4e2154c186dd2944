#include "render/Rulers.h"

#include <gtest/gtest.h>

namespace {

const RulerStyle style10x5{10, 5, 0x808080, 0xFF0000, 0x00FFFF};
const QRgb Small = qRgb(0x80, 0x80, 0x80);
const QRgb Large = qRgb(0, 0, 0xFF);
const QRgb Back = qRgb(0xFF, 0xFF, 0);

// What one line across a ruler holds where the short ticks run (rows 13..17):
// "long" (large), "short" (small), "none" (background) or "mixed". The long
// ticks' upper part shares its rows with the numbers.
template <typename PixelAt>
QString tickKind(PixelAt pixelAt)
{
    for (const auto &[name, color] : {std::pair{"long", Large}, std::pair{"short", Small}, std::pair{"none", Back}}) {
        bool match = true;
        for (int i = 13; i < 18; ++i)
            match = match && pixelAt(i) == color;
        if (match)
            return QString::fromLatin1(name);
    }
    return QStringLiteral("mixed");
}

QString topTick(const QImage &top, int rulerX)
{
    return tickKind([&](int row) { return top.pixel(rulerX, row); });
}

QString leftTick(const QImage &left, int y)
{
    return tickKind([&](int column) { return left.pixel(column, y); });
}

QString expectedKind(int canvas)
{
    if (canvas % 50 == 0)
        return QStringLiteral("long");
    return canvas % 10 == 0 ? QStringLiteral("short") : QStringLiteral("none");
}

} // namespace

TEST(Rulers, TicksEverySkipWithLongOnesEveryMarked)
{
    const RulerImages r = drawRulers(600, 300, style10x5);
    ASSERT_EQ(r.top.size(), QSize(600, 18));
    ASSERT_EQ(r.left.size(), QSize(18, 300));
    ASSERT_EQ(r.corner.size(), QSize(18, 18));

    for (int x = -18; x < 600 - 18; ++x) {
        const QString want = x < 0 || x > 600 - 36 ? QStringLiteral("none") : expectedKind(x);
        ASSERT_EQ(topTick(r.top, x + 18), want) << "canvas x " << x;
    }
    for (int y = 0; y < 300; ++y)
        ASSERT_EQ(leftTick(r.left, y), expectedKind(y)) << "canvas y " << y;
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 18; ++x)
            ASSERT_EQ(r.corner.pixel(x, y), Back);

    EXPECT_EQ(r.cleanTop, r.top);
    EXPECT_EQ(r.cleanLeft, r.left);
}

TEST(Rulers, TopRulerStopsThirtySixPixelsBeforeItsEnd)
{
    const RulerImages r = drawRulers(548, 100, RulerStyle{1, 7, 0x808080, 0xFF0000, 0x00FFFF});
    for (int rulerX = 0; rulerX < 548; ++rulerX) {
        const bool ticked = rulerX >= 18 && rulerX <= 530;
        ASSERT_EQ(r.top.pixel(rulerX, 17) != Back, ticked) << "ruler x " << rulerX;
    }
    // With the default skip of 9 the last tick is canvas 504.
    const RulerImages d = drawRulers(548, 100, RulerStyle{9, 7, 0x808080, 0xFF0000, 0x00FFFF});
    EXPECT_EQ(topTick(d.top, 18), QStringLiteral("long"));
    EXPECT_EQ(topTick(d.top, 18 + 63), QStringLiteral("long"));
    EXPECT_EQ(topTick(d.top, 18 + 504), QStringLiteral("long"));
    EXPECT_EQ(topTick(d.top, 18 + 495), QStringLiteral("short"));
}

TEST(Rulers, SkipOrMarkedBelowOneGivesPlainRulers)
{
    for (const auto &[skip, marked] : {std::pair{0, 7}, std::pair{-3, 7}, std::pair{9, 0}, std::pair{9, -1}}) {
        const RulerImages r = drawRulers(200, 200, RulerStyle{skip, marked, 0x808080, 0xFF0000, 0x00FFFF});
        QImage plainTop(200, 18, QImage::Format_RGB32), plainLeft(18, 200, QImage::Format_RGB32);
        plainTop.fill(Back);
        plainLeft.fill(Back);
        EXPECT_EQ(r.top, plainTop) << skip << " " << marked;
        EXPECT_EQ(r.left, plainLeft) << skip << " " << marked;
    }
}

TEST(Rulers, OddSizesNeitherCrashNorAllocateWithoutBound)
{
    for (int size : {-5, 0, 1, 35, 36, 37}) {
        const RulerImages r = drawRulers(size, size, style10x5);
        EXPECT_EQ(r.top.width(), std::max(size, 0));
        EXPECT_EQ(r.left.height(), std::max(size, 0));
    }
    EXPECT_EQ(topTick(drawRulers(36, 1, style10x5).top, 18), QStringLiteral("long"));
    const RulerImages huge = drawRulers(std::numeric_limits<int>::max(), 50, style10x5);
    EXPECT_EQ(huge.top.width(), Rulers::maxLength);
}

TEST(Rulers, MarksAreDrawnOnCleanCopiesAndNeverAccumulate)
{
    const RulerImages r = drawRulers(548, 100, style10x5);
    const QRgb Interactive = qRgb(0xFF, 0, 0);
    QImage top = r.top, left = r.left;

    markTopRuler(top, r.cleanTop, {5, 600, -1, 512}, 0x0000FF);
    for (int row = 0; row < 18; ++row) {
        EXPECT_EQ(top.pixel(23, row), Interactive);
        EXPECT_EQ(top.pixel(530, row), r.cleanTop.pixel(530, row));   // 512 is past width - 36
    }
    markTopRuler(top, r.cleanTop, {7}, 0x0000FF);
    EXPECT_EQ(top.pixel(23, 0), Back);
    EXPECT_EQ(top.pixel(25, 0), Interactive);

    markLeftRuler(left, r.cleanLeft, {40, -2, 100}, 0x0000FF);
    for (int column = 0; column < 18; ++column)
        EXPECT_EQ(left.pixel(column, 40), Interactive);
    markLeftRuler(left, r.cleanLeft, {}, 0x0000FF);
    EXPECT_EQ(left, r.cleanLeft);
    EXPECT_EQ(r.cleanTop, drawRulers(548, 100, style10x5).top);
}

// Ticks fall on document positions, so they follow the scroll and the scale,
// and each long one carries its number beside it.
TEST(Rulers, TicksAndNumbersFollowTheScrollAndTheZoom)
{
    struct Case { RulerView view; QList<std::pair<int, QString>> ticks; };  // canvas position, kind
    const Case cases[] = {
        {{0, 0, 100}, {{0, "long"}, {10, "short"}, {15, "none"}, {50, "long"}}},
        {{25, 25, 200}, {{10, "short"}, {11, "none"}, {30, "short"}, {50, "long"}, {70, "short"}}},
        {{0, 0, 50}, {{5, "short"}, {25, "long"}, {10, "short"}, {7, "none"}}},
    };
    for (const Case &c : cases) {
        const RulerImages r = drawRulers(400, 400, style10x5, c.view);
        for (const auto &[at, kind] : c.ticks) {
            EXPECT_EQ(topTick(r.top, at + 18), kind) << "top " << at << " at " << c.view.percent << "%";
            EXPECT_EQ(leftTick(r.left, at), kind) << "left " << at << " at " << c.view.percent << "%";
        }
    }
    // "50" beside the long tick at 50: the top row of a 5 and of a 0 is full.
    const RulerImages r = drawRulers(400, 400, style10x5);
    for (int column : {2, 3, 4, 6, 7, 8})
        EXPECT_EQ(r.top.pixel(18 + 50 + column, 2), Large) << column;
    EXPECT_EQ(r.top.pixel(18 + 50 + 5, 2), Back);
    // On the left ruler "50" is turned to read upwards below the tick: the 0
    // nearest the tick, the 5 below it, each glyph's top row in column 2.
    const struct
    {
        int x, y;
        bool ink;
    } left[] = {
        {2, 52, true}, {2, 53, true}, {2, 54, true},   // the 0's top row
        {2, 55, false},                                  // the gap between the digits
        {2, 56, true}, {2, 58, true},                    // the 5's top row
        {3, 58, true}, {3, 56, false},                   // the 5's second row: its left pixel only
        {3, 52, true}, {3, 53, false},                   // the 0's sides
    };
    for (const auto &p : left)
        EXPECT_EQ(r.left.pixel(p.x, p.y), p.ink ? Large : Back) << p.x << "," << p.y;
}
