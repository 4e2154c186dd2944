#include "editor/CanvasController.h"
#include "document/LocalMove.h"
#include "document/ControlCommands.h"
#include "document/SelectionSet.h"
#include "editor/CanvasMouse.h"
#include "editor/Zoom.h"
#include "platform/NumberText.h"

#include <QElapsedTimer>
#include <QPainter>

#include <algorithm>
#include <iterator>

using Brush = CanvasHost::Brush;

namespace {

// In Brush order from Resizepic on.
constexpr ElementKind BrushKinds[] = {
    ElementKind::Resizepic, ElementKind::Button, ElementKind::Gumppic, ElementKind::Text,
    ElementKind::Htmlgump, ElementKind::Croppedtext, ElementKind::Textentry, ElementKind::Checkbox,
    ElementKind::Radio, ElementKind::Gumppictiled, ElementKind::Tilepic, ElementKind::Checkertrans,
    ElementKind::Xmfhtmlgump, ElementKind::Gumppichue,
};

} // namespace

ElementKind CanvasHost::kindOf(Brush brush)
{
    const int index = int(brush) - int(Brush::Resizepic);
    return index >= 0 && index < int(std::size(BrushKinds)) ? BrushKinds[index] : ElementKind::None;
}

CanvasHost::Brush CanvasHost::brushOf(ElementKind kind)
{
    for (size_t k = 0; k < std::size(BrushKinds); ++k)
        if (BrushKinds[k] == kind)
            return Brush(int(Brush::Resizepic) + int(k));
    return Brush::None;
}

bool CanvasHost::drawsBox(Brush brush)
{
    return brush != Brush::None && Records::widthFieldOf(kindOf(brush)) > 0;
}

CanvasController::CanvasController(EditorState &state, CanvasView &view, PageRenderer &renderer,
                                   const Settings &settings, RulerImages &rulers, ElementDialogs &dialogs,
                                   CanvasHost &host)
    : m_state(state), m_view(view), m_renderer(renderer), m_settings(settings), m_rulers(rulers),
      m_dialogs(dialogs), m_host(host)
{
}

QPoint CanvasController::viewPoint(QPoint at) const
{
    return Zoom::toDocument(at, QPoint(0, 0), m_state.Zoom);
}

QPoint CanvasController::documentPoint(QPoint at) const
{
    const QPoint scroll = m_host.scrollPosition();
    return CanvasMouse::documentPoint(viewPoint(at), scroll.x(), scroll.y());
}

Snapping::Options CanvasController::snapOptions(Qt::KeyboardModifiers keys) const
{
    Snapping::Options o;
    const bool on = m_settings.gridSnap && !(keys & Qt::AltModifier);
    o.grid = on;
    o.edges = on;
    o.gridSpacing = m_settings.gridSpacing;
    return o;
}

QPoint CanvasController::snappedPoint(QPoint document, Qt::KeyboardModifiers keys) const
{
    const Snapping::Options o = snapOptions(keys);
    if (!o.grid)
        return document;
    return QPoint(Snapping::toGrid(document.x(), o.gridSpacing), Snapping::toGrid(document.y(), o.gridSpacing));
}

int CanvasController::lineWidth() const
{
    const int zoom = Zoom::clampPercent(m_state.Zoom);
    return (100 + zoom - 1) / zoom;
}

RenderOptions CanvasController::renderOptions() const
{
    return CanvasView::renderOptions(m_state, m_settings, m_view.canvasSize());
}

