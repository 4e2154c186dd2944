#include "document/SelectionSet.h"
#include "editor/CanvasController.h"
#include "render/SelectionFrame.h"
#include "support/SyntheticArt.h"

#include <QTemporaryDir>
#include <QUndoStack>
#include <gtest/gtest.h>

#include <deque>

namespace {

constexpr QRgb Red = 0xFFFF0000u;
constexpr QRgb White = 0xFFFFFFFFu;

// Records what the controller asks of the window; the handlers it may run
// do what the main window's do.
class FakeHost : public CanvasHost
{
public:
    Brush brush = Brush::None;
    QPoint scroll;
    QImage shown;
    QStringList calls;
    std::function<void()> onSelection;
    std::function<void()> onRedraw;

    Brush brushDown() const override { return brush; }
    void releaseBrush(Brush) override { brush = Brush::None; calls << "release brush"; }
    QPoint scrollPosition() const override { return scroll; }
    QImage canvasPicture() const override { return shown; }
    void showCanvas(const QImage &frame) override { shown = frame; }
    void showRulers(const QImage &, const QImage &) override {}
    void showStatus(const QString &text) override { calls << "status " + text; }
    void showDrawTime(const QString &) override {}
    void showPopupMenu(QPoint at) override { calls << QStringLiteral("popup %1 %2").arg(at.x()).arg(at.y()); }
    void showSelectEntry(int entry) override { calls << QStringLiteral("entry %1").arg(entry); }
    void setReadoutRunning(bool running) override { calls << (running ? "readout on" : "readout off"); }
    void selectionChosen() override { calls << "chosen"; if (onSelection) onSelection(); }
    void selectionChanged() override { calls << "changed"; if (onSelection) onSelection(); }
    void removeSelected() override { calls << "remove"; }
    void autoSave() override { calls << "autosave"; }
    void redraw() override { calls << "redraw"; if (onRedraw) onRedraw(); }
};

class NoDialogs : public ElementDialogs
{
public:
    std::deque<std::optional<QString>> pictures;
    std::optional<QString> pickImage(const QString &, PickerMode) override
    {
        if (pictures.empty())
            return std::nullopt;
        auto next = pictures.front();
        pictures.pop_front();
        return next;
    }
    ButtonOptions askButtonOptions() override { return {}; }
    int askHue() override { return 0; }
    QString askText() override { return {}; }
};

// A 100 × 80 canvas over art 1F4.bmp (8 × 6 red); the host's handlers
// redraw as the window's do.
class CanvasControllerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        SyntheticArt::writeFile(dir.path(), "DATA/1F4.bmp", SyntheticArt::bmpBytes(SyntheticArt::solid(8, 6, Red)));
        renderer.setAppDir(dir.path() + u'/');
        view.setCanvasSize(QSize(100, 80));
        rulers = drawRulers(136, 80, RulerStyle());
        host.onRedraw = [this] {
            view.redraw(state, settings);
            host.shown = view.canvas();
        };
        host.onSelection = [this] {
            view.invalidate();
            host.onRedraw();
        };
    }

    void open(const QStringList &lines)
    {
        state.DATA = Document(lines);
        host.onRedraw();
        host.calls.clear();
    }

    QTemporaryDir dir;
    PageRenderer renderer;
    CanvasView view{renderer};
    EditorState state = EditorState::batch();
    Settings settings;
    RulerImages rulers;
    NoDialogs dialogs;
    FakeHost host;
    CanvasController mouse{state, view, renderer, settings, rulers, dialogs, host};
};

} // namespace

TEST_F(CanvasControllerTest, DragCompositesTheElementOverTheSnapshotAndWritesItsPosition)
{
    open({"{BOP", "0", "gumppic", "20", "30", "1F4.bmp", "}EOP"});
    host.scroll = QPoint(5, 0);
    mouse.press(Qt::LeftButton, QPoint(17, 32)); // document (22, 32)
    EXPECT_TRUE(state.Dragging);
    EXPECT_EQ(mouse.grabOffset(), QPoint(2, 2));
    EXPECT_EQ(host.calls, QStringList({"entry 0", "chosen", "readout off"}));

    mouse.move(Qt::LeftButton, QPoint(42, 12));
    EXPECT_EQ(state.DATA.lines().mid(3, 2), QStringList({"45", "10"}));
    EXPECT_EQ(host.shown.pixel(41, 11), Red);
    EXPECT_EQ(host.shown.pixel(16, 31), White); // the snapshot lacks the dragged element

    mouse.release(Qt::LeftButton, QPoint(42, 12));
    EXPECT_FALSE(state.Dragging);
    EXPECT_EQ(host.calls.mid(host.calls.size() - 2), QStringList({"readout on", "redraw"}));
}

