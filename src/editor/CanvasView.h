#pragma once

#include "document/EditorState.h"
#include "editor/Settings.h"
#include "render/PageRenderer.h"
#include "render/RenderCache.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The redraw of the canvas: renders the page in the page box when the
// document changed since the last render, otherwise shows the last render
// again. It keeps the canvas picture, the last render and the drag image.
class CanvasView
{
public:
    explicit CanvasView(PageRenderer &renderer) : m_renderer(renderer) {}

    void setCanvasSize(const QSize &size) { m_canvasSize = size; }
    QSize canvasSize() const { return m_canvasSize; }

    // Run once before each render when "Autosave on Redraw" is selected.
    void setAutosave(std::function<void()> autosave) { m_autosave = std::move(autosave); }

    // The redraw request (DRAWClick). True when a render ran.
    bool redraw(EditorState &state, const Settings &settings);

    // Forgets the last rendered document, so the next redraw renders.
    void invalidate() { m_DATACACHE.clear(); m_lastOptions.reset(); }
    // Whether the last render shows these document lines (whatever the options).
    bool isCurrent(const EditorState &state) const;

    const QImage &canvas() const { return m_canvas; }         // what the canvas shows
    const QImage &lastRender() const { return m_lastRender; } // the last finished render
    const QImage &dragImage() const { return m_dragImage; }
    QPoint dragOrigin() const { return m_dragOrigin; }        // its top-left, document pixels
    // The box of each select list entry as the last render drew it.
    const QList<QRect> &boxes() const { return m_boxes; }
    QString drawTimeText() const { return m_drawTime; }       // "DRAWTIME=..."
    QStringList problems() const { return m_problems; }       // of the last render
    QList<int> problemLines() const { return m_problemLines; } // their records' lines, counted from 1

    static RenderOptions renderOptions(const EditorState &state, const Settings &settings, QSize canvasSize);

private:
    void render(EditorState &state, const RenderOptions &options);

    PageRenderer &m_renderer;
    QSize m_canvasSize = QSize(548, 400);
    std::function<void()> m_autosave;
    RenderCache m_DATACACHE;                    // the document as last rendered
    std::optional<RenderOptions> m_lastOptions; // and how it was drawn
    QImage m_canvas;
    QImage m_lastRender;
    QImage m_dragImage;
    QPoint m_dragOrigin;
    QList<QRect> m_boxes;
    QString m_drawTime;
    QStringList m_problems;
    QList<int> m_problemLines;
};
