#include "document/DocumentCommands.h"
#include "windows/art/TForm3.h"
#include "windows/elements/TForm11.h"
#include "windows/elements/TForm2.h"
#include "windows/elements/TForm4.h"
#include "windows/main/MainWindowFixture.h"
#include "windows/options/TForm12.h"
#include "windows/widgets/ImageView.h"
#include "windows/widgets/PropertyPanel.h"
#include "windows/widgets/SpinEdit.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr QRgb Red = 0xFFFF0000u;     // the fixture's art
constexpr QRgb White = 0xFFFFFFFFu;   // the canvas background
constexpr QRgb Black = 0xFF000000u;

// The fixture's 1F4.bmp is 8 × 6.
const QStringList oneGumppic = {"{BOP", "0", "gumppic", "20", "30", "1F4.bmp", "}EOP"};

// The window is shown, so the canvas and the rulers have their real sizes.
class CanvasMouseTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        window->show();
        settle();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at)
    {
        QMouseEvent event(type, QPointF(at), QPointF(window->control<CanvasImage>("Image1")->mapToGlobal(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(window->control<CanvasImage>("Image1"), &event);
    }
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        send(QEvent::MouseButtonPress, button, button, at);
    }
    void move(QPoint at, Qt::MouseButtons held = Qt::LeftButton) { send(QEvent::MouseMove, Qt::NoButton, held, at); }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        send(QEvent::MouseButtonRelease, button, Qt::NoButton, at);
    }

    void open(const QStringList &design)
    {
        window->state().DATA = Document(design);
        settle();
        window->DRAWClick();
        settle();
    }
    QRgb canvasPixel(int x, int y) const { return window->control<CanvasImage>("Image1")->picture().pixel(x, y); }
    Settings &options() { return window->settings(); }
};

} // namespace

TEST_F(CanvasMouseTest, SelectAndDragMovesTheElementAndStopsAtTheVisibleEdge)
{
    open(oneGumppic);
    press(QPoint(22, 33));
    EditorState &s = window->state();
    EXPECT_TRUE(s.Dragging);
    EXPECT_EQ(s.SelectedLine, 2);
    EXPECT_EQ(window->control<QComboBox>("ComboBox1")->currentIndex(), 0);
    EXPECT_EQ(window->canvasMouse().previousSelectedLine(), 0);
    EXPECT_EQ(window->canvasMouse().grabOffset(), QPoint(2, 3));
    EXPECT_FALSE(window->control<QTimer>("Timer1")->isActive());
    EXPECT_TRUE(window->control<QToolButton>("REMOVEBUT")->isEnabled());
    // The element is now the drag image, drawn over the canvas without it.
    EXPECT_EQ(window->view().dragImage().size(), QSize(8, 6));
    EXPECT_EQ(window->view().canvas().pixel(21, 31), White);
    EXPECT_EQ(canvasPixel(21, 31), Red);

    move(QPoint(52, 63));
    EXPECT_EQ(lines().mid(3, 2), QStringList({"50", "60"}));
    EXPECT_EQ(canvasPixel(51, 61), Red);
    EXPECT_EQ(canvasPixel(21, 31), White);
    EXPECT_EQ(window->control<QLabel>("Label8")->text(), QStringLiteral("X = 52, Y = 63"));
    EXPECT_TRUE(window->control<QLabel>("Label9")->text().startsWith(QStringLiteral("DRAWTIME=")));

    move(QPoint(1, 1));
    EXPECT_EQ(lines().mid(3, 2), QStringList({"0", "0"}));

    release(QPoint(1, 1));
    EXPECT_FALSE(s.Dragging);
    EXPECT_TRUE(window->control<QTimer>("Timer1")->isActive());
    EXPECT_TRUE(window->view().isCurrent(s));
    EXPECT_NE(window->view().lastRender().pixel(3, 3), White); // drawn in place
    EXPECT_EQ(window->view().lastRender().pixel(21, 31), White);
    EXPECT_EQ(window->control<QComboBox>("ComboBox1")->itemText(0), QStringLiteral("Gumppic at 0 0 Useing 500"));
    EXPECT_EQ(modals->shown().size(), 0);
}

