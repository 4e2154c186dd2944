#include "app/forms/TForm1.h"
#include "app/AppInfo.h"
#include "app/DocumentCommands.h"
#include "app/SphereExport.h"
#include "net/BitmapFontFile.h"
#include "platform/NumberText.h"
#include "app/forms/TForm11.h"
#include "app/forms/TForm13.h"
#include "app/forms/TForm2.h"
#include "app/forms/TForm4.h"
#include "app/forms/TForm8.h"
#include "app/forms/TForm9.h"
#include "assets/forms/TForm17.h"
#include "assets/forms/TForm18.h"
#include "assets/forms/TForm3.h"
#include "assets/forms/TForm5.h"
#include "assets/forms/TForm6.h"
#include "assets/forms/TForm7.h"
#include "import/forms/TForm14.h"
#include "net/forms/TForm15.h"
#include "net/forms/TForm16.h"
#include "ui/forms/EventGuard.h"
#include "ui/forms/ImageView.h"
#include "ui/forms/Modal.h"
#include "ui/forms/SpinEdit.h"
#include "ui/forms/TForm10.h"
#include "ui/forms/TForm12.h"
#include "ui/CanvasMouse.h"
#include "ui/KeyboardNudge.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace {

// The export asks the main window for the location, the window flags and
// the dialog's name.
class MainWindowExportHost final : public ExportHost
{
public:
    explicit MainWindowExportHost(TForm1 &form) : m_form(form) {}
    void runLocationCommand() override { m_form.Button11Click(); }
    void runMiscCommand() override { m_form.Button16Click(); }
    std::optional<QString> askDialogName() override
    {
        return Modal::inputBox(QStringLiteral("Dialog"), QStringLiteral("Enter Gump Name/Number:"));
    }

private:
    TForm1 &m_form;
};

} // namespace

using SelectionCommands::Field;

namespace {

// Marks the controls whose key presses nudge the selected element.
constexpr char KeyHandlerProperty[] = "nudgesSelection";

} // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(AppInfo::MainCaption);
    buildToolBars();
    buildMenus();
    buildLeftColumn();
    buildCanvasPanel();
    buildStatusBar();

    BOOT = new QTimer(this);
    BOOT->setSingleShot(true);
    BOOT->setInterval(1);
    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    Timer1->start();
    CacheCLEANUP = new QTimer(this);
    CacheCLEANUP->setInterval(3000);
    CacheCLEANUP->start();
    MouseRemove = new QTimer(this);
    MouseRemove->setInterval(1000);
    MouseRemove->start();

    createWindows();
    connectHandlers();
    connectStartup();
    applyControls();
    applyCreationStyle();

    Image1->installEventFilter(this);
    Image1->setMouseTracking(true);
    Image7->installEventFilter(this);
    Image6->installEventFilter(this);
    installKeyHandler();
    resize(671, 518);
}

TForm1::~TForm1() = default;

// The other windows, once each and in their order, owned by the main window.
void TForm1::createWindows()
{
    Form2 = new TForm2(this);
    Form3 = new TForm3(this);
    Form4 = new TForm4(this);
    Form5 = new TForm5(m_renderer.textConverter(), this);
    Form6 = new TForm6(this);
    Form7 = new TForm7(this);
    Form8 = new TForm8(this);
    Form9 = new TForm9(this);
    Form10 = new TForm10(this);
    Form11 = new TForm11(this);
    Form12 = new TForm12(this);
    Form13 = new TForm13(this);
    Form14 = new TForm14(this);
    Form15 = new TForm15(this);
    Form16 = new TForm16(this);
    Form17 = new TForm17(this);
    Form18 = new TForm18(this);

    Form2->setArtWindows(Form6, Form7);
    Form3->setAddWindow(Form17);
    Form3->setConverter(&Form5->Converter);
    Form3->setLibraryRead([this] { TEXTIDXTimer(); });
    Form17->setPicker(Form3);
    Form17->setCaptureWindow(Form18);
    Form17->setLibraryRead([this] { TEXTIDXTimer(); });
    Form4->setPreviewSource([this](const QString &text) {
        const ColorValue TextColor = HueColors(m_renderer.textIndex(), m_state.AppDir).colorOf(QString::number(Form3->SelectedHue));
        return Form5->Converter.render(text, TextColor);
    });
}

