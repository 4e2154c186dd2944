#include "editor/CanvasScroll.h"
#include "editor/Zoom.h"

#include <gtest/gtest.h>

using CanvasScroll::View;

TEST(CanvasScroll, TheWheelScrollsOrZoomsAboutThePointer)
{
    struct Case { View from; QPoint delta; Qt::KeyboardModifiers keys; View to; const char *what; };
    const Case cases[] = {
        {{{0, 100}, 100}, {0, -120}, Qt::NoModifier, {{0, 148}, 100}, "down one notch"},
        {{{0, 20}, 100}, {0, 240}, Qt::NoModifier, {{0, 0}, 100}, "up, held at the top"},
        {{{50, 0}, 100}, {0, -120}, Qt::ShiftModifier, {{98, 0}, 100}, "Shift: sideways"},
        {{{0, 0}, 400}, {0, -120}, Qt::NoModifier, {{0, 12}, 400}, "a notch is screen pixels"},
        {{{0, 0}, 800}, {0, 120}, Qt::ControlModifier, {{0, 0}, 800}, "no step past 800 %"},
        {{{0, 0}, 100}, {0, 0}, Qt::ControlModifier, {{0, 0}, 100}, "no turn"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CanvasScroll::wheel(c.from, c.delta, QPoint(10, 10), c.keys), c.to) << c.what;

    // Ctrl zooms in and out again about the pointer: the document point under it stays.
    const View start{{40, 30}, 100};
    const QPoint pointer(200, 150);
    const View in = CanvasScroll::wheel(start, {0, 120}, pointer, Qt::ControlModifier);
    EXPECT_EQ(in.zoom, 150);
    EXPECT_EQ(Zoom::toDocument(pointer, in.scroll, in.zoom), Zoom::toDocument(pointer, start.scroll, start.zoom));
    EXPECT_EQ(CanvasScroll::wheel(in, {0, -120}, pointer, Qt::ControlModifier), start);
}

TEST(CanvasScroll, TheScrollRangeCoversTheDesignAtTheZoomPlusAMargin)
{
    const QStringList lines = {"{BOP", "0", "resizepic", "100", "50", "9200.bmp", "900", "700",
                               "gumppic", "x", "5000", "1F4.bmp", "}EOP"};
    const QRect extent = CanvasScroll::designExtent(lines);
    EXPECT_EQ(extent, QRect(100, 50, 900, 700));   // a position that is no number is passed over
    EXPECT_EQ(CanvasScroll::scrollMaximum(extent, QSize(500, 400), 100), QPoint(600, 450));
    EXPECT_EQ(CanvasScroll::scrollMaximum(extent, QSize(500, 400), 200), QPoint(850, 650));
    EXPECT_EQ(CanvasScroll::scrollMaximum(QRect(0, 0, 20, 20), QSize(500, 400), 100), QPoint(400, 400));
    EXPECT_EQ(CanvasScroll::documentViewport(QSize(501, 400), 400), QSize(126, 100));
}
