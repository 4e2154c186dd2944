// The main window's canvas view: zoom, scrolling, the grid, the canvas keys
// and the window geometry. The logic lives in the ui classes; this wires it.
#include "editor/CanvasScroll.h"
#include "editor/KeyboardNudge.h"
#include "editor/Zoom.h"
#include "platform/IniFile.h"
#include "windows/main/TForm1.h"
#include "windows/options/TForm12.h"
#include "windows/widgets/CanvasImage.h"
#include "windows/widgets/EventGuard.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QWheelEvent>

void TForm1::buildViewMenu()
{
    ViewMenu = new QMenu(QStringLiteral("View"), this);
    menuBar()->insertMenu(SphereMenu->menuAction(), ViewMenu);
    ShowGrid1 = ViewMenu->addAction(QStringLiteral("Show Grid"));
    ShowGrid1->setCheckable(true);
    ShowGrid1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Apostrophe));
    SnapToGrid1 = ViewMenu->addAction(QStringLiteral("Snap to Grid"));
    SnapToGrid1->setCheckable(true);
    ViewMenu->addSeparator();
    ZoomIn1 = ViewMenu->addAction(QStringLiteral("Zoom In"));
    ZoomIn1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    ZoomOut1 = ViewMenu->addAction(QStringLiteral("Zoom Out"));
    ZoomOut1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    ActualSize1 = ViewMenu->addAction(QStringLiteral("Actual Size"));
    ActualSize1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    FitPage1 = ViewMenu->addAction(QStringLiteral("Fit Page"));

    using EventGuard::connect;
    connect(ShowGrid1, &QAction::triggered, this, &TForm1::ShowGrid1Click);
    connect(SnapToGrid1, &QAction::triggered, this, &TForm1::SnapToGrid1Click);
    connect(ZoomIn1, &QAction::triggered, this, [this] { zoomTo(Zoom::stepIn(m_state.Zoom)); });
    connect(ZoomOut1, &QAction::triggered, this, [this] { zoomTo(Zoom::stepOut(m_state.Zoom)); });
    connect(ActualSize1, &QAction::triggered, this, [this] { zoomTo(100); });
    connect(FitPage1, &QAction::triggered, this, &TForm1::FitPage1Click);
}

// The grid switches are settings of their own, kept in the settings file at once.
void TForm1::ShowGrid1Click()
{
    settings().gridShow = ShowGrid1->isChecked();
    IniFile(Form12->Location.path).writeBool(QStringLiteral("Grid"), QStringLiteral("Show"), settings().gridShow);
    showCanvasOverlay();
}

void TForm1::SnapToGrid1Click()
{
    settings().gridSnap = SnapToGrid1->isChecked();
    IniFile(Form12->Location.path).writeBool(QStringLiteral("Grid"), QStringLiteral("Snap"), settings().gridSnap);
}

// The scale about the canvas's top-left corner.
void TForm1::zoomTo(int percent)
{
    setCanvasView(CanvasScroll::zoomAbout({scrollPosition(), m_state.Zoom}, percent, QPoint(0, 0)));
}

// The largest step that shows the whole design (the 548 × 400 page at least) from its origin.
void TForm1::FitPage1Click()
{
    const QRect extent = CanvasScroll::designExtent(m_state.DATA.lines()) | QRect(0, 0, 548, 400);
    const QSize page(extent.left() + extent.width(), extent.top() + extent.height());
    setCanvasView({QPoint(0, 0), Zoom::fitPercent(page, Image1->size())});
}

void TForm1::setCanvasView(const CanvasScroll::View &view)
{
    ViewOptions options = ViewOptions::of(m_state);
    options.Zoom = Zoom::clampPercent(view.zoom);
    m_session.setViewOptions(options);
    Image1->setZoom(m_state.Zoom);
    m_view.setCanvasSize(CanvasScroll::documentViewport(Image1->size(), m_state.Zoom));
    updateScrollRange();
    ScrollResetting = true;
    ScrollBar1->setValue(view.scroll.x());
    ScrollBar2->setValue(view.scroll.y());
    ScrollResetting = false;
    syncViewState();
    Label8->setText(QStringLiteral("Zoom %1%").arg(m_state.Zoom));
    DRAWClick();   // the scroll bars moved quietly above
}

// The scroll bars reach the whole design at the present zoom, plus a margin.
void TForm1::updateScrollRange()
{
    const QPoint maximum = CanvasScroll::scrollMaximum(CanvasScroll::designExtent(m_state.DATA.lines()),
                                                      Image1->size(), m_state.Zoom);
    const bool quiet = ScrollResetting;
    ScrollResetting = true;
    ScrollBar1->setMaximum(maximum.x());
    ScrollBar2->setMaximum(maximum.y());
    ScrollResetting = quiet;
    syncViewState();
}

void TForm1::showCanvasOverlay()
{
    CanvasImage::Grid grid;
    grid.shown = settings().gridShow;
    grid.spacing = settings().gridSpacing;
    grid.color = ColorText::toQColor(settings().gridColor);
    Image1->setGrid(grid, scrollPosition());
    Image1->setClientScreen(clientScreen());
    Image1->setHandles(m_canvasMouse ? m_canvasMouse->handleBox() : std::nullopt);
    ShowGrid1->setChecked(settings().gridShow);
    SnapToGrid1->setChecked(settings().gridSnap);
}

bool TForm1::canvasWheel(QWheelEvent *event)
{
    const CanvasScroll::View before{scrollPosition(), m_state.Zoom};
    const CanvasScroll::View after =
        CanvasScroll::wheel(before, event->angleDelta(), event->position().toPoint(), event->modifiers());
    if (after.zoom != before.zoom) {
        setCanvasView(after);
    } else if (after != before) {
        ScrollBar1->setValue(after.scroll.x());
        ScrollBar2->setValue(after.scroll.y());
    }
    return true;
}

// Keys while the canvas has the focus: the arrows nudge the selection (by
// the grid's spacing when snapping), without moving through the select list.
bool TForm1::canvasKey(QKeyEvent *event)
{
    const std::optional<QPoint> step = KeyboardNudge::stepOf(event->key());
    if (!step)
        return false;
    const int by = settings().gridSnap && !(event->modifiers() & Qt::AltModifier) ? settings().gridSpacing : 1;
    QString kept;
    KeyboardNudge::nudge(m_state, *step * by, &kept);
    if (!kept.isEmpty())
        Label8->setText(kept);
    return true;
}

void TForm1::selectionChanged()
{
    applyControls();
    m_view.invalidate();
    DRAWClick();
}

// The geometry of the last run; the designed size is kept at the first start.
void TForm1::restoreWindowGeometry()
{
    if (m_geometryRestored)
        return;
    m_geometryRestored = true;
    if (!settings().windowGeometry.isEmpty())
        restoreGeometry(QByteArray::fromBase64(settings().windowGeometry.toLatin1()));
}

void TForm1::storeWindowGeometry()
{
    settings().windowGeometry = QString::fromLatin1(saveGeometry().toBase64());
    IniFile(Form12->Location.path).writeString(QStringLiteral("Window"), QStringLiteral("Geometry"),
                                               settings().windowGeometry);
}