void TForm1::connectHandlers()
{
    using EventGuard::connect;
    connect(BOOT, &QTimer::timeout, this, &TForm1::BOOTTimer);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(CacheCLEANUP, &QTimer::timeout, this, &TForm1::CacheCLEANUPTimer);
    connect(MouseRemove, &QTimer::timeout, this, &TForm1::MouseRemoveTimer);

    connect(Button6, &QToolButton::clicked, this, &TForm1::Button6Click);
    connect(Button1, &QToolButton::clicked, this, &TForm1::Button1Click);
    connect(Button7, &QToolButton::clicked, this, &TForm1::Button7Click);
    connect(Button12, &QToolButton::clicked, this, &TForm1::Button12Click);
    connect(Button8, &QToolButton::clicked, this, &TForm1::Button8Click);
    connect(New1, &QAction::triggered, this, &TForm1::Button6Click);
    connect(Open1, &QAction::triggered, this, &TForm1::Button1Click);
    connect(SaveAs1, &QAction::triggered, this, &TForm1::Button7Click);
    connect(Exit1, &QAction::triggered, this, &TForm1::Exit1Click);
    connect(Import1, &QAction::triggered, this, &TForm1::Button12Click);
    connect(Export1, &QAction::triggered, this, &TForm1::Button8Click);
    connect(Help1, &QAction::triggered, this, &TForm1::Help1Click);
    connect(About1, &QAction::triggered, this, &TForm1::Button10Click);
    connect(Button10, &QPushButton::clicked, this, &TForm1::Button10Click);
    connect(Button17, &QPushButton::clicked, this, &TForm1::Button17Click);

    connect(CSpinEdit3, &SpinEdit::changed, this, &TForm1::CSpinEdit3Change);
    connect(ComboBox1, &QComboBox::activated, this, &TForm1::ComboBox1Change);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TForm1::ScrollBar2Change);
    connect(ScrollBar2, &QScrollBar::valueChanged, this, &TForm1::ScrollBar2Change);
    connect(CheckBox1, &QToolButton::clicked, this, &TForm1::ScrollBar2Change);
    connect(ToolButton13, &QToolButton::clicked, this, &TForm1::ScrollBar2Change);
    connect(Button22, &QPushButton::clicked, this, &TForm1::Button22Click);
    connect(HighlightSelected1, &QAction::triggered, this, &TForm1::HighlightSelected1Click);
    connect(AlwaysDrawPage01, &QAction::triggered, this, &TForm1::AlwaysDrawPage01Click);
    connect(Text2, &QAction::triggered, this, &TForm1::Text2Click);
    connect(Buttons1, &QAction::triggered, this, &TForm1::Buttons1Click);
    connect(GumpPics1, &QAction::triggered, this, &TForm1::GumpPics1Click);
    connect(ResizePics1, &QAction::triggered, this, &TForm1::ResizePics1Click);
    connect(MenuItem12, &QAction::triggered, this, &TForm1::Text2Click);
    connect(MenuItem13, &QAction::triggered, this, &TForm1::Buttons1Click);
    connect(MenuItem14, &QAction::triggered, this, &TForm1::GumpPics1Click);
    connect(MenuItem15, &QAction::triggered, this, &TForm1::ResizePics1Click);
    connect(ToolButton15, &QToolButton::clicked, this, &TForm1::ToolButton15Click);
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TForm1::PopupMenu1Popup);
    connect(AutoSave1, &QAction::triggered, this, &TForm1::AutoSaveTimer);

    connect(CSpinEdit1, &SpinEdit::changed, this, &TForm1::CSpinEdit1Change);
    connect(CSpinEdit2, &SpinEdit::changed, this, &TForm1::CSpinEdit2Change);
    connect(CSpinEdit6, &SpinEdit::changed, this, &TForm1::CSpinEdit6Change);
    connect(CSpinEdit5, &SpinEdit::changed, this, &TForm1::CSpinEdit5Change);
    connect(CSpinEdit4, &SpinEdit::changed, this, &TForm1::CSpinEdit4Change);
    connect(Button11, &QPushButton::clicked, this, &TForm1::Button11Click);
    connect(Button16, &QPushButton::clicked, this, &TForm1::Button16Click);

    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(Button15, &QPushButton::clicked, this, &TForm1::Button15Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(REMOVEBUT, &QToolButton::clicked, this, &TForm1::REMOVEBUTClick);
    connect(RemoveSelected1, &QAction::triggered, this, &TForm1::REMOVEBUTClick);
    connect(Clone1, &QAction::triggered, this, &TForm1::Clone1Click);
    connect(SendSelectedtoFront1, &QAction::triggered, this, &TForm1::SendSelectedtoFront1Click);
    connect(SemdSelectedtoBack1, &QAction::triggered, this, &TForm1::SemdSelectedtoBack1Click);
}

