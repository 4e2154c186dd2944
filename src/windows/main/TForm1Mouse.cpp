// The main window's canvas mouse and keyboard: the events of the canvas, the
// controls the canvas controller uses, and the keys that nudge the selection.
#include "editor/CanvasMouse.h"
#include "editor/KeyboardNudge.h"
#include "editor/Zoom.h"
#include "windows/main/TForm1.h"
#include "windows/widgets/CanvasImage.h"
#include "windows/widgets/EventGuard.h"
#include "windows/widgets/ImageView.h"
#include "windows/widgets/SpinEdit.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

namespace {

// Marks the controls whose key presses nudge the selected element.
constexpr char KeyHandlerProperty[] = "nudgesSelection";

} // namespace

// ---- The canvas mouse ---------------------------------------------------

bool TForm1::canvasEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonDblClick: {
        const auto *e = static_cast<QMouseEvent *>(event);
        const QPoint at = e->position().toPoint();
        if (e->button() == Qt::LeftButton)
            EventGuard::run([&] { Image1DblClick(at.x(), at.y()); });
        return true;
    }
    case QEvent::MouseButtonPress: {
        const auto *e = static_cast<QMouseEvent *>(event);
        const QPoint at = e->position().toPoint();
        Image1->setFocus(Qt::MouseFocusReason);
        EventGuard::run([&] { Image1MouseDown(e->button(), at.x(), at.y(), e->modifiers()); });
        return true;
    }
    case QEvent::MouseMove: {
        const auto *e = static_cast<QMouseEvent *>(event);
        const QPoint at = e->position().toPoint();
        EventGuard::run([&] { Image1MouseMove(e->buttons(), at.x(), at.y(), e->modifiers()); });
        return true;
    }
    case QEvent::Wheel: {
        bool handled = false;
        EventGuard::run([&] { handled = canvasWheel(static_cast<QWheelEvent *>(event)); });
        return handled;
    }
    case QEvent::KeyPress: {
        bool handled = false;
        EventGuard::run([&] { handled = canvasKey(static_cast<QKeyEvent *>(event)); });
        return handled;
    }
    case QEvent::MouseButtonRelease: {
        const auto *e = static_cast<QMouseEvent *>(event);
        const QPoint at = e->position().toPoint();
        EventGuard::run([&] { Image1MouseUp(e->button(), at.x(), at.y()); });
        return true;
    }
    default:
        return false;
    }
}

void TForm1::Image1MouseDown(Qt::MouseButton Button, int X, int Y, Qt::KeyboardModifiers Keys)
{
    if (m_testView.active()) {
        if (Button != Qt::LeftButton)
            return;
        const QPoint at = Zoom::toDocument(QPoint(X, Y), scrollPosition(), m_state.Zoom);
        ArtCatalog &art = m_checker.art(m_state.AppDir);
        const TestMode::Click click = m_testView.click(at, [&art](const QString &name) { return art.buttonSize(name); });
        if (!click.status.isEmpty())
            Label8->setText(click.status);
        return;
    }
    m_canvasMouse->press(Button, QPoint(X, Y), Keys);
}

void TForm1::Image1MouseMove(Qt::MouseButtons Shift, int X, int Y, Qt::KeyboardModifiers Keys)
{
    if (m_testView.active())
        return; // the status keeps what the last click did
    m_canvasMouse->move(Shift, QPoint(X, Y), Keys);
}

void TForm1::Image1MouseUp(Qt::MouseButton Button, int X, int Y)
{
    if (m_testView.active())
        return;
    m_canvasMouse->release(Button, QPoint(X, Y));
}

void TForm1::Image1DblClick(int X, int Y)
{
    if (brushDown() != Brush::None)
        return;
    const CanvasPicking::Result picked = m_canvasMouse->pickAt(QPoint(X, Y));
    if (!picked.hit)
        return;
    ComboBox1->setCurrentIndex(picked.hit->entry);
    ComboBox1Change();
    // The kinds with options open them; a newer kind's are its fields in the
    // property panel, which a double-click brings the keyboard to.
    const ElementKind kind = m_state.DATA.kindAt(m_state.SelectedLine);
    if (kind == ElementKind::Text || kind == ElementKind::Button || !Records::isClassicKind(kind))
        EDITOPTIONSClick();
    else
        CHANGEIMAGEClick();
}

