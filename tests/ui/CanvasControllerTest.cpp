#include "ui/CanvasController.h"
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
    EditorState state;
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