Settings &TForm1::settings()
{
    return Form12->Options;
}

// ---- Start and the whole document -------------------------------------

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_booted && !BOOT->isActive())
        BOOT->start();
}

void TForm1::BOOTTimer()
{
    BOOT->stop();
    m_booted = true;
    QString dir = QDir::currentPath();
    if (!dir.endsWith(u'/'))
        dir += u'/';
    m_state.AppDir = dir;
    m_renderer.setAppDir(dir);   // also builds the text index from the hue library there
    Form3->setAppDir(dir);
    Form17->setAppDir(dir);
    Form12->DefaultsRunning = false;
    Form15->Folder = dir;
    Form15->Timer1->start();
    Modal::exec(*Form15);
    if (Form15->updateStarted())
        return;
    m_view.invalidate();
    m_state.DATA.reset(m_state.Page);
    m_state.ShowText = m_state.ShowButtons = m_state.ShowGumppics = m_state.ShowResizepics = true;
    applyCreationStyle();
    DRAWClick();
}

void TForm1::Button6Click()
{
    DocumentCommands::newDocument(m_state);
    showPageBox();
    applyControls();
    DRAWClick();
    Label8->setText(QStringLiteral("New Project"));
}

void TForm1::Button1Click()
{
    SelectionCommands::clearBasic(m_state);
    applyControls();
    DRAWClick();
    const QString path = Modal::openFile(AppInfo::ProjectFilter);
    if (path.isEmpty())
        return;
    DocumentCommands::replaceDocument(m_state, Document::loadProjectFile(path));
    DRAWClick();
    Label8->setText(QStringLiteral("Project Opened"));
}

void TForm1::Button7Click()
{
    const QString path = Modal::saveFile(AppInfo::ProjectFilter);
    if (path.isEmpty())
        return;
    Document::saveProjectFile(path, m_state.DATA.lines());
    Label8->setText(QStringLiteral("Project Saved"));
}

void TForm1::Button12Click()
{
    Modal::exec(*Form14);
}

void TForm1::Button8Click()
{
    MainWindowExportHost host(*this);
    QStringList script;
    bool finished = false;
    try {
        finished = runSphereExport(m_state.DATA, settings().exportVersion, m_state.AppDir, host, script);
    } catch (...) {
        // What was written before the failure stays in the result window.
        Form8->setLines(script);
        throw;
    }
    if (!finished)
        return;
    Form8->setLines(script);
    Label8->setText(QStringLiteral("Export To Sphere"));
    Modal::exec(*Form8);
}

void TForm1::Button10Click()
{
    Modal::exec(*Form10);
}

void TForm1::Button17Click()
{
    Modal::exec(*Form12);
    applyCreationStyle();
    m_view.invalidate();
    DRAWClick();
}