TEST_F(CanvasMouseTest, DraggingInAScrolledViewStopsAtTheScrollPosition)
{
    open({"{BOP", "0", "gumppic", "120", "80", "1F4.bmp", "}EOP"});
    window->control<QScrollBar>("ScrollBar1")->setValue(100);
    settle();
    window->control<QScrollBar>("ScrollBar2")->setValue(50);
    settle();
    press(QPoint(22, 31));
    ASSERT_TRUE(window->state().Dragging);
    move(QPoint(12, 11));
    EXPECT_EQ(lines().mid(3, 2), QStringList({"110", "60"}));
    move(QPoint(-30, -30));
    EXPECT_EQ(lines().mid(3, 2), QStringList({"100", "50"}));
    release(QPoint(-30, -30));
}

TEST_F(CanvasMouseTest, APressBesideEveryElementSelectsNothing)
{
    open(oneGumppic);
    press(QPoint(100, 100));
    release(QPoint(100, 100));
    EXPECT_FALSE(window->state().Dragging);
    EXPECT_EQ(window->state().SelectedLine, 0);
    EXPECT_TRUE(window->control<QTimer>("Timer1")->isActive());
    EXPECT_EQ(lines(), oneGumppic);
}

TEST_F(CanvasMouseTest, SelectRemoveAndNoneFollowTheButtonSettings)
{
    open({"{BOP", "0", "gumppic", "20", "30", "1F4.bmp", "gumppic", "60", "30", "2A.BMP", "}EOP"});
    options().leftAction = QStringLiteral("Select");
    options().rightAction = QStringLiteral("Remove");

    press(QPoint(62, 32));
    release(QPoint(62, 32));
    EXPECT_EQ(window->state().SelectedLine, 6);
    EXPECT_FALSE(window->state().Dragging);
    EXPECT_EQ(window->control<QComboBox>("ComboBox1")->currentIndex(), 1);
    EXPECT_TRUE(window->view().isCurrent(window->state()));

    // Remove on empty canvas removes nothing and keeps the selection.
    press(QPoint(150, 150), Qt::RightButton);
    EXPECT_EQ(lines().size(), 11);
    EXPECT_EQ(window->state().SelectedLine, 6);

    press(QPoint(21, 31), Qt::RightButton);
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "gumppic", "60", "30", "2A.BMP", "}EOP"}));
    EXPECT_EQ(window->state().SelectedLine, 0);
    EXPECT_FALSE(window->control<QToolButton>("REMOVEBUT")->isEnabled());

    // "NONE" changes nothing but forgets the last render.
    options().leftAction = QStringLiteral("NONE");
    window->DRAWClick();
    settle();
    ASSERT_TRUE(window->view().isCurrent(window->state()));
    press(QPoint(62, 32));
    EXPECT_EQ(window->state().SelectedLine, 0);
    EXPECT_FALSE(window->view().isCurrent(window->state()));
    // The middle button has no action at all.
    window->DRAWClick();
    settle();
    press(QPoint(62, 32), Qt::MiddleButton);
    EXPECT_EQ(window->state().SelectedLine, 0);
    EXPECT_EQ(lines().size(), 7);
}

TEST_F(CanvasMouseTest, MenuOpensTheCanvasPopupWithItsChecksInLine)
{
    window->control<QToolButton>("ToolButton13")->click(); // page 0 no longer always drawn
    settle();
    window->Text2Click();
    settle();
    press(QPoint(50, 50), Qt::RightButton);
    EXPECT_TRUE(window->control<QMenu>("PopupMenu1")->isVisible());
    EXPECT_TRUE(window->control<QAction>("HighlightSelected1")->isChecked());
    EXPECT_FALSE(window->control<QAction>("AlwaysDrawPage01")->isChecked());
    EXPECT_FALSE(window->control<QAction>("Text2")->isChecked());
    EXPECT_TRUE(window->control<QAction>("Buttons1")->isChecked());
    window->control<QMenu>("PopupMenu1")->close();
    settle();
}

TEST_F(CanvasMouseTest, GumppicBrushPlacesAtThePointAndIsReleased)
{
    window->control<QToolButton>("SpeedButton3")->setChecked(true);
    settle();
    window->control<QScrollBar>("ScrollBar1")->setValue(100);
    settle();
    scriptPicker(QStringLiteral("1F4.bmp"));
    press(QPoint(40, 50));
    release(QPoint(40, 50));
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "gumppic", "140", "50", "1F4.bmp", "}EOP"}));
    EXPECT_FALSE(window->control<QToolButton>("SpeedButton3")->isChecked());
    EXPECT_EQ(window->control<QComboBox>("ComboBox1")->itemText(0), QStringLiteral("Gumppic at 140 50 Useing 500"));
    EXPECT_EQ(window->state().SelectedLine, 0); // placed, not selected

    // With the brush released the next press is an ordinary one.
    press(QPoint(41, 51));
    EXPECT_TRUE(window->state().Dragging);
    release(QPoint(41, 51));
}