TEST_F(CanvasControllerTest, ButtonActionsRunTheirHandlers)
{
    open({"{BOP", "0", "gumppic", "20", "30", "1F4.bmp", "}EOP"});
    const struct
    {
        const char *action;
        QPoint at;
        QStringList calls;
    } cases[] = {
        {"Menu", QPoint(50, 50), {"popup 53 53"}},
        {"AutoSave", QPoint(50, 50), {"autosave"}},
        {"NONE", QPoint(22, 32), {}},
        {"Select", QPoint(50, 50), {}}, // nothing there
        {"Select", QPoint(22, 32), {"entry 0", "chosen"}},
        {"Remove", QPoint(22, 32), {"entry 0", "remove"}},
    };
    for (const auto &c : cases) {
        host.calls.clear();
        settings.rightAction = QString::fromLatin1(c.action);
        mouse.press(Qt::RightButton, c.at);
        EXPECT_EQ(host.calls, c.calls) << c.action;
        EXPECT_FALSE(state.Dragging);
    }
}

TEST_F(CanvasControllerTest, BandDrawnRightAndDownAddsABackgroundAndReleasesTheBrush)
{
    open({"{BOP", "0", "}EOP"});
    host.brush = CanvasHost::Brush::Resizepic;
    dialogs.pictures = {QStringLiteral("9200.bmp")};
    host.scroll = QPoint(10, 0);

    mouse.press(Qt::LeftButton, QPoint(20, 20));
    EXPECT_TRUE(mouse.bandActive());
    EXPECT_EQ(mouse.bandStart(), QPoint(30, 20));
    mouse.move(Qt::LeftButton, QPoint(10, 40)); // left of the start: no outline
    EXPECT_EQ(host.shown.pixel(10, 40), White);
    mouse.release(Qt::LeftButton, QPoint(10, 40));
    EXPECT_TRUE(mouse.bandActive()); // the brush stays for another try
    EXPECT_EQ(state.DATA.size(), 3);

    mouse.press(Qt::LeftButton, QPoint(20, 20));
    mouse.move(Qt::LeftButton, QPoint(60, 50));
    EXPECT_EQ(host.shown.pixel(20, 35), 0xFF000000u); // the outline's left edge
    mouse.release(Qt::LeftButton, QPoint(60, 50));
    EXPECT_FALSE(mouse.bandActive());
    EXPECT_EQ(host.brush, CanvasHost::Brush::None);
    EXPECT_EQ(state.DATA.lines(),
              QStringList({"{BOP", "0", "resizepic", "30", "20", "9200.bmp", "40", "30", "}EOP"}));
}

TEST_F(CanvasControllerTest, ACancelledBrushPickerKeepsTheBrush)
{
    open({"{BOP", "0", "}EOP"});
    host.brush = CanvasHost::Brush::Gumppic;
    mouse.press(Qt::LeftButton, QPoint(7, 9));
    EXPECT_EQ(host.brush, CanvasHost::Brush::Gumppic);
    EXPECT_EQ(state.DATA.size(), 3);

    dialogs.pictures = {QStringLiteral("1F4.bmp")};
    mouse.press(Qt::LeftButton, QPoint(7, 9));
    EXPECT_EQ(host.brush, CanvasHost::Brush::None);
    EXPECT_EQ(state.DATA.lines().mid(2, 4), QStringList({"gumppic", "7", "9", "1F4.bmp"}));
}

TEST_F(CanvasControllerTest, AnUnreadableRecordIsNamedOnceHoweverOftenItIsPassed)
{
    open({"{BOP", "0", "gumppic", "x", "30", "1F4.bmp", "}EOP"});
    settings.leftAction = QStringLiteral("Select");
    for (int i = 0; i < 3; ++i)
        mouse.press(Qt::LeftButton, QPoint(1, 1));
    EXPECT_EQ(host.calls.filter(QStringLiteral("cannot be picked")).size(), 1);
}