void TForm1::Help1Click()
{
    const QString local = m_state.AppDir + QFileInfo(QString(AppInfo::HelpFile).replace(u'\\', u'/')).fileName();
    for (const QString &path : {AppInfo::HelpFile, local})
        if (QFileInfo::exists(path) && QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
            return;
    Modal::warning(QStringLiteral("Cannot open help file %1").arg(local));
}

void TForm1::Exit1Click()
{
    close();
}

// ---- Pages, selection, redraw -----------------------------------------

void TForm1::CSpinEdit3Change()
{
    ComboBox1->setFocus();
    m_state.Dragging = false;
    const QString page = DocumentCommands::normalisedPage(CSpinEdit3->text());
    if (page != CSpinEdit3->text()) {
        CSpinEdit3->setText(page); // runs this handler again with the corrected page
        return;
    }
    DocumentCommands::changePage(m_state, page);
    applyControls();
    m_view.invalidate();
    DRAWClick();
}

void TForm1::ComboBox1Change()
{
    if (!SelectionCommands::select(m_state, ComboBox1->currentIndex()))
        return;
    m_view.invalidate();
    DRAWClick();
    applyControls();
}

void TForm1::Timer1Timer()
{
    const auto readout = SelectionCommands::readout(m_state);
    if (!readout)
        return;
    CSpinEdit1->setText(readout->x);
    CSpinEdit2->setText(readout->y);
    if (readout->width) {
        CSpinEdit6->setText(*readout->width);
        CSpinEdit5->setText(*readout->height);
    }
}

void TForm1::DRAWClick()
{
    Label9->setVisible(settings().timeDrawing);
    DrawMeter->setVisible(settings().showDrawGauge);
    RULERDRAWTimer();
    if (m_view.redraw(m_state, settings()))
        LQUICKTimer();
    Image1->setPicture(m_view.canvas());
}

void TForm1::CacheCLEANUPTimer()
{
    m_renderer.cleanUpCache(m_state.DATA.lines());
}

void TForm1::TEXTIDXTimer()
{
    m_renderer.rebuildTextIndex();
}

void TForm1::LQUICKTimer()
{
    ComboBox1->clear();
    ComboBox1->addItems(m_state.SelectList);
    ComboBox1->setCurrentIndex(m_state.SelectIndex);
    Label9->setText(m_view.drawTimeText());
    // Records that cannot be drawn are named once, not at every redraw.
    const QStringList problems = m_view.problems();
    if (problems != m_reportedProblems) {
        m_reportedProblems = problems;
        if (!problems.isEmpty())
            Label8->setText(problems.size() == 1 ? problems.first()
                                                 : QStringLiteral("%1 (and %2 more records not drawn)")
                                                       .arg(problems.first())
                                                       .arg(problems.size() - 1));
    }
    DrawMeter->setRange(0, std::max(0, m_state.DATA.size() - 1));
    DrawMeter->setValue(DrawMeter->maximum());
}

void TForm1::RULERDRAWTimer()
{
    m_rulers = drawRulers(Image7->width(), Image6->height(), settings().rulerStyle());
    Image8->setPicture(m_rulers.corner);
    Image7->setPicture(m_rulers.top);
    Image6->setPicture(m_rulers.left);
}

void TForm1::syncViewState()
{
    m_state.ScrollX = ScrollBar1->value();
    m_state.ScrollY = ScrollBar2->value();
    m_state.HighlightSelected = CheckBox1->isChecked();
    m_state.AlwaysDrawPage0 = ToolButton13->isChecked();
}

void TForm1::ScrollBar2Change()
{
    syncViewState();
    if (ScrollResetting)
        return;
    m_view.invalidate();
    DRAWClick();
}

void TForm1::Button22Click()
{
    ScrollResetting = true;
    ScrollBar1->setValue(0);
    ScrollBar2->setValue(0);
    ScrollResetting = false;
    syncViewState();
    m_view.invalidate();
    DRAWClick();
}

void TForm1::HighlightSelected1Click()
{
    CheckBox1->setChecked(!CheckBox1->isChecked());
    syncViewState();
    m_view.invalidate();
    DRAWClick();
}

void TForm1::AlwaysDrawPage01Click()
{
    ToolButton13->setChecked(!ToolButton13->isChecked());
    syncViewState();
    m_view.invalidate();
    DRAWClick();
}

// The show flags take effect at the next render.
void TForm1::Text2Click()
{
    m_state.ShowText = !m_state.ShowText;
}

void TForm1::Buttons1Click()
{
    m_state.ShowButtons = !m_state.ShowButtons;
}

void TForm1::GumpPics1Click()
{
    m_state.ShowGumppics = !m_state.ShowGumppics;
}

void TForm1::ResizePics1Click()
{
    m_state.ShowResizepics = !m_state.ShowResizepics;
}

void TForm1::ToolButton15Click()
{
    MenuItem12->setChecked(m_state.ShowText);
    MenuItem13->setChecked(m_state.ShowButtons);
    MenuItem14->setChecked(m_state.ShowGumppics);
    MenuItem15->setChecked(m_state.ShowResizepics);
    PopupMenu2->popup(ToolButton15->mapToGlobal(QPoint(3, ToolButton15->height())));
}

void TForm1::PopupMenu1Popup()
{
    HighlightSelected1->setChecked(CheckBox1->isChecked());
    AlwaysDrawPage01->setChecked(ToolButton13->isChecked());
    Text2->setChecked(m_state.ShowText);
    Buttons1->setChecked(m_state.ShowButtons);
    GumpPics1->setChecked(m_state.ShowGumppics);
    ResizePics1->setChecked(m_state.ShowResizepics);
}

// Autosave writes its files here once it is built; the canvas "AutoSave"
// action and the popup item already call it.
void TForm1::AutoSaveTimer()
{
}

// ---- The canvas mouse ---------------------------------------------------

bool TForm1::canvasEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto *e = static_cast<QMouseEvent *>(event);
        const QPoint at = e->position().toPoint();
        EventGuard::run([&] { Image1MouseDown(e->button(), at.x(), at.y()); });
        return true;
    }
    case QEvent::MouseMove: {
        const auto *e = static_cast<QMouseEvent *>(event);
        const QPoint at = e->position().toPoint();
        EventGuard::run([&] { Image1MouseMove(e->buttons(), at.x(), at.y()); });
        return true;
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

QPoint TForm1::documentPoint(int X, int Y) const
{
    return CanvasMouse::documentPoint(QPoint(X, Y), ScrollBar1->value(), ScrollBar2->value());
}

QToolButton *TForm1::brushDown() const
{
    if (BrushGroup->isHidden())
        return nullptr;
    for (QToolButton *brush : {SpeedButton4, SpeedButton1, SpeedButton3, SpeedButton2})
        if (brush->isChecked())
            return brush;
    return nullptr;
}

void TForm1::Image1MouseDown(Qt::MouseButton Button, int X, int Y)
{
    PreviousSelectedLine = m_state.SelectedLine;
    if (QToolButton *brush = brushDown()) {
        placeWithBrush(brush, X, Y);
        return;
    }
    // A band left behind by an up or left release (its brush since let go)
    // must not take over the moves of this press.
    BandActive = false;
    m_view.invalidate();

    QString actionText;
    if (Button == Qt::LeftButton)
        actionText = settings().leftAction;
    else if (Button == Qt::RightButton)
        actionText = settings().rightAction;
    else
        return;

    using CanvasMouse::Action;
    const Action action = CanvasMouse::actionOf(actionText);
    switch (action) {
    case Action::Menu:
        PopupMenu1->popup(Image1->mapToGlobal(QPoint(X + 3, Y + 3)));
        return;
    case Action::AutoSave:
        AutoSaveTimer();
        return;
    case Action::None:
        return;
    case Action::Select:
    case Action::SelectAndDrag:
    case Action::Remove:
        break;
    }

    const CanvasPicking::Result picked = pickAt(X, Y);
    if (!picked.hit)
        return;
    const CanvasPicking::Hit &hit = *picked.hit;
    // The select list shows the element without running its change handler.
    m_state.SelectIndex = hit.entry;
    ComboBox1->setCurrentIndex(hit.entry);
    m_state.SelectedLine = hit.line;

    if (action == Action::Select)
        ComboBox1Change();
    else if (action == Action::SelectAndDrag)
        startDragging(hit, X, Y);
    else
        REMOVEBUTClick();
}

CanvasPicking::Result TForm1::pickAt(int X, int Y)
{
    CanvasPicking::Result picked =
        CanvasPicking::pick(m_state.DATA.lines(), m_state.LineList, documentPoint(X, Y), m_renderer,
                            CanvasView::renderOptions(m_state, settings(), m_view.canvasSize()));
    reportPickProblems(picked.problems);
    return picked;
}

// Each unreadable record is named once in the status, however often the mouse passes it.
void TForm1::reportPickProblems(const QStringList &problems)
{
    for (const QString &problem : problems) {
        if (m_reportedPickProblems.contains(problem))
            continue;
        m_reportedPickProblems << problem;
        Label8->setText(problem);
    }
}

void TForm1::startDragging(const CanvasPicking::Hit &hit, int X, int Y)
{
    m_state.Dragging = true;
    const QPoint at = documentPoint(X, Y);
    GrabOffsetX = at.x() - hit.x;
    GrabOffsetY = at.y() - hit.y;
    m_view.invalidate();
    // This render leaves the element off the canvas and hands it over as the drag image.
    ComboBox1Change();
    m_canvasSnapshot = Image1->picture();
    Timer1->stop();
    QImage frame = m_canvasSnapshot;
    QPainter(&frame).drawImage(QPoint(X - GrabOffsetX, Y - GrabOffsetY), m_view.dragImage());
    Image1->setPicture(frame);
}

void TForm1::Image1MouseMove(Qt::MouseButtons Shift, int X, int Y)
{
    const QPoint at = documentPoint(X, Y);
    Label8->setText(QStringLiteral("X = %1, Y = %2").arg(at.x()).arg(at.y()));
    if (!m_state.Dragging && settings().mouseRead)
        showPointerOnRulers(X, Y);

    if ((Shift & Qt::LeftButton) && BandActive) {
        QImage frame = m_canvasSnapshot;
        const QPoint start(BandStartX - ScrollBar1->value(), BandStartY - ScrollBar2->value());
        if (CanvasMouse::bandSize(start, QPoint(X, Y))) {
            QPainter painter(&frame);
            painter.setPen(Qt::black);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRect(start, QPoint(X, Y)));
        }
        Image1->setPicture(frame);
        return;
    }
    if (m_state.Dragging)
        dragTo(X, Y);
}