TEST_F(CanvasMouseTest, CancelledPickerLeavesTheDocumentAndTheBrush)
{
    open(oneGumppic);
    window->control<QToolButton>("SpeedButton1")->setChecked(true);
    settle();
    modals->onWindow<TForm2>([](TForm2 &p) { p.Button2->click(); });
    press(QPoint(22, 33)); // over an element: the brush still decides
    release(QPoint(22, 33));
    EXPECT_EQ(lines(), oneGumppic);
    EXPECT_TRUE(window->control<QToolButton>("SpeedButton1")->isChecked());
    EXPECT_FALSE(window->state().Dragging);
    EXPECT_EQ(modals->windowCaptions(), QStringList({"Select Image for Pic"})); // no button options
}

TEST_F(CanvasMouseTest, ButtonAndTextBrushesUseTheirWindows)
{
    window->control<QToolButton>("SpeedButton1")->setChecked(true);
    settle();
    modals->onWindow<TForm2>([](TForm2 &p) {
        EXPECT_TRUE(p.ButtonMode);
        p.selectFile(QStringLiteral("okay.bmp"));
        p.Button1->click();
    });
    modals->onWindow<TForm11>([](TForm11 &f) { f.Button1->click(); });
    press(QPoint(5, 6), Qt::RightButton); // whatever the mouse button
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "button", "5", "6", "okay.bmp", "0", "0", "0", "", "}EOP"}));
    EXPECT_FALSE(window->control<QToolButton>("SpeedButton1")->isChecked());

    window->control<QToolButton>("SpeedButton2")->setChecked(true);
    settle();
    modals->onWindow<TForm3>([](TForm3 &f) {
        f.RadioButtons[0]->setChecked(true);
        f.Button3->click();
    });
    modals->onWindow<TForm4>([](TForm4 &f) {
        QTest::keyClicks(f.Edit1, QStringLiteral("Hi"));
        f.Button1->click();
    });
    press(QPoint(70, 80));
    EXPECT_EQ(lines().mid(10, 5), QStringList({"text", "70", "80", "95", "Hi"}));
    EXPECT_FALSE(window->control<QToolButton>("SpeedButton2")->isChecked());
}

TEST_F(CanvasMouseTest, ResizepicBandCreatesABackgroundOfTheDraggedSize)
{
    window->control<QToolButton>("SpeedButton4")->setChecked(true);
    settle();
    press(QPoint(30, 40));
    EXPECT_TRUE(window->canvasMouse().bandActive());
    EXPECT_EQ(window->canvasMouse().bandStart(), QPoint(30, 40));

    move(QPoint(130, 90));
    EXPECT_EQ(canvasPixel(30, 60), Black);   // the band's left side
    EXPECT_EQ(canvasPixel(80, 40), Black);   // its top
    EXPECT_EQ(canvasPixel(80, 60), White);   // an outline only
    move(QPoint(10, 90));                    // left of the start: no band shown
    EXPECT_EQ(canvasPixel(30, 60), White);

    modals->onWindow<TForm2>([](TForm2 &p) {
        EXPECT_TRUE(p.ResizepicMode);
        p.selectFile(QStringLiteral("9200.Bmp"));
        p.Button1->click();
    });
    release(QPoint(130, 90));
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "resizepic", "30", "40", "9200.Bmp", "100", "50", "}EOP"}));
    EXPECT_FALSE(window->control<QToolButton>("SpeedButton4")->isChecked());
    EXPECT_FALSE(window->canvasMouse().bandActive());
}

