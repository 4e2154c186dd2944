#include "editor/CanvasMouse.h"
#include "editor/KeyboardNudge.h"
#include "platform/RuntimeError.h"

#include <gtest/gtest.h>

using CanvasMouse::Action;

TEST(CanvasMouseTest, ActionTextsAreComparedExactly)
{
    EXPECT_EQ(CanvasMouse::actionOf("Select + Drag"), Action::SelectAndDrag);
    EXPECT_EQ(CanvasMouse::actionOf("Menu"), Action::Menu);
    EXPECT_EQ(CanvasMouse::actionOf("Select"), Action::Select);
    EXPECT_EQ(CanvasMouse::actionOf("Remove"), Action::Remove);
    EXPECT_EQ(CanvasMouse::actionOf("AutoSave"), Action::AutoSave);
    EXPECT_EQ(CanvasMouse::actionOf("NONE"), Action::None);
    EXPECT_EQ(CanvasMouse::actionOf("menu"), Action::None);
    EXPECT_EQ(CanvasMouse::actionOf("select + drag"), Action::None);
}

TEST(CanvasMouseTest, DraggedElementsStopAtTheVisibleLeftAndTop)
{
    EXPECT_EQ(CanvasMouse::dragPosition(QPoint(50, 40), QPoint(5, 8)), QPoint(45, 32));
    EXPECT_EQ(CanvasMouse::dragPosition(QPoint(3, 40), QPoint(5, 8)), QPoint(0, 32));
    EXPECT_EQ(CanvasMouse::dragPosition(QPoint(-20, -1), QPoint(0, 0)), QPoint(0, 0));
    EXPECT_EQ(CanvasMouse::documentPoint(QPoint(10, 20), 100, 50), QPoint(110, 70));
}

TEST(CanvasMouseTest, BandsDrawnUpOrLeftMeasureNothing)
{
    EXPECT_EQ(CanvasMouse::bandSize(QPoint(30, 40), QPoint(130, 90)), QSize(100, 50));
    EXPECT_EQ(CanvasMouse::bandSize(QPoint(30, 40), QPoint(30, 40)), QSize(0, 0));
    EXPECT_FALSE(CanvasMouse::bandSize(QPoint(30, 40), QPoint(29, 90)));
    EXPECT_FALSE(CanvasMouse::bandSize(QPoint(30, 40), QPoint(130, 39)));
}

namespace {

EditorState selectedGumppic(const QString &x, const QString &y)
{
    EditorState s = EditorState::batch();
    s.DATA = Document({"{BOP", "0", "gumppic", x, y, "1F4.bmp", "}EOP"});
    s.SelectedLine = 2;
    s.SelectIndex = 0;
    s.LineList = {2};
    return s;
}

} // namespace

TEST(KeyboardNudgeTest, ArrowKeysMoveTheSelectionByOneWithoutBound)
{
    EXPECT_EQ(KeyboardNudge::stepOf(Qt::Key_Left), QPoint(-1, 0));
    EXPECT_EQ(KeyboardNudge::stepOf(Qt::Key_Up), QPoint(0, -1));
    EXPECT_EQ(KeyboardNudge::stepOf(Qt::Key_Right), QPoint(1, 0));
    EXPECT_EQ(KeyboardNudge::stepOf(Qt::Key_Down), QPoint(0, 1));
    EXPECT_FALSE(KeyboardNudge::stepOf(Qt::Key_A));

    EditorState s = selectedGumppic("0", "7");
    EXPECT_TRUE(KeyboardNudge::nudge(s, QPoint(-1, 0)));
    EXPECT_TRUE(KeyboardNudge::nudge(s, QPoint(0, 1)));
    EXPECT_EQ(s.DATA.lines().mid(3, 2), QStringList({"-1", "8"}));

    // Positions written as "0x10" by hand are read as numbers and written back in decimal.
    s.DATA.setLine(4, "0x10");
    KeyboardNudge::nudge(s, QPoint(0, -1));
    EXPECT_EQ(s.DATA.line(4), "15");

    s.DATA.setLine(3, "2147483647");
    KeyboardNudge::nudge(s, QPoint(1, 0));
    EXPECT_EQ(s.DATA.line(3), "2147483647"); // stays readable
}

TEST(KeyboardNudgeTest, NothingSelectedChangesNothing)
{
    EditorState s = selectedGumppic("5", "5");
    s.SelectIndex = -1;
    EXPECT_FALSE(KeyboardNudge::nudge(s, QPoint(1, 0)));
    s.SelectIndex = 0;
    s.SelectedLine = 0; // the "{BOP" line
    EXPECT_FALSE(KeyboardNudge::nudge(s, QPoint(1, 0)));
    EXPECT_EQ(s.DATA.lines(), QStringList({"{BOP", "0", "gumppic", "5", "5", "1F4.bmp", "}EOP"}));
}

TEST(KeyboardNudgeTest, APositionThatIsNoNumberFailsAndChangesNothing)
{
    EditorState s = selectedGumppic("5", "five");
    try {
        KeyboardNudge::nudge(s, QPoint(0, 1));
        FAIL() << "no error";
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.message(), "'five' is not a valid integer value");
    }
    EXPECT_EQ(s.DATA.lines().mid(3, 2), QStringList({"5", "five"}));
    // X alone can still be moved.
    EXPECT_TRUE(KeyboardNudge::nudge(s, QPoint(1, 0)));
    EXPECT_EQ(s.DATA.line(3), "6");
}