void TForm1::dragTo(int X, int Y)
{
    QElapsedTimer clock;
    clock.start();
    Timer1->stop();
    const QPoint canvasAt = CanvasMouse::dragPosition(QPoint(X, Y), QPoint(GrabOffsetX, GrabOffsetY));
    QImage frame = m_canvasSnapshot;
    QPainter(&frame).drawImage(canvasAt, m_view.dragImage());
    Image1->setPicture(frame);
    CanvasMouse::writePosition(m_state, m_state.SelectedLine,
                               canvasAt + QPoint(ScrollBar1->value(), ScrollBar2->value()));
    if (settings().dragRead)
        showDragOnRulers(canvasAt, m_view.dragImage().size());
    Label9->setText(QStringLiteral("DRAWTIME=") + NumberText::secondsText(clock.elapsed()));
}

void TForm1::showPointerOnRulers(int X, int Y)
{
    markTopRuler(m_rulers.top, m_rulers.cleanTop, {X}, settings().interactiveColor);
    markLeftRuler(m_rulers.left, m_rulers.cleanLeft, {Y}, settings().interactiveColor);
    Image7->setPicture(m_rulers.top);
    Image6->setPicture(m_rulers.left);
}

void TForm1::showDragOnRulers(QPoint at, QSize size)
{
    markTopRuler(m_rulers.top, m_rulers.cleanTop, {at.x(), at.x() + size.width()}, settings().interactiveColor);
    markLeftRuler(m_rulers.left, m_rulers.cleanLeft, {at.y(), at.y() + size.height()}, settings().interactiveColor);
    Image7->setPicture(m_rulers.top);
    Image6->setPicture(m_rulers.left);
}