TEST_F(CanvasMouseTest, ResizepicBandDrawnUpOrLeftCreatesNothing)
{
    window->control<QToolButton>("SpeedButton4")->setChecked(true);
    settle();
    press(QPoint(100, 100));
    release(QPoint(50, 120));
    press(QPoint(100, 100));
    release(QPoint(120, 99));
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "}EOP"}));
    EXPECT_TRUE(window->control<QToolButton>("SpeedButton4")->isChecked());
    EXPECT_TRUE(window->canvasMouse().bandActive());
    EXPECT_TRUE(modals->shown().isEmpty());

    // With the brush let go, a drag is a drag again, not the band left behind.
    window->state().DATA = Document(oneGumppic);
    settle();
    window->DRAWClick();
    settle();
    window->control<QToolButton>("SpeedButton4")->setChecked(false);
    settle();
    press(QPoint(22, 33));
    move(QPoint(42, 43));
    release(QPoint(42, 43));
    EXPECT_EQ(lines().mid(3, 2), QStringList({"40", "40"}));
    EXPECT_FALSE(window->canvasMouse().bandActive());

    // A cancelled picker creates nothing and redraws the canvas without the band.
    window->control<QToolButton>("SpeedButton4")->setChecked(true);
    settle();
    press(QPoint(10, 10));
    move(QPoint(40, 40));
    modals->onWindow<TForm2>([](TForm2 &p) { p.Button2->click(); });
    release(QPoint(40, 40));
    EXPECT_EQ(lines().size(), oneGumppic.size());
    EXPECT_EQ(canvasPixel(10, 20), White);
}

TEST_F(CanvasMouseTest, BrushesAreIgnoredInInsertStyle)
{
    open(oneGumppic);
    window->control<QToolButton>("SpeedButton3")->setChecked(true);
    settle();
    window->control<QGroupBox>("BrushGroup")->hide();
    settle();
    press(QPoint(22, 33));
    EXPECT_TRUE(window->state().Dragging);
    release(QPoint(22, 33));
    EXPECT_EQ(lines(), oneGumppic);
}

TEST_F(CanvasMouseTest, PointerAndDragMarksOnTheRulers)
{
    const QRgb interactive = 0xFFFF0000u; // the default "Interactive" colour, red
    open(oneGumppic);
    move(QPoint(40, 10), Qt::NoButton);
    EXPECT_EQ(window->control<ImageView>("Image7")->picture().pixel(58, 1), interactive);
    EXPECT_EQ(window->control<ImageView>("Image6")->picture().pixel(1, 10), interactive);
    move(QPoint(41, 11), Qt::NoButton);
    EXPECT_NE(window->control<ImageView>("Image7")->picture().pixel(58, 1), interactive); // no trail

    options().mouseRead = false;
    window->RULERDRAWTimer();
    settle();
    move(QPoint(40, 10), Qt::NoButton);
    EXPECT_NE(window->control<ImageView>("Image7")->picture().pixel(58, 1), interactive);

    // While dragging: both edges of the element on each ruler.
    press(QPoint(20, 30));
    move(QPoint(30, 35));
    const QImage top = window->control<ImageView>("Image7")->picture(), left = window->control<ImageView>("Image6")->picture();
    EXPECT_EQ(top.pixel(30 + 18, 1), interactive);
    EXPECT_EQ(top.pixel(38 + 18, 1), interactive);
    EXPECT_EQ(left.pixel(1, 35), interactive);
    EXPECT_EQ(left.pixel(1, 41), interactive);
    release(QPoint(30, 35));
}

TEST_F(CanvasMouseTest, PointerMarksAreWipedOnceThePointerLeftTheCanvas)
{
    const QRgb interactive = 0xFFFF0000u;
    move(QPoint(40, 10), Qt::NoButton);
    ASSERT_EQ(window->control<ImageView>("Image7")->picture().pixel(58, 1), interactive);
    QCursor::setPos(window->control<CanvasImage>("Image1")->mapToGlobal(QPoint(40, 10)));
    window->MouseRemoveTimer();
    settle();
    EXPECT_EQ(window->control<ImageView>("Image7")->picture().pixel(58, 1), interactive);
    QCursor::setPos(window->control<CanvasImage>("Image1")->mapToGlobal(QPoint(-40, 10)));
    window->MouseRemoveTimer();
    settle();
    EXPECT_NE(window->control<ImageView>("Image7")->picture().pixel(58, 1), interactive);
    EXPECT_EQ(window->control<QTimer>("MouseRemove")->interval(), 1000);
    EXPECT_TRUE(window->control<QTimer>("MouseRemove")->isActive());
}

TEST_F(CanvasMouseTest, RecordsThatCannotBePickedAreNamedOnceWithoutAnErrorBox)
{
    open({"{BOP", "0", "gumppic", "20", "30", "1F4.bmp", "resizepic", "10", "10", "9200.Bmp", "wide", "90", "}EOP"});
    press(QPoint(22, 33));
    EXPECT_TRUE(window->state().Dragging); // the gumppic beneath is still found
    move(QPoint(23, 34));
    release(QPoint(23, 34));
    window->control<QLabel>("Label8")->clear();
    settle();
    press(QPoint(300, 300));
    EXPECT_TRUE(window->control<QLabel>("Label8")->text().isEmpty()); // named before, not again
    EXPECT_TRUE(modals->messages(Modal::MessageKind::Error).isEmpty());
}

