#pragma once

#include "app/CanvasView.h"
#include "app/EditorState.h"
#include "app/ElementCommands.h"
#include "render/PageRenderer.h"
#include "render/Rulers.h"
#include "ui/CanvasPicking.h"
#include "ui/Settings.h"

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QStringList>

// What the canvas mouse needs from the window around the canvas: its
// controls, and the handlers a press may run.
class CanvasHost
{
public:
    enum class Brush { None, Resizepic, Button, Gumppic, Text };

    virtual ~CanvasHost() = default;

    virtual Brush brushDown() const = 0;           // the Real Draw brush pressed, if any
    virtual void releaseBrush(Brush brush) = 0;
    virtual QPoint scrollPosition() const = 0;     // horizontal and vertical scroll bars
    virtual QImage canvasPicture() const = 0;      // what the canvas shows now
    virtual void showCanvas(const QImage &frame) = 0;
    virtual void showRulers(const QImage &top, const QImage &left) = 0;
    virtual void showStatus(const QString &text) = 0;     // Label8
    virtual void showDrawTime(const QString &text) = 0;   // Label9
    virtual void showPopupMenu(QPoint canvasPoint) = 0;
    virtual void showSelectEntry(int entry) = 0;   // the select list, without its change handler
    virtual void setReadoutRunning(bool running) = 0; // the 100 ms selection readout

    virtual void selectionChosen() = 0;            // ComboBox1Change
    virtual void removeSelected() = 0;             // REMOVEBUTClick
    virtual void autoSave() = 0;                   // AutoSaveTimer
    virtual void redraw() = 0;                     // DRAWClick
};

// The canvas mouse: a press selects, drags, removes or opens the popup as
// the button's action says, or places an element with a Real Draw brush; a
// move drags the element or the background band over a snapshot of the
// canvas and marks the rulers; a release finishes either. Points are canvas
// pixels; the document point adds the scroll positions.
class CanvasController
{
public:
    CanvasController(EditorState &state, CanvasView &view, PageRenderer &renderer, const Settings &settings,
                     RulerImages &rulers, ElementDialogs &dialogs, CanvasHost &host);

    void press(Qt::MouseButton button, QPoint at);
    void move(Qt::MouseButtons held, QPoint at);
    void release(Qt::MouseButton button, QPoint at);

    // The element under a canvas point, from the lists of the last render;
    // unreadable records passed over are named once in the status.
    CanvasPicking::Result pickAt(QPoint at);

    int previousSelectedLine() const { return m_previousSelectedLine; } // SelectedLine when the press began
    QPoint grabOffset() const { return m_grabOffset; }  // press point minus the dragged element's position
    bool bandActive() const { return m_bandActive; }    // a background is being drawn with the band
    QPoint bandStart() const { return m_bandStart; }    // document point where the band began

private:
    QPoint documentPoint(QPoint at) const;
    void placeWithBrush(CanvasHost::Brush brush, QPoint at);
    void finishBand(QPoint at);
    void startDragging(const CanvasPicking::Hit &hit, QPoint at);
    void dragTo(QPoint at);
    void drawBand(QPoint at);
    void showPointerOnRulers(QPoint at);
    void showDragOnRulers(QPoint at, QSize size);
    void reportPickProblems(const QStringList &problems);

    EditorState &m_state;
    CanvasView &m_view;
    PageRenderer &m_renderer;
    const Settings &m_settings;
    RulerImages &m_rulers;
    ElementDialogs &m_dialogs;
    CanvasHost &m_host;

    int m_previousSelectedLine = 0;
    QPoint m_grabOffset;
    bool m_bandActive = false;
    QPoint m_bandStart;
    QImage m_snapshot;                  // the canvas under the dragged element or the band
    QStringList m_reportedPickProblems; // picking problems already shown in the status
};