void TForm1::Image1MouseUp(Qt::MouseButton, int X, int Y)
{
    if (m_state.Dragging) {
        if (m_state.SelectedLine != PreviousSelectedLine)
            m_view.invalidate();
        m_state.Dragging = false;
        Timer1->start();
        DRAWClick();
    }
    if (BandActive && brushDown() == SpeedButton4)
        finishBand(X, Y);
}

// A background is drawn right of and below where the band began; up or left
// draws nothing and keeps the brush for another try.
void TForm1::finishBand(int X, int Y)
{
    const QPoint start(BandStartX, BandStartY);
    const std::optional<QSize> size = CanvasMouse::bandSize(start, documentPoint(X, Y));
    if (!size)
        return;
    SpeedButton4->setChecked(false);
    BandActive = false;
    ElementCommands::addResizepic(m_state, *this, QString::number(start.x()), QString::number(start.y()),
                                  QString::number(size->width()), QString::number(size->height()));
    DRAWClick();
}

// The Real Draw brushes: a press places one element where it happens, through
// the windows of the add commands, and releases the brush. A cancelled
// picker keeps the brush.
void TForm1::placeWithBrush(QToolButton *brush, int X, int Y)
{
    const QPoint at = documentPoint(X, Y);
    if (brush == SpeedButton4) {
        BandStartX = at.x();
        BandStartY = at.y();
        m_canvasSnapshot = Image1->picture();
        BandActive = true;
        m_state.Dragging = false;
        return;
    }
    const QString x = QString::number(at.x()), y = QString::number(at.y());
    bool added = false;
    if (brush == SpeedButton1)
        added = ElementCommands::addButton(m_state, *this, x, y);
    else if (brush == SpeedButton3)
        added = ElementCommands::addGumppic(m_state, *this, x, y);
    else
        added = ElementCommands::addText(m_state, *this, x, y);
    if (!added)
        return;
    brush->setChecked(false);
    DRAWClick();
}