// Missing art is drawn as a frame, and the frame picks it anywhere inside.
TEST_F(CanvasMouseTest, MissingArtIsPickedByItsFrameAndRaisesNoError)
{
    open({"{BOP", "0", "gumppic", "20", "30", "1F4.bmp", "gumppic", "20", "30", "FFF.bmp", "}EOP"});
    press(QPoint(40, 50));
    EXPECT_EQ(window->state().SelectedLine, 6);
    release(QPoint(22, 33));
    EXPECT_TRUE(modals->messages(Modal::MessageKind::Error).isEmpty());
}

TEST_F(CanvasMouseTest, ArrowKeysNudgeTheSelectionFromTheListedControls)
{
    open(oneGumppic);
    select(0);
    QTest::keyClick(window->control<QToolButton>("REMOVEBUT"), Qt::Key_Left);
    QTest::keyClick(window->control<QPushButton>("Button22"), Qt::Key_Up);
    EXPECT_EQ(lines().mid(3, 2), QStringList({"19", "29"}));
    window->setFocus(); // the window's own keys
    QTest::keyClick(window.get(), Qt::Key_Right);
    QTest::keyClick(window->control<SpinEdit>("CSpinEdit1"), Qt::Key_Right);
    EXPECT_EQ(lines().mid(3, 2), QStringList({"21", "29"}));
    // The canvas shows the move when the turn ends.
    settle();
    EXPECT_TRUE(window->view().isCurrent(window->state()));
    EXPECT_EQ(window->control<QComboBox>("ComboBox1")->itemText(0), QStringLiteral("Gumppic at 21 29 Useing 500"));

    // Down in the select list moves the element, then the list goes on as usual.
    QTest::keyClick(window->control<QComboBox>("ComboBox1"), Qt::Key_Down);
    EXPECT_EQ(lines().mid(3, 2), QStringList({"21", "30"}));
    // Left at 0 writes -1; the X spin's readout mends it to 0.
    window->state().DATA.setLine(3, QStringLiteral("0"));
    settle();
    QTest::keyClick(window->control<QPushButton>("EDITOPTIONS"), Qt::Key_Left);
    EXPECT_EQ(lines()[3], QStringLiteral("-1"));
    window->Timer1Timer();
    settle();
    EXPECT_EQ(lines()[3], QStringLiteral("0"));
}

TEST_F(CanvasMouseTest, AnyKeyRedrawsAndWithoutSelectionNothingMoves)
{
    open(oneGumppic);
    DocumentCommands::openDocument(window->state(), {"{BOP", "0", "gumppic", "20", "30", "1F4.bmp", "gumppic", "1", "1",
                                                     "2A.BMP", "}EOP"}, QString());
    QTest::keyClick(window->control<QPushButton>("Button10"), Qt::Key_A);
    settle();
    EXPECT_EQ(window->control<QComboBox>("ComboBox1")->count(), 2); // redrawn, since the document said it changed
    QTest::keyClick(window->control<QPushButton>("Button10"), Qt::Key_Left);
    EXPECT_EQ(lines().mid(3, 2), QStringList({"20", "30"}));
    EXPECT_EQ(lines().mid(7, 2), QStringList({"1", "1"}));
}

TEST_F(CanvasMouseTest, ANudgeOfAnUnreadablePositionShowsTheErrorOnce)
{
    open({"{BOP", "0", "gumppic", "20", "y", "1F4.bmp", "}EOP"});
    select(0);
    QTest::keyClick(window->control<QPushButton>("Button11"), Qt::Key_Down);
    EXPECT_EQ(modals->messages(Modal::MessageKind::Error), QStringList({"'y' is not a valid integer value"}));
    EXPECT_EQ(lines()[4], QStringLiteral("y"));
}

