#include "document/ArrangeCommands.h"
#include "editor/Snapping.h"
#include "editor/Zoom.h"

#include <gtest/gtest.h>

namespace {

using ArrangeCommands::Arrangement;

struct ArrangeCase
{
    Arrangement arrangement;
    QList<QRect> expected;
};

class Arranging : public testing::TestWithParam<ArrangeCase> {};

// Three boxes; the last chosen (primary) is the wide one.
const QList<QRect> boxes{QRect(10, 10, 20, 10), QRect(50, 40, 10, 30), QRect(20, 100, 40, 20)};

TEST_P(Arranging, BoxesComeOut)
{
    EXPECT_EQ(ArrangeCommands::arranged(boxes, GetParam().arrangement), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    All, Arranging,
    testing::Values(
        ArrangeCase{Arrangement::AlignLeft, {QRect(10, 10, 20, 10), QRect(10, 40, 10, 30), QRect(10, 100, 40, 20)}},
        ArrangeCase{Arrangement::AlignRight, {QRect(40, 10, 20, 10), QRect(50, 40, 10, 30), QRect(20, 100, 40, 20)}},
        ArrangeCase{Arrangement::AlignCentre, {QRect(25, 10, 20, 10), QRect(30, 40, 10, 30), QRect(15, 100, 40, 20)}},
        ArrangeCase{Arrangement::AlignTop, {QRect(10, 10, 20, 10), QRect(50, 10, 10, 30), QRect(20, 10, 40, 20)}},
        ArrangeCase{Arrangement::AlignBottom, {QRect(10, 110, 20, 10), QRect(50, 90, 10, 30), QRect(20, 100, 40, 20)}},
        ArrangeCase{Arrangement::AlignMiddle, {QRect(10, 60, 20, 10), QRect(50, 50, 10, 30), QRect(20, 55, 40, 20)}},
        // Centres at 20, 55, 40 horizontally: the middle one (x 20..60) goes between 20 and 55.
        ArrangeCase{Arrangement::DistributeHorizontally, {QRect(10, 10, 20, 10), QRect(50, 40, 10, 30), QRect(17, 100, 40, 20)}},
        ArrangeCase{Arrangement::DistributeVertically, {QRect(10, 10, 20, 10), QRect(50, 47, 10, 30), QRect(20, 100, 40, 20)}},
        ArrangeCase{Arrangement::SameWidth, {QRect(10, 10, 40, 10), QRect(50, 40, 40, 30), QRect(20, 100, 40, 20)}},
        ArrangeCase{Arrangement::SameHeight, {QRect(10, 10, 20, 20), QRect(50, 40, 10, 20), QRect(20, 100, 40, 20)}}));

TEST(Arranging, WritesPositionsAndOnlyBackgroundSizes)
{
    EditorState s = EditorState::batch();
    s.DATA = Document({"{BOP", "0", "gumppic", "10", "20", "a.bmp", "resizepic", "0", "0", "stone", "100", "30", "}EOP"});
    EXPECT_TRUE(ArrangeCommands::arrange(s, {{2, QRect(10, 20, 8, 8)}, {6, QRect(0, 0, 30, 30)}}, Arrangement::SameWidth));
    EXPECT_EQ(s.DATA.recordAt(2), (QStringList{"gumppic", "10", "20", "a.bmp"}));
    EXPECT_TRUE(ArrangeCommands::arrange(s, {{6, QRect(0, 0, 30, 30)}, {2, QRect(10, 20, 8, 8)}}, Arrangement::SameWidth));
    EXPECT_EQ(s.DATA.recordAt(6), (QStringList{"resizepic", "0", "0", "stone", "8", "30"}));
    EXPECT_FALSE(ArrangeCommands::arrange(s, {{2, QRect(10, 20, 8, 8)}}, Arrangement::AlignLeft));
}

TEST(Snapping, GridAndEdgesWithGuides)
{
    EXPECT_EQ(Snapping::toGrid(14, 10), 10);
    EXPECT_EQ(Snapping::toGrid(15, 10), 20);
    EXPECT_EQ(Snapping::toGrid(-6, 10), -10);
    EXPECT_EQ(Snapping::toGrid(7, 1), 7);

    const QRect moving(0, 0, 20, 10);
    Snapping::Options grid{true, 8, false, 4};
    Snapping::Result r = Snapping::snap(moving, QPoint(13, 3), {}, grid);
    EXPECT_EQ(r.topLeft, QPoint(16, 0));
    EXPECT_FALSE(r.guideX || r.guideY);

    // The right edge (53 + 20 = 73) is 2 from the other's left edge 75: the edge wins over the grid in X only.
    Snapping::Options both{true, 8, true, 4};
    r = Snapping::snap(moving, QPoint(53, 13), {QRect(75, 200, 10, 10)}, both);
    EXPECT_EQ(r.topLeft, QPoint(55, 16));
    EXPECT_EQ(r.guideX, 75);
    EXPECT_FALSE(r.guideY);
    // Centre to centre; out of reach nothing pulls.
    r = Snapping::snap(moving, QPoint(0, 48), {QRect(300, 40, 10, 30)}, Snapping::Options{false, 8, true, 4});
    EXPECT_EQ(r.topLeft, QPoint(0, 50));
    EXPECT_EQ(r.guideY, 55);
    r = Snapping::snap(moving, QPoint(0, 30), {QRect(300, 40, 10, 30)}, Snapping::Options{false, 8, true, 4});
    EXPECT_EQ(r.topLeft, QPoint(0, 30));
}

TEST(Zoom, MappingRoundTripsAndKeepsThePointerStill)
{
    // Enlarged, every document pixel has canvas pixels of its own; reduced, the one drawn at its place.
    for (int percent : {25, 33, 50, 67, 100, 150, 200, 400, 800}) {
        const QPoint scroll(37, 12);
        for (const QPoint doc : {QPoint(0, 0), QPoint(123, 45), QPoint(547, 399), QPoint(-20, 3)}) {
            const QPoint back = Zoom::toDocument(Zoom::toCanvas(doc, scroll, percent), scroll, percent);
            EXPECT_LE((back - doc).manhattanLength(), percent >= 100 ? 0 : 2 * 100 / percent)
                << percent << " " << doc.x() << "," << doc.y();
        }
    }
    EXPECT_EQ(Zoom::toDocument(QPoint(-1, -1), QPoint(0, 0), 400), QPoint(-1, -1));
    EXPECT_EQ(Zoom::toDocument(QPoint(399, 3), QPoint(10, 0), 400), QPoint(109, 0));
    EXPECT_EQ(Zoom::toDocument(QPoint(2, 2), QPoint(0, 0), 150), QPoint(1, 1));

    // Zooming about the pointer leaves the document point under it in place.
    const QPoint pointer(200, 150);
    QPoint scroll(40, 30);
    const QPoint under = Zoom::toDocument(pointer, scroll, 100);
    for (int to : {200, 400, 800, 50, 25, 100}) {
        scroll = Zoom::scrollKeeping(pointer, scroll, 100, to);
        EXPECT_EQ(Zoom::toDocument(pointer, scroll, to), under) << to;
        scroll = Zoom::scrollKeeping(pointer, scroll, to, 100);
    }
    EXPECT_EQ(scroll, QPoint(40, 30));

    EXPECT_EQ(Zoom::stepIn(100), 150);
    EXPECT_EQ(Zoom::stepIn(800), 800);
    EXPECT_EQ(Zoom::stepOut(100), 67);
    EXPECT_EQ(Zoom::stepOut(25), 25);
    EXPECT_EQ(Zoom::fitPercent(QSize(548, 400), QSize(300, 300)), 50);
    EXPECT_EQ(Zoom::fitPercent(QSize(548, 400), QSize(2000, 2000)), 100);
}

} // namespace