// The pointer marks stay on the rulers only while the pointer is over the canvas.
void TForm1::MouseRemoveTimer()
{
    const QRect canvas(Image1->mapToGlobal(QPoint(0, 0)), Image1->size());
    if (!canvas.contains(QCursor::pos()))
        RULERDRAWTimer();
}

// ---- The keyboard ---------------------------------------------------------

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

// Arrow keys nudge the selected element by one pixel; every key asks for a
// redraw, which costs nothing when the document did not change. The key is
// not consumed: the control goes on to treat it as usual.
void TForm1::ComboBox1KeyDown(int Key)
{
    if (const std::optional<QPoint> step = KeyboardNudge::stepOf(Key))
        KeyboardNudge::nudge(m_state, *step);
    DRAWClick();
}

// The window's own keys: those that reach it while no control has the focus.
void TForm1::keyPressEvent(QKeyEvent *event)
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus || focus == this)
        EventGuard::run([this, event] { ComboBox1KeyDown(event->key()); });
    QMainWindow::keyPressEvent(event);
}

// ---- Modify and Other ---------------------------------------------------

void TForm1::positionSpinChanged(SpinEdit *spin, Field field)
{
    const QString text = SelectionCommands::clampedSpinText(spin->text());
    if (text != spin->text()) {
        spin->setText(text); // runs the handler again with "0"
        return;
    }
    SelectionCommands::writeField(m_state, field, text);
    DRAWClick();
}

void TForm1::CSpinEdit1Change()
{
    positionSpinChanged(CSpinEdit1, Field::X);
}

void TForm1::CSpinEdit2Change()
{
    positionSpinChanged(CSpinEdit2, Field::Y);
}

void TForm1::CSpinEdit6Change()
{
    positionSpinChanged(CSpinEdit6, Field::Width);
}

void TForm1::CSpinEdit5Change()
{
    positionSpinChanged(CSpinEdit5, Field::Height);
}

void TForm1::CSpinEdit4Change()
{
    ComboBox1->setFocus();
    const int step = CSpinEdit4->value();
    for (SpinEdit *spin : {CSpinEdit1, CSpinEdit2, CSpinEdit6, CSpinEdit5})
        spin->setIncrement(step);
}

void TForm1::Button11Click()
{
    if (const auto location = DocumentCommands::location(m_state)) {
        Form9->CSpinEdit1->setText(location->x);
        Form9->CSpinEdit2->setText(location->y);
    }
    Modal::exec(*Form9);
    DocumentCommands::storeLocation(m_state, {Form9->CSpinEdit1->text(), Form9->CSpinEdit2->text()});
    DRAWClick();
}

