// Figures for the canvas mouse on a page of 1,000 pictures: one drag frame at
// 400 % (the controller's frame and its enlargement to the screen), and a
// band that selects all of them followed by frames that move them all.
#include "document/SelectionCommands.h"
#include "document/SelectionSet.h"
#include "editor/CanvasController.h"
#include "editor/CanvasScroll.h"
#include "editor/CanvasView.h"
#include "render/PageRenderer.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "GuiBenchmarkMain.h"

namespace {

class BenchHost : public CanvasHost
{
public:
    CanvasView *view = nullptr;
    EditorState *state = nullptr;
    const Settings *settings = nullptr;
    QImage shown;

    Brush brushDown() const override { return Brush::None; }
    void releaseBrush(Brush) override {}
    QPoint scrollPosition() const override { return QPoint(); }
    QImage canvasPicture() const override { return shown; }
    void showCanvas(const QImage &frame) override { shown = frame; }
    void showRulers(const QImage &, const QImage &) override {}
    void showStatus(const QString &) override {}
    void showDrawTime(const QString &) override {}
    void showPopupMenu(QPoint) override {}
    void showSelectEntry(int) override {}
    void setReadoutRunning(bool) override {}
    void selectionChosen() override { SelectionCommands::select(*state, state->SelectIndex); redraw(); }
    void selectionChanged() override { view->invalidate(); redraw(); }
    void removeSelected() override {}
    void autoSave() override {}
    void redraw() override
    {
        view->redraw(*state, *settings);
        shown = view->canvas();
    }
};

class NoDialogs : public ElementDialogs
{
public:
    std::optional<QString> pickImage(const QString &, PickerMode) override { return std::nullopt; }
    ButtonOptions askButtonOptions() override { return {}; }
    int askHue() override { return 0; }
    QString askText() override { return {}; }
};

// A 548 × 400 page of 1,000 pictures 8 × 6 on a 40 × 25 grid, shown at zoom.
struct Canvas
{
    QTemporaryDir dir;
    PageRenderer renderer;
    CanvasView view{renderer};
    EditorState state = EditorState::batch();
    Settings settings;
    RulerImages rulers;
    NoDialogs dialogs;
    BenchHost host;
    CanvasController mouse{state, view, renderer, settings, rulers, dialogs, host};
    QImage screen;

    explicit Canvas(int zoom)
    {
        QDir(dir.path()).mkpath(QStringLiteral("DATA"));
        QImage art(8, 6, QImage::Format_RGB32);
        art.fill(Qt::red);
        art.save(dir.path() + QStringLiteral("/DATA/1F4.bmp"), "BMP");
        renderer.setAppDir(dir.path() + u'/');
        QStringList lines{"{BOP", "0"};
        for (int e = 0; e < 1000; ++e)
            lines << "gumppic" << QString::number(10 + e % 40 * 13) << QString::number(10 + e / 40 * 15) << "1F4.bmp";
        lines << "}EOP";
        state.DATA = Document(lines);
        state.Zoom = zoom;
        // The canvas widget keeps the window's size; at 400 % it shows a quarter of the page.
        view.setCanvasSize(CanvasScroll::documentViewport(QSize(548, 400), zoom));
        host.view = &view;
        host.state = &state;
        host.settings = &settings;
        screen = QImage(548, 400, QImage::Format_RGB32);
        host.redraw();
    }
    QPoint onScreen(int x, int y) const { return QPoint(x * state.Zoom / 100, y * state.Zoom / 100); }
    // What the canvas widget does with each frame: the enlargement, pixels kept square.
    void paintScreen()
    {
        QPainter painter(&screen);
        const QSize scaled(host.shown.width() * state.Zoom / 100, host.shown.height() * state.Zoom / 100);
        painter.drawImage(QRect(QPoint(0, 0), scaled), host.shown);
    }
};

void DragFrameAt400PercentWith1000Elements(benchmark::State &bench)
{
    Canvas canvas(400);
    canvas.mouse.press(Qt::LeftButton, canvas.onScreen(12, 12));
    int step = 0;
    for (auto _ : bench) {
        canvas.mouse.move(Qt::LeftButton, canvas.onScreen(100 + step % 200, 100 + step % 150));
        canvas.paintScreen();
        ++step;
    }
    canvas.mouse.release(Qt::LeftButton, canvas.onScreen(100, 100));
    bench.SetLabel("controller frame + enlargement to the 548 x 400 canvas");
}
BENCHMARK(DragFrameAt400PercentWith1000Elements)->Unit(benchmark::kMillisecond);

void BandSelect1000Elements(benchmark::State &bench)
{
    Canvas canvas(100);
    for (auto _ : bench) {
        canvas.mouse.press(Qt::LeftButton, QPoint(1, 1));
        canvas.mouse.move(Qt::LeftButton, QPoint(540, 395));
        canvas.mouse.release(Qt::LeftButton, QPoint(540, 395));
    }
    if (SelectionSet::lines(canvas.state).size() != 1000)
        bench.SkipWithError("the band did not select all 1,000");
    bench.SetLabel("press, band frame, release with the selection's render");
}
BENCHMARK(BandSelect1000Elements)->Unit(benchmark::kMillisecond);

void MoveFrameOf1000SelectedElements(benchmark::State &bench)
{
    Canvas canvas(100);
    canvas.mouse.press(Qt::LeftButton, QPoint(1, 1));
    canvas.mouse.release(Qt::LeftButton, QPoint(540, 395));
    canvas.mouse.press(Qt::LeftButton, QPoint(12, 12));
    int step = 0;
    for (auto _ : bench) {
        canvas.mouse.move(Qt::LeftButton, QPoint(20 + step % 100, 20 + step % 80));
        canvas.paintScreen();
        ++step;
    }
    canvas.mouse.release(Qt::LeftButton, QPoint(20, 20));
    bench.SetLabel("frame writes 1,000 positions");
}
BENCHMARK(MoveFrameOf1000SelectedElements)->Unit(benchmark::kMillisecond);

} // namespace

QUILLMARK_GUI_BENCHMARK_MAIN()
