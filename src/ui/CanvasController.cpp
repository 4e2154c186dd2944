#include "ui/CanvasController.h"
#include "platform/NumberText.h"
#include "ui/CanvasMouse.h"

#include <QElapsedTimer>
#include <QPainter>

using Brush = CanvasHost::Brush;

CanvasController::CanvasController(EditorState &state, CanvasView &view, PageRenderer &renderer,
                                   const Settings &settings, RulerImages &rulers, ElementDialogs &dialogs,
                                   CanvasHost &host)
    : m_state(state), m_view(view), m_renderer(renderer), m_settings(settings), m_rulers(rulers),
      m_dialogs(dialogs), m_host(host)
{
}

QPoint CanvasController::documentPoint(QPoint at) const
{
    const QPoint scroll = m_host.scrollPosition();
    return CanvasMouse::documentPoint(at, scroll.x(), scroll.y());
}

void CanvasController::press(Qt::MouseButton button, QPoint at)
{
    m_previousSelectedLine = m_state.SelectedLine;
    if (const Brush brush = m_host.brushDown(); brush != Brush::None) {
        placeWithBrush(brush, at);
        return;
    }
    // A band left behind by an up or left release (its brush since let go)
    // must not take over the moves of this press.
    m_bandActive = false;
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

    const CanvasPicking::Result picked = pickAt(at);
    if (!picked.hit)
        return;
    const CanvasPicking::Hit &hit = *picked.hit;
    // The select list shows the element without running its change handler.
    m_state.SelectIndex = hit.entry;
    m_host.showSelectEntry(hit.entry);
    m_state.SelectedLine = hit.line;

    if (action == Action::Select)
        m_host.selectionChosen();
    else if (action == Action::SelectAndDrag)
        startDragging(hit, at);
    else
        m_host.removeSelected();
}

CanvasPicking::Result CanvasController::pickAt(QPoint at)
{
    CanvasPicking::Result picked =
        CanvasPicking::pick(m_state.DATA.lines(), m_state.LineList, documentPoint(at), m_renderer,
                            CanvasView::renderOptions(m_state, m_settings, m_view.canvasSize()));
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

void CanvasController::startDragging(const CanvasPicking::Hit &hit, QPoint at)
{
    m_state.Dragging = true;
    m_grabOffset = documentPoint(at) - QPoint(hit.x, hit.y);
    m_view.invalidate();
    // This render leaves the element off the canvas and hands it over as the drag image.
    m_host.selectionChosen();
    m_snapshot = m_host.canvasPicture();
    m_host.setReadoutRunning(false);
    QImage frame = m_snapshot;
    QPainter(&frame).drawImage(at - m_grabOffset, m_view.dragImage());
    m_host.showCanvas(frame);
}

void CanvasController::move(Qt::MouseButtons held, QPoint at)
{
    const QPoint document = documentPoint(at);
    m_host.showStatus(QStringLiteral("X = %1, Y = %2").arg(document.x()).arg(document.y()));
    if (!m_state.Dragging && m_settings.mouseRead)
        showPointerOnRulers(at);

    if ((held & Qt::LeftButton) && m_bandActive) {
        drawBand(at);
        return;
    }
    if (m_state.Dragging)
        dragTo(at);
}

void CanvasController::drawBand(QPoint at)
{
    QImage frame = m_snapshot;
    const QPoint start = m_bandStart - m_host.scrollPosition();
    if (CanvasMouse::bandSize(start, at)) {
        QPainter painter(&frame);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(start, at));
    }
    m_host.showCanvas(frame);
}

void CanvasController::dragTo(QPoint at)
{
    QElapsedTimer clock;
    clock.start();
    m_host.setReadoutRunning(false);
    const QPoint canvasAt = CanvasMouse::dragPosition(at, m_grabOffset);
    QImage frame = m_snapshot;
    QPainter(&frame).drawImage(canvasAt, m_view.dragImage());
    m_host.showCanvas(frame);
    CanvasMouse::writePosition(m_state, m_state.SelectedLine, canvasAt + m_host.scrollPosition());
    if (m_settings.dragRead)
        showDragOnRulers(canvasAt, m_view.dragImage().size());
    m_host.showDrawTime(QStringLiteral("DRAWTIME=") + NumberText::secondsText(clock.elapsed()));
}

void CanvasController::showPointerOnRulers(QPoint at)
{
    markTopRuler(m_rulers.top, m_rulers.cleanTop, {at.x()}, m_settings.interactiveColor);
    markLeftRuler(m_rulers.left, m_rulers.cleanLeft, {at.y()}, m_settings.interactiveColor);
    m_host.showRulers(m_rulers.top, m_rulers.left);
}

void CanvasController::showDragOnRulers(QPoint at, QSize size)
{
    markTopRuler(m_rulers.top, m_rulers.cleanTop, {at.x(), at.x() + size.width()}, m_settings.interactiveColor);
    markLeftRuler(m_rulers.left, m_rulers.cleanLeft, {at.y(), at.y() + size.height()}, m_settings.interactiveColor);
    m_host.showRulers(m_rulers.top, m_rulers.left);
}

void CanvasController::release(Qt::MouseButton, QPoint at)
{
    if (m_state.Dragging) {
        if (m_state.SelectedLine != m_previousSelectedLine)
            m_view.invalidate();
        m_state.Dragging = false;
        m_host.setReadoutRunning(true);
        m_host.redraw();
    }
    if (m_bandActive && m_host.brushDown() == Brush::Resizepic)
        finishBand(at);
}

// A background is drawn right of and below where the band began; up or left
// draws nothing and keeps the brush for another try.
void CanvasController::finishBand(QPoint at)
{
    const std::optional<QSize> size = CanvasMouse::bandSize(m_bandStart, documentPoint(at));
    if (!size)
        return;
    m_host.releaseBrush(Brush::Resizepic);
    m_bandActive = false;
    ElementCommands::addResizepic(m_state, m_dialogs, QString::number(m_bandStart.x()),
                                  QString::number(m_bandStart.y()), QString::number(size->width()),
                                  QString::number(size->height()));
    m_host.redraw();
}

// The Real Draw brushes: a press places one element where it happens, through
// the windows of the add commands, and releases the brush. A cancelled
// picker keeps the brush.
void CanvasController::placeWithBrush(Brush brush, QPoint at)
{
    const QPoint document = documentPoint(at);
    if (brush == Brush::Resizepic) {
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
    else
        added = ElementCommands::addText(m_state, m_dialogs, x, y);
    if (!added)
        return;
    m_host.releaseBrush(brush);
    m_host.redraw();
}
