// The Modify panel beside a field the server computes, and test mode drawing
// the dialog without the marks of its logic.
#include "windows/main/MainWindowFixture.h"
#include "windows/widgets/CanvasImage.h"
#include "windows/widgets/PropertyPanel.h"
#include "windows/widgets/SpinEdit.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

namespace {

const QRgb Red = qRgb(255, 0, 0);
const QRgb White = qRgb(255, 255, 255);

// The window is shown, so the canvas has its real size.
class StandInWindowTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        window->show();
        settle();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void open(const QStringList &design)
    {
        window->state().DATA = Document(design);
        settle();
        window->DRAWClick();
        settle();
    }
    QLineEdit *edit(const char *name) const { return window->control<QLineEdit>(name); }
    QRgb canvasPixel(int x, int y) const { return window->control<CanvasImage>("Image1")->picture().pixel(x, y); }
    // Drawn over the background (the selection's frame counts).
    bool drawnAt(int x, int y) const { return canvasPixel(x, y) != White; }
    int pixelsOf(QRgb colour) const
    {
        const QImage picture = window->control<CanvasImage>("Image1")->picture();
        int count = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                count += picture.pixel(x, y) == colour;
        return count;
    }
    // Types into a box as the user does, and commits with Return.
    void typeInto(QLineEdit *box, const QString &text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
        settle();
        window->DRAWClick();
        settle();
    }
};

} // namespace

TEST_F(StandInWindowTest, TheStandInIsSetBesideTheExpressionMovesTheDrawingAndUndoesInOneStep)
{
    open({"{BOP", "0", "gumppic", "<argn1>", "10", "1F4.bmp", "gumppic", "100", "100", "1F4.bmp", "}EOP"});
    select(0);
    window->Timer1Timer();   // the readout, every 100 ms
    EXPECT_EQ(window->control<SpinEdit>("CSpinEdit1")->text(), "<argn1>");
    // Its arrows do not turn the expression into a number.
    window->control<SpinEdit>("CSpinEdit1")->stepBy(1);
    settle();
    EXPECT_EQ(lines()[3], "<argn1>");
    struct Shown { const char *box; bool visible; };
    const Shown shown[] = {{"StandInX", true}, {"StandInY", false}, {"StandInWidth", false}, {"StandInHeight", false}};
    for (const Shown &s : shown)
        EXPECT_EQ(edit(s.box)->isVisibleTo(window.get()), s.visible) << s.box;
    EXPECT_TRUE(window->control<QLabel>("LabelStandIn")->isVisibleTo(window.get()));
    EXPECT_TRUE(drawnAt(6, 15));   // drawn at 0 while nothing stands in

    typeInto(edit("StandInX"), "40");
    EXPECT_EQ(lines()[3], "<argn1> //standin 40");
    EXPECT_TRUE(drawnAt(46, 15));
    EXPECT_FALSE(drawnAt(6, 15));
    window->Timer1Timer();
    EXPECT_EQ(window->control<SpinEdit>("CSpinEdit1")->text(), "<argn1>");   // the expression, still editable
    EXPECT_EQ(window->control<QAction>("Undo1")->text(), "Undo Set Stand-in of X");

    // Not a number: refused, the design keeps what it had.
    typeInto(edit("StandInX"), "4o");
    EXPECT_EQ(lines()[3], "<argn1> //standin 40");
    EXPECT_EQ(window->control<QLabel>("Label8")->text(), "A stand-in is a whole number; empty removes it");

    window->control<QAction>("Undo1")->trigger();
    settle();
    window->DRAWClick();
    settle();
    EXPECT_EQ(lines()[3], "<argn1>");
    EXPECT_TRUE(drawnAt(6, 15));
    EXPECT_FALSE(drawnAt(46, 15));
    EXPECT_EQ(edit("StandInX")->text(), "");

    // Another expression typed into the X spin keeps the stand-in set after it.
    typeInto(edit("StandInX"), "30");
    auto *x = window->control<SpinEdit>("CSpinEdit1");
    x->setFocus();
    x->selectAll();
    QTest::keyClicks(x, "<argn2>");
    settle();
    EXPECT_EQ(lines()[3], "<argn2> //standin 30");
    typeInto(edit("StandInX"), "");
    EXPECT_EQ(lines()[3], "<argn2>");
    EXPECT_EQ(window->control<QAction>("Undo1")->text(), "Undo Clear Stand-in of X");

    // A plain element has no stand-in to set.
    select(1);
    EXPECT_FALSE(edit("StandInX")->isVisibleTo(window.get()));
    EXPECT_FALSE(window->control<QLabel>("LabelStandIn")->isVisibleTo(window.get()));
}

TEST_F(StandInWindowTest, TestModeDrawsNoMarksOfTheLogic)
{
    open({"{BOP", "0", "script", "IF <src.isgm>", "gumppic", "20", "20", "1F4.bmp", "script", "ENDIF",
          "gumppic", "<argn1> //standin 60", "60", "1F4.bmp", "}EOP"});
    const QRgb blockFrame = qRgb(40, 90, 220), byServer = qRgb(230, 120, 0);
    struct Step { const char *name; bool testing; };
    const Step steps[] = {{"editing", false}, {"testing", true}, {"editing again", false}};
    for (const Step &step : steps) {
        SCOPED_TRACE(step.name);
        // The button shows whether the canvas is in test mode, from the start.
        auto *test = window->control<QToolButton>("TestButton");
        if (step.testing != test->isChecked()) {
            test->click();
            settle();
        }
        EXPECT_EQ(test->isChecked(), step.testing);
        window->DRAWClick();
        settle();
        EXPECT_EQ(pixelsOf(blockFrame) > 0, !step.testing);
        EXPECT_EQ(pixelsOf(byServer) > 0, !step.testing);
        EXPECT_EQ(canvasPixel(27, 25), Red);   // the elements themselves stay
        EXPECT_EQ(canvasPixel(67, 65), Red);
    }
}

TEST_F(StandInWindowTest, ANewerKindsPanelShowsTheExpressionAloneAndItsEditKeepsTheStandIn)
{
    open({"{BOP", "0", "checkertrans", "<argn1> //standin 40", "<argn2>", "<eval 10*4>", "40", "}EOP"});
    select(0);
    auto *panel = window->control<PropertyPanel>("Properties");
    auto *x = qobject_cast<QLineEdit *>(panel->editorOf(1));
    ASSERT_TRUE(x);
    EXPECT_EQ(x->text(), "<argn1>");
    struct Shown { const char *box; bool visible; bool enabled; const char *text; };
    const Shown shown[] = {
        {"StandInX", true, true, "40"},
        {"StandInY", true, true, ""},
        {"StandInWidth", true, false, "40"},   // the designer computes it: shown, not set
        {"StandInHeight", false, false, ""},
    };
    for (const Shown &s : shown) {
        SCOPED_TRACE(s.box);
        EXPECT_EQ(edit(s.box)->isVisibleTo(window.get()), s.visible);
        if (!s.visible)
            continue;
        EXPECT_EQ(edit(s.box)->isEnabled(), s.enabled);
        EXPECT_EQ(edit(s.box)->text(), s.text);
    }
    x->setFocus();
    x->end(false);
    QTest::keyClick(x, Qt::Key_Backspace);
    QTest::keyClick(x, Qt::Key_Backspace);
    QTest::keyClicks(x, "3>");
    settle();
    EXPECT_EQ(lines()[3], "<argn3> //standin 40");
    EXPECT_TRUE(x->styleSheet().isEmpty());
}