void CanvasController::press(Qt::MouseButton button, QPoint at, Qt::KeyboardModifiers keys)
{
    m_previousSelectedLine = m_state.SelectedLine;
    if (const Brush brush = m_host.brushDown(); brush != Brush::None) {
        placeWithBrush(brush, at, keys);
        return;
    }
    // A band left behind by an up or left release (its brush since let go)
    // must not take over the moves of this press.
    m_bandActive = false;
    m_selectBand.reset();
    m_view.invalidate();

    QString actionText;
    if (button == Qt::LeftButton)
        actionText = m_settings.leftAction;
    else if (button == Qt::RightButton)
        actionText = m_settings.rightAction;
    else
        return;

    using CanvasMouse::Action;
    const Action action = CanvasMouse::actionOf(actionText);
    switch (action) {
    case Action::Menu:
        m_host.showPopupMenu(at + QPoint(3, 3));
        return;
    case Action::AutoSave:
        m_host.autoSave();
        return;
    case Action::None:
        return;
    case Action::Select:
    case Action::SelectAndDrag:
    case Action::Remove:
        break;
    }

    const bool ctrl = keys & Qt::ControlModifier;
    if (action == Action::SelectAndDrag && !ctrl && startResizing(at))
        return;
    const QList<int> selectedBefore = SelectionSet::lines(m_state);
    const CanvasPicking::Result picked = pickAt(at);
    if (!picked.hit) {
        if (action != Action::Remove)
            pressOnEmptyCanvas(at, ctrl);
        return;
    }
    const CanvasPicking::Hit &hit = *picked.hit;
    if (ctrl && action != Action::Remove) {
        SelectionSet::toggle(m_state, hit.line);
        m_host.selectionChanged();
        return;
    }
    // A press on one of several selected elements drags them all.
    if (action == Action::SelectAndDrag && selectedBefore.size() > 1 && selectedBefore.contains(hit.line)) {
        QList<int> kept = selectedBefore;
        kept.removeOne(hit.line);
        kept << hit.line;
        SelectionSet::selectLines(m_state, kept);
        startDragging(hit, at, true);
        return;
    }
    // The select list shows the element without running its change handler.
    m_state.SelectIndex = hit.entry;
    m_host.showSelectEntry(hit.entry);
    m_state.SelectedLine = hit.line;
    m_state.noteChanged();

    if (action == Action::Select)
        m_host.selectionChosen();
    else if (action == Action::SelectAndDrag)
        startDragging(hit, at, false);
    else
        m_host.removeSelected();
}

CanvasPicking::Result CanvasController::pickAt(QPoint at)
{
    CanvasPicking::Result picked =
        CanvasPicking::pick(m_state.DATA.lines(), m_state.LineList, documentPoint(at), m_renderer, renderOptions());
    reportPickProblems(picked.problems);
    return picked;
}

// Each unreadable record is named once in the status, however often the mouse passes it.
void CanvasController::reportPickProblems(const QStringList &problems)
{
    for (const QString &problem : problems) {
        if (m_reportedPickProblems.contains(problem))
            continue;
        m_reportedPickProblems << problem;
        m_host.showStatus(problem);
    }
}

// Empty canvas: the selection goes (Ctrl keeps it) and a band starts.
void CanvasController::pressOnEmptyCanvas(QPoint at, bool add)
{
    if (!add && !SelectionSet::lines(m_state).isEmpty()) {
        SelectionSet::selectOnly(m_state, 0);
        m_host.selectionChanged();
    }
    m_selectBand = SelectBand{documentPoint(at), add};
    m_snapshot = m_host.canvasPicture();
}

void CanvasController::finishSelectBand(QPoint at)
{
    const SelectBand band = *m_selectBand;
    m_selectBand.reset();
    const QRect touched = QRect(band.start, documentPoint(at)).normalized();
    if (touched.width() <= 1 && touched.height() <= 1) {
        m_host.showCanvas(m_snapshot);
        return;
    }
    const QList<int> lines = m_view.boxes().size() == m_state.LineList.size()
                                 ? CanvasPicking::linesTouching(m_state.LineList, m_view.boxes(), touched)
                                 : CanvasPicking::linesTouching(m_state.DATA.lines(), m_state.LineList, touched,
                                                                m_renderer, renderOptions());
    if (lines.isEmpty() && !band.add) {
        m_host.showCanvas(m_snapshot);
        return;
    }
    SelectionSet::selectLines(m_state, lines, band.add);
    m_view.invalidate();
    m_host.selectionChanged();
}

