#pragma once

#include "document/EditorState.h"
#include "document/ElementCommands.h"
#include "document/UndoSteps.h"
#include "editor/CanvasHandles.h"
#include "editor/CanvasPicking.h"
#include "editor/CanvasView.h"
#include "editor/Settings.h"
#include "editor/Snapping.h"
#include "render/PageRenderer.h"
#include "render/Rulers.h"

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QStringList>

#include <optional>

// What the canvas mouse needs from the window around the canvas: its
// controls, and the handlers a press may run.
class CanvasHost
{
public:
    // The four classic brushes, then one for each newer kind.
    enum class Brush {
        None, Resizepic, Button, Gumppic, Text,
        Htmlgump, Croppedtext, Textentry, Checkbox, Radio, Gumppictiled, Tilepic, Checkertrans, Xmfhtmlgump,
        Gumppichue,
    };
    // The kind a brush places, and the brush of a kind (None for none).
    static ElementKind kindOf(Brush brush);
    static Brush brushOf(ElementKind kind);
    // Brushes that draw a box with a band: the background and the newer
    // kinds with a width and height.
    static bool drawsBox(Brush brush);

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
    // Ctrl-click, the band or a cleared selection: the controls and the
    // canvas follow the selection as it now is.
    virtual void selectionChanged() = 0;
    virtual void removeSelected() = 0;             // REMOVEBUTClick
    virtual void autoSave() = 0;                   // AutoSaveTimer
    virtual void redraw() = 0;                     // DRAWClick
};

// The canvas mouse: a press selects, drags, removes or opens the popup as
// the button's action says, or places an element with a Real Draw brush; a
// move drags the selection or a band over a snapshot of the canvas and marks
// the rulers; a release finishes either. The brushes of the newer kinds with
// a width and height draw their box as the background's does, and a click
// without a drag gives them their initial size. Ctrl-click adds an element to the
// selection or takes it out; a press on empty canvas clears the selection
// and draws a band that selects what it touches; a selected background's
// handles resize it. Moves snap to the grid and to other elements' edges
// when snapping is on, unless Alt is held.
//
// Points given to it are screen pixels of the canvas. The canvas picture is
// drawn at document scale and shown at the zoom (EditorState::Zoom), so a
// "view point" is a screen point brought to document scale, and the document
// point adds the scroll positions to it.
class CanvasController
{
public:
    CanvasController(EditorState &state, CanvasView &view, PageRenderer &renderer, const Settings &settings,
                     RulerImages &rulers, ElementDialogs &dialogs, CanvasHost &host);

    void press(Qt::MouseButton button, QPoint at, Qt::KeyboardModifiers keys = {});
    void move(Qt::MouseButtons held, QPoint at, Qt::KeyboardModifiers keys = {});
    void release(Qt::MouseButton button, QPoint at);

    // The element under a canvas point, from the lists of the last render;
    // unreadable records passed over are named once in the status.
    CanvasPicking::Result pickAt(QPoint at);

    int previousSelectedLine() const { return m_previousSelectedLine; } // SelectedLine when the press began
    QPoint grabOffset() const { return m_grabOffset; }  // press point minus the dragged picture's position
    bool bandActive() const { return m_bandActive; }    // a background is being drawn with the band
    QPoint bandStart() const { return m_bandStart; }    // document point where the band began
    bool selectBandActive() const { return m_selectBand.has_value(); }

    // The resize handles' box of the primary element when it is a
    // background, in screen pixels of the canvas.
    std::optional<QRect> handleBox();
    // The snapping that applies now (the settings, suspended while Alt is held).
    Snapping::Options snapOptions(Qt::KeyboardModifiers keys) const;

private:
    QPoint viewPoint(QPoint at) const;
    QPoint documentPoint(QPoint at) const;
    QPoint snappedPoint(QPoint document, Qt::KeyboardModifiers keys) const;
    void placeWithBrush(CanvasHost::Brush brush, QPoint at, Qt::KeyboardModifiers keys);
    void finishBand(CanvasHost::Brush brush, QPoint at, Qt::KeyboardModifiers keys);
    void selectPlaced();
    void pressOnEmptyCanvas(QPoint at, bool add);
    void finishSelectBand(QPoint at);
    bool startResizing(QPoint at);
    void resizeTo(QPoint at);
    void startDragging(const CanvasPicking::Hit &hit, QPoint at, bool keepSelection);
    void dragTo(QPoint at, Qt::KeyboardModifiers keys);
    void drawBand(QPoint from, QPoint at);
    void showPointerOnRulers(QPoint at);
    void showDragOnRulers(QPoint at, QSize size);
    void reportPickProblems(const QStringList &problems);
    RenderOptions renderOptions() const;
    int lineWidth() const;              // document pixels of a line one screen pixel wide

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
    QImage m_snapshot;                  // the canvas under the dragged elements or the band
    std::optional<PendingStep> m_drag;  // a drag or resize from press to release is one undo step
    QStringList m_reportedPickProblems; // picking problems already shown in the status

    struct DragStart { int line; QPoint position; };
    QList<DragStart> m_dragStarts;      // where each dragged element began
    QPoint m_dragOrigin;                // document top-left of the drag picture when it began
    QList<QRect> m_snapTargets;         // the boxes of the elements not dragged

    struct SelectBand { QPoint start; bool add; };
    std::optional<SelectBand> m_selectBand;  // document point where it began; Ctrl adds

    struct Resizing { CanvasHandles::Handle handle; QRect box; QPoint start; int line; };
    std::optional<Resizing> m_resizing;
};