TEST_F(CanvasControllerTest, ADragFromPressToReleaseIsOneUndoStep)
{
    QUndoStack history;
    state.History = &history;
    open({"{BOP", "0", "gumppic", "20", "30", "1F4.bmp", "}EOP"});
    const QStringList before = state.DATA.lines();
    mouse.press(Qt::LeftButton, QPoint(22, 32));
    for (int x = 30; x <= 60; x += 10)
        mouse.move(Qt::LeftButton, QPoint(x, 12));
    mouse.release(Qt::LeftButton, QPoint(60, 12));
    ASSERT_EQ(history.count(), 1);
    EXPECT_EQ(state.DATA.lines().mid(3, 2), QStringList({"58", "10"}));
    history.undo();
    EXPECT_EQ(state.DATA.lines(), before);
    EXPECT_EQ(state.SelectedLine, 2);

    // A click without a move changes nothing and is no step.
    mouse.press(Qt::LeftButton, QPoint(22, 32));
    mouse.release(Qt::LeftButton, QPoint(22, 32));
    EXPECT_EQ(history.count(), 1);
    EXPECT_TRUE(history.canRedo());
    state.History = nullptr;
}

namespace {

// Three 8 × 6 pictures: line 2 at (10, 10), line 6 at (40, 10), line 10 at (10, 50).
const QStringList ThreePictures = {"{BOP", "0",   "gumppic", "10", "10", "1F4.bmp", "gumppic", "40", "10",
                                   "1F4.bmp", "gumppic", "10", "50", "1F4.bmp", "}EOP"};

} // namespace

TEST_F(CanvasControllerTest, CtrlClickBandAndEmptyClicksChooseTheSelection)
{
    open(ThreePictures);
    struct Step { QPoint press, release; Qt::KeyboardModifiers keys; QList<int> selected; const char *what; };
    const Step steps[] = {
        {{12, 12}, {12, 12}, Qt::NoModifier, {2}, "a click selects one"},
        {{42, 12}, {42, 12}, Qt::ControlModifier, {2, 6}, "Ctrl-click adds, as primary"},
        {{12, 52}, {12, 52}, Qt::ControlModifier, {2, 6, 10}, "and again"},
        {{42, 12}, {42, 12}, Qt::ControlModifier, {2, 10}, "Ctrl-click on a selected one takes it out"},
        {{70, 70}, {70, 70}, Qt::NoModifier, {}, "a click on empty canvas clears"},
        {{5, 5}, {45, 12}, Qt::NoModifier, {2, 6}, "the band selects what it touches"},
        {{5, 45}, {11, 51}, Qt::ControlModifier, {2, 6, 10}, "Ctrl and the band add"},
        {{60, 40}, {90, 70}, Qt::NoModifier, {}, "a band over nothing clears"},
    };
    for (const Step &s : steps) {
        mouse.press(Qt::LeftButton, s.press, s.keys);
        mouse.move(Qt::LeftButton, s.release, s.keys);
        mouse.release(Qt::LeftButton, s.release);
        EXPECT_EQ(SelectionSet::lines(state), s.selected) << s.what;
        EXPECT_FALSE(state.Dragging) << s.what;
    }
}

TEST_F(CanvasControllerTest, EverySelectedElementIsFramedAndDraggedTogetherInOneStep)
{
    QUndoStack history;
    state.History = &history;
    open(ThreePictures);
    SelectionSet::selectLines(state, {2, 10});
    host.onRedraw();
    const QRgb frame = 0xFF000000u | ColorText::toRgb(SelectionFrame::NearBlack);
    EXPECT_EQ(host.shown.pixel(10, 10), frame);
    EXPECT_EQ(host.shown.pixel(10, 50), frame);
    EXPECT_EQ(host.shown.pixel(40, 10), Red);   // not selected: no frame

    mouse.press(Qt::LeftButton, QPoint(12, 12));
    EXPECT_EQ(SelectionSet::lines(state), QList<int>({10, 2}));  // both kept, the pressed one primary
    mouse.move(Qt::LeftButton, QPoint(22, 17));
    EXPECT_EQ(host.shown.pixel(22, 17), Red);   // both drawn at the new place
    EXPECT_EQ(host.shown.pixel(22, 57), Red);
    mouse.release(Qt::LeftButton, QPoint(22, 17));
    EXPECT_EQ(state.DATA.lines().mid(3, 2), QStringList({"20", "15"}));
    EXPECT_EQ(state.DATA.lines().mid(11, 2), QStringList({"20", "55"}));
    EXPECT_EQ(state.DATA.lines().mid(7, 2), QStringList({"40", "10"}));
    ASSERT_EQ(history.count(), 1);
    history.undo();
    EXPECT_EQ(state.DATA.lines(), ThreePictures);
    state.History = nullptr;
}