std::optional<QRect> CanvasController::handleBox()
{
    const int line = m_state.SelectedLine;
    if (line <= 0 || m_state.DATA.kindAt(line) != ElementKind::Resizepic || m_state.Dragging)
        return std::nullopt;
    const std::optional<QRect> box = CanvasPicking::boxOf(m_state.DATA.lines(), line, m_renderer, renderOptions());
    if (!box)
        return std::nullopt;
    const QPoint scroll = m_host.scrollPosition();
    const QPoint topLeft = Zoom::toCanvas(box->topLeft(), scroll, m_state.Zoom);
    const QPoint bottomRight = Zoom::toCanvas(box->topLeft() + QPoint(box->width(), box->height()), scroll, m_state.Zoom);
    return QRect(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y()));
}

bool CanvasController::startResizing(QPoint at)
{
    const std::optional<QRect> screenBox = handleBox();
    if (!screenBox)
        return false;
    const CanvasHandles::Handle handle = CanvasHandles::at(*screenBox, at);
    if (handle == CanvasHandles::Handle::None)
        return false;
    const std::optional<QRect> box =
        CanvasPicking::boxOf(m_state.DATA.lines(), m_state.SelectedLine, m_renderer, renderOptions());
    m_resizing = Resizing{handle, *box, documentPoint(at), m_state.SelectedLine};
    m_drag.emplace(m_state);
    m_host.setReadoutRunning(false);
    return true;
}

void CanvasController::resizeTo(QPoint at)
{
    const Resizing &r = *m_resizing;
    const QRect box = CanvasHandles::resized(r.box, r.handle, documentPoint(at) - r.start);
    const int line = r.line;
    CanvasMouse::writePosition(m_state, line, box.topLeft());
    const int width = Records::widthFieldOf(ElementKind::Resizepic);
    m_state.DATA.setLine(line + width, QString::number(box.width()));
    m_state.DATA.setLine(line + width + 1, QString::number(box.height()));
    m_host.redraw();
}

void CanvasController::startDragging(const CanvasPicking::Hit &hit, QPoint at, bool keepSelection)
{
    m_state.Dragging = true;
    m_view.invalidate();
    // This render leaves the selected elements off the canvas and hands them over as the drag image.
    if (keepSelection)
        m_host.selectionChanged();
    else
        m_host.selectionChosen();
    m_drag.emplace(m_state);
    m_dragOrigin = m_view.dragImage().isNull() ? QPoint(hit.x, hit.y) : m_view.dragOrigin();
    m_grabOffset = documentPoint(at) - m_dragOrigin;
    m_dragStarts.clear();
    for (int line : SelectionSet::lines(m_state)) {
        std::optional<int> x = NumberText::tryParse(m_state.DATA.line(line + 1));
        std::optional<int> y = NumberText::tryParse(m_state.DATA.line(line + 2));
        // A place from the origin or computed: where it is drawn now.
        if (!x || !y || *x < 0 || *y < 0) {
            const std::optional<QPoint> drawn = LocalMove::placeOf(m_state.DATA.lines(), line);
            x = drawn ? std::optional<int>(drawn->x()) : std::nullopt;
            y = drawn ? std::optional<int>(drawn->y()) : std::nullopt;
        }
        if (x && y && !Records::isScript(m_state.DATA.kindAt(line)))
            m_dragStarts.append({line, QPoint(*x, *y)});
    }
    m_snapTargets.clear();
    if (m_settings.gridSnap) {
        const QList<QRect> &boxes = m_view.boxes();
        const QList<int> dragged = SelectionSet::linesInOrder(m_state);
        for (qsizetype i = 0; i < m_state.LineList.size() && i < boxes.size(); ++i)
            if (!boxes[i].isNull() && !std::binary_search(dragged.cbegin(), dragged.cend(), m_state.LineList[i]))
                m_snapTargets << boxes[i];
    }
    m_snapshot = m_host.canvasPicture();
    m_host.setReadoutRunning(false);
    QImage frame = m_snapshot;
    QPainter(&frame).drawImage(m_dragOrigin - m_host.scrollPosition(), m_view.dragImage());
    m_host.showCanvas(frame);
}