CanvasHost::Brush TForm1::brushDown() const
{
    if (BrushGroup->isHidden())
        return Brush::None;
    const std::pair<QToolButton *, Brush> brushes[] = {
        {SpeedButton4, Brush::Resizepic}, {SpeedButton1, Brush::Button},
        {SpeedButton3, Brush::Gumppic}, {SpeedButton2, Brush::Text}};
    for (const auto &[button, brush] : brushes)
        if (button->isChecked())
            return brush;
    if (ControlBrush->isChecked())
        for (qsizetype k = 0; k < ControlBrushKinds.size(); ++k)
            if (ControlBrushKinds[k]->isChecked())
                return Brush(int(Brush::Htmlgump) + int(k));
    return Brush::None;
}

void TForm1::releaseBrush(Brush brush)
{
    switch (brush) {
    case Brush::Resizepic: SpeedButton4->setChecked(false); break;
    case Brush::Button: SpeedButton1->setChecked(false); break;
    case Brush::Gumppic: SpeedButton3->setChecked(false); break;
    case Brush::Text: SpeedButton2->setChecked(false); break;
    case Brush::None: break;
    default: ControlBrush->setChecked(false); break;
    }
}

QPoint TForm1::scrollPosition() const
{
    return QPoint(ScrollBar1->value(), ScrollBar2->value());
}

QImage TForm1::canvasPicture() const
{
    return Image1->picture();
}

void TForm1::showCanvas(const QImage &frame)
{
    Image1->setPicture(frame);
}

void TForm1::showRulers(const QImage &top, const QImage &left)
{
    Image7->setPicture(top);
    Image6->setPicture(left);
}

void TForm1::showStatus(const QString &text)
{
    Label8->setText(text);
}

void TForm1::showDrawTime(const QString &text)
{
    Label9->setText(text);
}

void TForm1::showPopupMenu(QPoint canvasPoint)
{
    PopupMenu1->popup(Image1->mapToGlobal(canvasPoint));
}

void TForm1::showSelectEntry(int entry)
{
    ComboBox1->setCurrentIndex(entry);
}

void TForm1::setReadoutRunning(bool running)
{
    if (running)
        Timer1->start();
    else
        Timer1->stop();
}

// The pointer marks stay on the rulers only while the pointer is over the canvas.
void TForm1::MouseRemoveTimer()
{
    const QRect canvas(Image1->mapToGlobal(QPoint(0, 0)), Image1->size());
    if (!canvas.contains(QCursor::pos()))
        RULERDRAWTimer();
}

// ---- The keyboard ---------------------------------------------------------

void TForm1::installEventFilters()
{
    Image1->installEventFilter(this);
    Image1->setMouseTracking(true);
    Image7->installEventFilter(this);
    Image6->installEventFilter(this);
    installKeyHandler();
}

void TForm1::installKeyHandler()
{
    const std::initializer_list<QWidget *> controls = {ComboBox1, Button22, REMOVEBUT, CHANGEIMAGE, EDITOPTIONS,
                                                       CSpinEdit1, CSpinEdit2, CSpinEdit6, CSpinEdit5,
                                                       Button5, Button3, Button4, Button15,
                                                       Button11, Button16, Button17, Button10};
    for (QWidget *control : controls) {
        control->setProperty(KeyHandlerProperty, true);
        control->installEventFilter(this);
    }
}

// Arrow keys nudge the selected element by one pixel. The key is not
// consumed: the control goes on to treat it as usual.
void TForm1::ComboBox1KeyDown(int Key)
{
    if (const std::optional<QPoint> step = KeyboardNudge::stepOf(Key)) {
        QString kept;
        KeyboardNudge::nudge(m_state, *step, &kept);
        if (!kept.isEmpty())
            Label8->setText(kept);
    }
}

// The window's own keys: those that reach it while no control has the focus.
void TForm1::keyPressEvent(QKeyEvent *event)
{
    if (m_testView.active() && event->key() == Qt::Key_Escape) {
        EventGuard::run([this] { leaveTestMode(); });
        return;
    }
    QWidget *focus = QApplication::focusWidget();
    if (!focus || focus == this)
        EventGuard::run([this, event] { ComboBox1KeyDown(event->key()); });
    QMainWindow::keyPressEvent(event);
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Image1 && event->type() == QEvent::Resize)
        EventGuard::run([this] { canvasResized(); });
    else if ((watched == Image7 || watched == Image6) && event->type() == QEvent::Resize)
        EventGuard::run([this] { RULERDRAWTimer(); });
    else if (watched == Image1)
        return canvasEvent(event);
    else if (event->type() == QEvent::KeyPress && watched->property(KeyHandlerProperty).toBool())
        EventGuard::run([this, event] { ComboBox1KeyDown(static_cast<QKeyEvent *>(event)->key()); });
    return QMainWindow::eventFilter(watched, event);
}