TEST_F(CanvasControllerTest, DragsSnapToTheGridAndToEdgesUnlessAltIsHeld)
{
    settings.gridSnap = true;
    settings.gridSpacing = 10;
    struct Case { QPoint to; Qt::KeyboardModifiers keys; QStringList position; const char *what; };
    const Case cases[] = {
        {{26, 67}, Qt::NoModifier, {"20", "70"}, "to the grid"},
        {{26, 67}, Qt::AltModifier, {"24", "65"}, "Alt suspends it"},
        {{43, 26}, Qt::NoModifier, {"40", "20"}, "the left edge onto the other's left, the top to the grid"},
    };
    for (const Case &c : cases) {
        open(ThreePictures);
        mouse.press(Qt::LeftButton, QPoint(12, 52));   // grabs (2, 2) into line 10
        mouse.move(Qt::LeftButton, c.to, c.keys);
        mouse.release(Qt::LeftButton, c.to);
        EXPECT_EQ(state.DATA.lines().mid(11, 2), c.position) << c.what;
    }
    // The guide of an edge snap is drawn in the interactive colour.
    open(ThreePictures);
    mouse.press(Qt::LeftButton, QPoint(12, 52));
    mouse.move(Qt::LeftButton, QPoint(43, 33));
    EXPECT_EQ(state.DATA.lines().mid(11, 2), QStringList({"40", "30"}));
    EXPECT_EQ(host.shown.pixel(40, 75), 0xFF000000u | ColorText::toRgb(settings.interactiveColor));
    mouse.release(Qt::LeftButton, QPoint(43, 33));
}

TEST_F(CanvasControllerTest, PickingDraggingAndBandsWorkInDocumentPixelsAtEveryZoom)
{
    for (int zoom : {25, 50, 200, 400}) {
        SCOPED_TRACE(zoom);
        open(ThreePictures);
        state.Zoom = zoom;
        const auto screen = [zoom](int x, int y) { return QPoint(x * zoom / 100, y * zoom / 100); };
        mouse.press(Qt::LeftButton, screen(44, 14));
        EXPECT_EQ(state.SelectedLine, 6);
        mouse.move(Qt::LeftButton, screen(64, 34));
        mouse.release(Qt::LeftButton, screen(64, 34));
        EXPECT_EQ(state.DATA.lines().mid(7, 2), QStringList({"60", "30"}));

        mouse.press(Qt::LeftButton, screen(1, 1));
        mouse.move(Qt::LeftButton, screen(20, 60));
        mouse.release(Qt::LeftButton, screen(20, 60));
        EXPECT_EQ(SelectionSet::lines(state), QList<int>({2, 10}));
        state.Zoom = 100;
    }
}

TEST_F(CanvasControllerTest, AHandleOfASelectedBackgroundResizesItInOneStep)
{
    QUndoStack history;
    state.History = &history;
    const QStringList background = {"{BOP", "0", "resizepic", "10", "10", "9200.bmp", "40", "30", "}EOP"};
    struct Case { QPoint grab; QPoint to; QStringList fields; const char *what; };
    const Case cases[] = {
        {{50, 40}, {60, 45}, {"10", "10", "9200.bmp", "50", "35"}, "bottom-right"},
        {{10, 10}, {20, 5}, {"20", "5", "9200.bmp", "30", "35"}, "top-left: the opposite corner stays"},
        {{50, 25}, {0, 25}, {"10", "10", "9200.bmp", "1", "30"}, "right edge past the left: one pixel wide"},
    };
    for (const Case &c : cases) {
        open(background);
        SelectionSet::selectOnly(state, 2);
        ASSERT_TRUE(mouse.handleBox()) << c.what;
        history.clear();
        mouse.press(Qt::LeftButton, c.grab);
        EXPECT_FALSE(state.Dragging) << c.what;
        mouse.move(Qt::LeftButton, c.to);
        mouse.release(Qt::LeftButton, c.to);
        EXPECT_EQ(state.DATA.lines().mid(3, 5), c.fields) << c.what;
        ASSERT_EQ(history.count(), 1) << c.what;
        EXPECT_EQ(history.undoText(), QStringLiteral("Resize"));
    }
    state.History = nullptr;
}