void CanvasController::move(Qt::MouseButtons held, QPoint at, Qt::KeyboardModifiers keys)
{
    const QPoint document = documentPoint(at);
    m_host.showStatus(QStringLiteral("X = %1, Y = %2").arg(document.x()).arg(document.y()));
    if (!m_state.Dragging && m_settings.mouseRead)
        showPointerOnRulers(at);

    if (m_resizing) {
        resizeTo(at);
        return;
    }
    if ((held & Qt::LeftButton) && m_bandActive) {
        drawBand(m_bandStart, snappedPoint(document, keys));
        return;
    }
    if (m_selectBand) {
        drawBand(m_selectBand->start, document);
        return;
    }
    if (m_state.Dragging)
        dragTo(at, keys);
}

void CanvasController::drawBand(QPoint from, QPoint to)
{
    QImage frame = m_snapshot;
    const QPoint scroll = m_host.scrollPosition();
    const QPoint start = from - scroll, end = to - scroll;
    if (m_selectBand || CanvasMouse::bandSize(start, end)) {
        QPainter painter(&frame);
        // At least one screen pixel wide, so a zoomed-out view keeps the outline.
        const int width = lineWidth();
        painter.setPen(m_selectBand ? QPen(Qt::black, width, Qt::DashLine) : QPen(Qt::black, width));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(start, end).normalized());
    }
    m_host.showCanvas(frame);
}

void CanvasController::dragTo(QPoint at, Qt::KeyboardModifiers keys)
{
    QElapsedTimer clock;
    clock.start();
    m_host.setReadoutRunning(false);
    const QPoint scroll = m_host.scrollPosition();
    const QImage &picture = m_view.dragImage();
    const QPoint held = CanvasMouse::dragPosition(viewPoint(at), m_grabOffset);
    Snapping::Result snapped{held + scroll, std::nullopt, std::nullopt};
    if (const Snapping::Options options = snapOptions(keys); options.grid)
        snapped = Snapping::snap(QRect(m_dragOrigin, picture.size()), held + scroll, m_snapTargets, options);
    const QPoint canvasAt = snapped.topLeft - scroll;

    QImage frame = m_snapshot;
    QPainter painter(&frame);
    painter.drawImage(canvasAt, picture);
    // The guide lines show which edge the selection snapped to.
    painter.setPen(QPen(ColorText::toQColor(m_settings.interactiveColor), lineWidth()));
    if (snapped.guideX)
        painter.drawLine(*snapped.guideX - scroll.x(), 0, *snapped.guideX - scroll.x(), frame.height());
    if (snapped.guideY)
        painter.drawLine(0, *snapped.guideY - scroll.y(), frame.width(), *snapped.guideY - scroll.y());
    painter.end();
    m_host.showCanvas(frame);

    const QPoint shift = snapped.topLeft - m_dragOrigin;
    QString kept;
    for (const DragStart &start : m_dragStarts)
        if (const QString said = CanvasMouse::writePosition(m_state, start.line, start.position + shift); !said.isEmpty())
            kept = said;
    if (!kept.isEmpty())
        m_host.showStatus(kept);
    if (m_settings.dragRead)
        showDragOnRulers(canvasAt, picture.size());
    m_host.showDrawTime(QStringLiteral("DRAWTIME=") + NumberText::secondsText(clock.elapsed()));
}

void CanvasController::showPointerOnRulers(QPoint at)
{
    markTopRuler(m_rulers.top, m_rulers.cleanTop, {at.x()}, m_settings.interactiveColor);
    markLeftRuler(m_rulers.left, m_rulers.cleanLeft, {at.y()}, m_settings.interactiveColor);
    m_host.showRulers(m_rulers.top, m_rulers.left);
}

// at and size in view pixels; the rulers are marked where they show on screen.
void CanvasController::showDragOnRulers(QPoint at, QSize size)
{
    const QPoint from = Zoom::toCanvas(at, QPoint(0, 0), m_state.Zoom);
    const QPoint to = Zoom::toCanvas(at + QPoint(size.width(), size.height()), QPoint(0, 0), m_state.Zoom);
    markTopRuler(m_rulers.top, m_rulers.cleanTop, {from.x(), to.x()}, m_settings.interactiveColor);
    markLeftRuler(m_rulers.left, m_rulers.cleanLeft, {from.y(), to.y()}, m_settings.interactiveColor);
    m_host.showRulers(m_rulers.top, m_rulers.left);
}

