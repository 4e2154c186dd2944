#include "editor/CanvasView.h"
#include "document/SelectionCommands.h"
#include "document/SelectionSet.h"
#include "platform/NumberText.h"

#include <QElapsedTimer>

RenderOptions CanvasView::renderOptions(const EditorState &state, const Settings &settings, QSize canvasSize)
{
    RenderOptions o;
    o.page = state.Page;
    o.alwaysDrawPage0 = state.AlwaysDrawPage0;
    o.highlightSelected = state.HighlightSelected;
    o.showText = state.ShowText;
    o.showButtons = state.ShowButtons;
    o.showGumppics = state.ShowGumppics;
    o.showResizepics = state.ShowResizepics;
    o.scrollX = state.ScrollX;
    o.scrollY = state.ScrollY;
    o.canvasSize = canvasSize;
    o.selectedLine = state.SelectedLine;
    for (int line : SelectionSet::linesInOrder(state))
        if (line != state.SelectedLine)
            o.alsoSelected << line;
    o.dragging = state.Dragging;
    o.transparent = settings.transparent;
    o.perfectText = settings.perfectText;
    o.blackColorBlack = settings.blackColorBlack;
    o.backgroundColor = settings.backgroundColor;
    o.selectionColor = settings.selectionColor;
    o.cacheImages = settings.cacheImages;
    o.placeholders = true; // the designer shows where art is missing
    o.branches = state.Branches;
    o.markLogic = state.MarkLogic;
    return o;
}

bool CanvasView::isCurrent(const EditorState &state) const
{
    return m_DATACACHE.isUnchanged(state.DATA.lines());
}

bool CanvasView::redraw(EditorState &state, const Settings &settings)
{
    // A show flag, a scroll or a changed selection changes the picture too.
    const RenderOptions options = renderOptions(state, settings, m_canvasSize);
    if (isCurrent(state) && m_lastOptions == options) {
        m_canvas = m_lastRender;
        return false;
    }
    if (settings.autoOnRedraw && m_autosave)
        m_autosave();
    QElapsedTimer clock;
    clock.start();
    render(state, options);
    m_drawTime = QStringLiteral("DRAWTIME=") + NumberText::secondsText(clock.elapsed());
    return true;
}

void CanvasView::render(EditorState &state, const RenderOptions &options)
{
    RenderResult result = m_renderer.render(state.DATA.lines(), options);
    state.LocationLine = result.locationLine;
    state.MiscLine = result.miscLine;
    state.SelectList = std::move(result.selectEntries);
    state.LineList = std::move(result.lineList);
    SelectionCommands::follow(state);
    m_canvas = std::move(result.page);
    m_dragImage = std::move(result.dragImage);
    m_dragOrigin = result.dragOrigin;
    m_boxes = std::move(result.boxes);
    m_problems = std::move(result.problems);
    m_problemLines = std::move(result.problemLines);
    m_DATACACHE.remember(state.DATA.lines());
    m_lastOptions = options;
    if (!state.Dragging)
        m_lastRender = m_canvas;
}