void TForm1::Button16Click()
{
    if (const auto flags = DocumentCommands::windowFlags(m_state)) {
        Form13->CheckBox1->setChecked(flags->canNotClose);
        Form13->CheckBox2->setChecked(flags->canNotMove);
    }
    Modal::exec(*Form13);
    DocumentCommands::storeWindowFlags(m_state, {Form13->CheckBox1->isChecked(), Form13->CheckBox2->isChecked()});
    DRAWClick();
}

// ---- Element commands ---------------------------------------------------

void TForm1::Button4Click()
{
    if (ElementCommands::addGumppic(m_state, *this))
        DRAWClick();
}

void TForm1::Button15Click()
{
    if (ElementCommands::addResizepic(m_state, *this))
        DRAWClick();
}

void TForm1::Button3Click()
{
    if (ElementCommands::addButton(m_state, *this))
        DRAWClick();
}

void TForm1::Button5Click()
{
    if (ElementCommands::addText(m_state, *this))
        DRAWClick();
}

void TForm1::REMOVEBUTClick()
{
    ElementCommands::remove(m_state);
    applyControls();
    DRAWClick();
}

void TForm1::Clone1Click()
{
    ElementCommands::clone(m_state, settings().offsetClone);
    DRAWClick();
}

void TForm1::SendSelectedtoFront1Click()
{
    ElementCommands::sendToBack(m_state);
    applyControls();
    DRAWClick();
}

void TForm1::SemdSelectedtoBack1Click()
{
    ElementCommands::sendToFront(m_state);
    applyControls();
    DRAWClick();
}

std::optional<QString> TForm1::pickImage(const QString &folder, PickerMode mode)
{
    Form2->ButtonMode = mode == PickerMode::Button;
    Form2->ResizepicMode = mode == PickerMode::Resizepic;
    Form2->setFolder(folder);
    if (Modal::exec(*Form2) != QDialog::Accepted)
        return std::nullopt;
    return Form2->selectedFile();
}

ElementDialogs::ButtonOptions TForm1::askButtonOptions()
{
    Modal::exec(*Form11);
    return Form11->options();
}

int TForm1::askHue()
{
    Form3->ScrollBar1Change();
    Modal::exec(*Form3);
    return Form3->SelectedHue;
}

QString TForm1::askText()
{
    Modal::exec(*Form4);
    return Form4->text();
}

// ---- Copying state onto the controls ------------------------------------

void TForm1::applyControls()
{
    const SelectionControls &c = m_state.Controls;
    REMOVEBUT->setEnabled(c.removeEnabled);
    ModifyGroup->setVisible(c.modifyVisible);
    for (SpinEdit *spin : {CSpinEdit1, CSpinEdit2}) {
        spin->setVisible(c.positionVisible);
        spin->setEnabled(c.positionEnabled);
    }
    for (QWidget *w : std::initializer_list<QWidget *>{LabelX2, LabelY2, CSpinEdit6, CSpinEdit5})
        w->setVisible(c.sizeVisible);
    CHANGEIMAGE->setVisible(c.changeImageVisible);
    CHANGEIMAGE->setEnabled(c.changeImageEnabled);
    EDITOPTIONS->setVisible(c.optionsVisible);
    EDITOPTIONS->setEnabled(c.optionsEnabled);
    Clone1->setEnabled(c.popupCloneEnabled);
    RemoveSelected1->setEnabled(c.popupRemoveEnabled);
    SendSelectedtoFront1->setEnabled(c.popupSendBackEnabled);
    SemdSelectedtoBack1->setEnabled(c.popupSendFrontEnabled);
    ComboBox1->setCurrentIndex(m_state.SelectIndex);
}

void TForm1::applyCreationStyle()
{
    const bool realDraw = settings().drawEngine == u"(1.2) Real Draw";
    BrushGroup->setVisible(realDraw);
    InsertGroup->setVisible(!realDraw);
}

void TForm1::showPageBox()
{
    const QSignalBlocker quiet(CSpinEdit3);
    CSpinEdit3->setText(m_state.Page);
}

void TForm1::canvasResized()
{
    m_view.setCanvasSize(Image1->size());
    if (!m_booted)
        return;
    m_view.invalidate();
    DRAWClick();
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