void CanvasController::release(Qt::MouseButton, QPoint at)
{
    if (m_resizing) {
        m_resizing.reset();
        if (m_drag)
            m_drag->commit<UndoSteps::Resize>(m_state);
        m_drag.reset();
        m_host.setReadoutRunning(true);
        m_host.redraw();
        return;
    }
    if (m_selectBand) {
        finishSelectBand(at);
        return;
    }
    if (m_state.Dragging) {
        if (m_state.SelectedLine != m_previousSelectedLine)
            m_view.invalidate();
        m_state.Dragging = false;
        if (m_drag)
            m_drag->commit<UndoSteps::Drag>(m_state);
        m_drag.reset();
        m_dragStarts.clear();
        m_host.setReadoutRunning(true);
        m_host.redraw();
    }
    if (const Brush brush = m_host.brushDown(); m_bandActive && CanvasHost::drawsBox(brush))
        finishBand(brush, at, {});
}

// A box is drawn right of and below where the band began; up or left draws
// nothing and keeps the brush for another try. A newer kind's side left at
// 0 (a click) keeps its initial size; a cancelled picker keeps its brush.
void CanvasController::finishBand(Brush brush, QPoint at, Qt::KeyboardModifiers keys)
{
    const std::optional<QSize> size = CanvasMouse::bandSize(m_bandStart, snappedPoint(documentPoint(at), keys));
    if (!size)
        return;
    const QString x = QString::number(m_bandStart.x()), y = QString::number(m_bandStart.y());
    m_bandActive = false;
    if (brush == Brush::Resizepic) {
        m_host.releaseBrush(Brush::Resizepic);
        // A click (a side left at 0) takes the background's own size, so it shows and can be grabbed.
        ElementCommands::addResizepic(m_state, m_dialogs, x, y, QString::number(size->width()),
                                      QString::number(size->height()), [this](const QString &file) {
                                          QSize natural = ResizepicComposer::naturalSize(m_renderer.artStore().resizepicPieces(file));
                                          return natural.isEmpty() ? QSize(100, 100) : natural;
                                      });
        m_host.redraw();
        return;
    }
    if (!ControlCommands::insertControl(m_state, m_dialogs, CanvasHost::kindOf(brush), x, y, *size)) {
        m_host.showCanvas(m_snapshot);   // the band goes, the brush stays
        return;
    }
    m_host.releaseBrush(brush);
    selectPlaced();
}

// An element of a newer kind is selected once placed, as the "Insert" menu
// does, so its properties are at hand.
void CanvasController::selectPlaced()
{
    m_host.redraw();
    const qsizetype entry = m_state.LineList.indexOf(m_state.SelectedLine);
    if (entry < 0)
        return;
    m_state.SelectIndex = int(entry);
    m_state.noteChanged();
    m_host.showSelectEntry(int(entry));
    m_host.selectionChosen();
}

// The Real Draw brushes: a press places one element where it happens, through
// the windows of the add commands, and releases the brush. A cancelled
// picker keeps the brush.
void CanvasController::placeWithBrush(Brush brush, QPoint at, Qt::KeyboardModifiers keys)
{
    const QPoint document = snappedPoint(documentPoint(at), keys);
    if (CanvasHost::drawsBox(brush)) {
        m_bandStart = document;
        m_snapshot = m_host.canvasPicture();
        m_bandActive = true;
        m_state.Dragging = false;
        return;
    }
    const QString x = QString::number(document.x()), y = QString::number(document.y());
    bool added = false;
    if (brush == Brush::Button)
        added = ElementCommands::addButton(m_state, m_dialogs, x, y);
    else if (brush == Brush::Gumppic)
        added = ElementCommands::addGumppic(m_state, m_dialogs, x, y);
    else if (brush == Brush::Text)
        added = ElementCommands::addText(m_state, m_dialogs, x, y);
    else if (ControlCommands::insertControl(m_state, m_dialogs, CanvasHost::kindOf(brush), x, y)) {
        m_host.releaseBrush(brush);
        selectPlaced();
        return;
    }
    if (!added)
        return;
    m_host.releaseBrush(brush);
    m_host.redraw();
}