TEST_F(CanvasControllerTest, NewerKindBrushesPlaceSelectAndReleaseInOneStepEach)
{
    using Brush = CanvasHost::Brush;
    QUndoStack history;
    state.History = &history;
    settings.gridSnap = true;
    settings.gridSpacing = 10;
    const struct
    {
        Brush brush;
        QPoint press, release;
        std::optional<QString> picked;   // the picker's answer, for the kinds with art
        QStringList record;              // the placed record; empty when nothing is placed
        const char *what;
    } cases[] = {
        {Brush::Tilepic, {23, 17}, {23, 17}, std::nullopt, {"tilepic", "20", "20", "3821", "0"}, "a click, snapped"},
        {Brush::Checkbox, {41, 8}, {41, 8}, QStringLiteral("box.bmp"),
         {"checkbox", "40", "10", "box.bmp", "0", "1"}, "with its art"},
        {Brush::Htmlgump, {11, 9}, {52, 38}, std::nullopt,
         {"htmlgump", "10", "10", "40", "30", "0", "0", "Text"}, "a drawn box, snapped"},
        {Brush::Checkertrans, {30, 30}, {31, 32}, std::nullopt,
         {"checkertrans", "30", "30", "100", "100"}, "a click keeps the initial size"},
        {Brush::Gumppictiled, {10, 10}, {30, 40}, QStringLiteral("1F4.bmp"),
         {"gumppictiled", "10", "10", "20", "30", "1F4.bmp"}, "a drawn box with art"},
    };
    for (const auto &c : cases) {
        open({"{BOP", "0", "}EOP"});
        history.clear();
        host.brush = c.brush;
        dialogs.pictures.clear();
        if (c.picked)
            dialogs.pictures.push_back(c.picked);
        mouse.press(Qt::LeftButton, c.press);
        mouse.move(Qt::LeftButton, c.release);
        mouse.release(Qt::LeftButton, c.release);
        EXPECT_EQ(state.DATA.lines().mid(2, c.record.size()), c.record) << c.what;
        EXPECT_EQ(host.brush, Brush::None) << c.what;
        EXPECT_EQ(history.count(), 1) << c.what;
        EXPECT_EQ(state.SelectedLine, 2) << c.what;       // selected, so its panel shows
        EXPECT_EQ(state.SelectIndex, 0) << c.what;
        EXPECT_TRUE(host.calls.contains("chosen")) << c.what;
        EXPECT_FALSE(mouse.bandActive()) << c.what;
    }
    state.History = nullptr;
}

TEST_F(CanvasControllerTest, ABoxBrushKeepsItsBrushForAnUpwardBandOrACancelledPicker)
{
    using Brush = CanvasHost::Brush;
    const struct { Brush brush; QPoint press, release; const char *what; } cases[] = {
        {Brush::Croppedtext, {40, 40}, {20, 50}, "drawn left of its start"},
        {Brush::Textentry, {40, 40}, {50, 20}, "drawn above its start"},
        {Brush::Gumppictiled, {10, 10}, {30, 30}, "its picker cancelled"},
    };
    for (const auto &c : cases) {
        open({"{BOP", "0", "}EOP"});
        host.brush = c.brush;
        dialogs.pictures.clear();
        mouse.press(Qt::LeftButton, c.press);
        mouse.move(Qt::LeftButton, c.release);
        mouse.release(Qt::LeftButton, c.release);
        EXPECT_EQ(state.DATA.lines(), QStringList({"{BOP", "0", "}EOP"})) << c.what;
        EXPECT_EQ(host.brush, c.brush) << c.what;
        EXPECT_EQ(host.shown.pixel(c.press), White) << c.what;   // no band left on the canvas
        EXPECT_FALSE(host.calls.contains("chosen")) << c.what;
    }
    host.brush = Brush::None;
}