TEST_F(CanvasMouseTest, NewerKindBrushesPlaceSelectAndHandTheirOptionsToThePanel)
{
    ASSERT_EQ(window->control<QToolButton>("ControlBrush")->menu()->actions().size(), 10);
    for (QAction *kind : window->control<QToolButton>("ControlBrush")->menu()->actions())
        EXPECT_TRUE(kind->toolTip().startsWith(kind->text() + ": ")) << kind->text().toStdString();
    EXPECT_TRUE(window->control<QToolButton>("ControlBrush")->isVisible());
    // The column holds every group without scrolling at the window's first size.
    EXPECT_TRUE(window->control<QGroupBox>("OtherGroup")->visibleRegion().boundingRect().height() >= window->control<QGroupBox>("OtherGroup")->height() - 1);

    // Choosing a kind presses the brush; one brush at a time, the classic ones included.
    window->control<QToolButton>("SpeedButton3")->setChecked(true);
    settle();
    window->control<QToolButton>("ControlBrush")->menu()->actions()[2]->trigger();
    settle();
    EXPECT_TRUE(window->control<QToolButton>("ControlBrush")->isChecked());
    EXPECT_EQ(window->control<QToolButton>("ControlBrush")->text(), "Textentry");
    EXPECT_FALSE(window->control<QToolButton>("SpeedButton3")->isChecked());
    window->control<QToolButton>("ControlBrush")->click();   // let go
    EXPECT_FALSE(window->control<QToolButton>("ControlBrush")->isChecked());
    window->control<QToolButton>("ControlBrush")->menu()->actions()[0]->trigger();
    settle();

    press(QPoint(20, 30));
    move(QPoint(80, 70));
    release(QPoint(80, 70));
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "htmlgump", "20", "30", "60", "40", "0", "0", "Text", "}EOP"}));
    EXPECT_FALSE(window->control<QToolButton>("ControlBrush")->isChecked());
    EXPECT_EQ(window->state().SelectedLine, 2);
    EXPECT_EQ(window->control<QComboBox>("ComboBox1")->currentIndex(), 0);
    EXPECT_FALSE(window->control<QDockWidget>("PropertiesDock")->isHidden());
    EXPECT_EQ(window->control<PropertyPanel>("Properties")->shownKind(), ElementKind::Htmlgump);
    EXPECT_TRUE(window->control<QPushButton>("CHANGEIMAGE")->isHidden());
    EXPECT_FALSE(window->control<QPushButton>("EDITOPTIONS")->isHidden());

    // "Options" brings a closed panel back with the keyboard in the text.
    window->control<QDockWidget>("PropertiesDock")->close();
    settle();
    window->control<QPushButton>("EDITOPTIONS")->click();
    settle();
    EXPECT_FALSE(window->control<QDockWidget>("PropertiesDock")->isHidden());
    EXPECT_EQ(window->focusWidget(), window->control<PropertyPanel>("Properties")->editorOf(7));
    EXPECT_EQ(modals->shown().size(), 0);   // no window of the classic kinds

    // A check box takes its art from the button folder; "Change Image" swaps
    // it as one undo step, and a double-click goes to its options.
    writeBitmap(QStringLiteral("DATA/buttons/other.bmp"));
    window->control<QToolButton>("ControlBrush")->menu()->actions()[3]->trigger();
    settle();
    scriptPicker(QStringLiteral("okay.bmp"));
    press(QPoint(150, 20));
    release(QPoint(150, 20));
    const int at = window->state().SelectedLine;
    ASSERT_EQ(lines().mid(at, 4), QStringList({"checkbox", "150", "20", "okay.bmp"}));
    EXPECT_FALSE(window->control<QPushButton>("CHANGEIMAGE")->isHidden());
    scriptPicker(QStringLiteral("other.bmp"));
    window->control<QPushButton>("CHANGEIMAGE")->click();
    settle();
    EXPECT_EQ(lines()[at + 3], "other.bmp");
    window->control<QAction>("Undo1")->trigger();
    settle();
    EXPECT_EQ(lines()[at + 3], "okay.bmp");

    // The panel's new rows show once the event loop runs, as it does before a double-click.
    QCoreApplication::processEvents();
    const qsizetype windowsBefore = modals->shown().size();
    window->Image1DblClick(152, 22);
    settle();
    EXPECT_EQ(window->state().SelectedLine, at);
    EXPECT_EQ(window->focusWidget(), window->control<PropertyPanel>("Properties")->editorOf(4));   // its checked flag
    EXPECT_EQ(modals->shown().size(), windowsBefore);

    if (const QString shot = qEnvironmentVariable("QM_SHOT"); !shot.isEmpty()) {
        QTest::qWait(200);
        window->grab().save(shot);
        settle();
    }
}
