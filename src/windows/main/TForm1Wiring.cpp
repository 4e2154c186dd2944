// The main window's timers and the wiring of its controls to their handlers.
#include "net/HTTPGet.h"
#include "windows/art/TForm17.h"
#include "windows/art/TForm18.h"
#include "windows/art/TForm3.h"
#include "windows/art/TForm6.h"
#include "windows/art/TForm7.h"
#include "windows/elements/TForm11.h"
#include "windows/elements/TForm2.h"
#include "windows/elements/TForm4.h"
#include "windows/main/TForm1.h"
#include "windows/main/TForm10.h"
#include "windows/options/TForm12.h"
#include "windows/options/TForm13.h"
#include "windows/options/TForm9.h"
#include "windows/script/TForm14.h"
#include "windows/script/TForm8.h"
#include "windows/update/TForm15.h"
#include "windows/update/TForm16.h"
#include "windows/widgets/CanvasImage.h"
#include "windows/widgets/EventGuard.h"
#include "windows/widgets/ImageView.h"
#include "windows/widgets/PropertyPanel.h"
#include "windows/widgets/SpinEdit.h"

#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

void TForm1::buildTimers()
{
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
    AutoSave = new QTimer(this);            // off until the settings are read
}

// Every control, window and timer the handlers are named after, by that
// name: what control() finds.
void TForm1::nameControls()
{
    const std::pair<QObject *, const char *> named[] = {
        {Form2, "Form2"}, {Form3, "Form3"}, {Form4, "Form4"}, {Form6, "Form6"}, {Form7, "Form7"},
        {Form8, "Form8"}, {Form9, "Form9"}, {Form10, "Form10"}, {Form11, "Form11"}, {Form12, "Form12"},
        {Form13, "Form13"}, {Form14, "Form14"}, {Form15, "Form15"}, {Form16, "Form16"}, {Form17, "Form17"},
        {Form18, "Form18"}, {Button6, "Button6"}, {Button1, "Button1"}, {Button7, "Button7"}, {Button12, "Button12"},
        {Button8, "Button8"}, {CheckButton, "CheckButton"}, {TestButton, "TestButton"}, {ComboBox1, "ComboBox1"},
        {REMOVEBUT, "REMOVEBUT"}, {CheckBox1, "CheckBox1"}, {CSpinEdit3, "CSpinEdit3"},
        {ToolButton13, "ToolButton13"}, {ToolButton15, "ToolButton15"}, {ModifyGroup, "ModifyGroup"},
        {LabelX, "LabelX"}, {LabelY, "LabelY"}, {LabelX2, "LabelX2"}, {LabelY2, "LabelY2"},
        {CSpinEdit1, "CSpinEdit1"}, {CSpinEdit2, "CSpinEdit2"}, {CSpinEdit6, "CSpinEdit6"},
        {CSpinEdit5, "CSpinEdit5"}, {LabelStandIn, "LabelStandIn"}, {LabelStandIn2, "LabelStandIn2"},
        {StandInX, "StandInX"}, {StandInY, "StandInY"}, {StandInWidth, "StandInWidth"},
        {StandInHeight, "StandInHeight"}, {CHANGEIMAGE, "CHANGEIMAGE"}, {EDITOPTIONS, "EDITOPTIONS"},
        {CSpinEdit4, "CSpinEdit4"}, {InsertGroup, "InsertGroup"}, {Button4, "Button4"}, {Button15, "Button15"},
        {Button3, "Button3"}, {Button5, "Button5"}, {BrushGroup, "BrushGroup"}, {SpeedButton4, "SpeedButton4"},
        {SpeedButton1, "SpeedButton1"}, {SpeedButton3, "SpeedButton3"}, {SpeedButton2, "SpeedButton2"},
        {ControlBrush, "ControlBrush"}, {OtherGroup, "OtherGroup"}, {Button11, "Button11"}, {Button16, "Button16"},
        {Button17, "Button17"}, {Button10, "Button10"}, {Image1, "Image1"}, {Image7, "Image7"}, {Image6, "Image6"},
        {Image8, "Image8"}, {ScrollBar1, "ScrollBar1"}, {ScrollBar2, "ScrollBar2"}, {Button22, "Button22"},
        {Label8, "Label8"}, {Label9, "Label9"}, {DrawMeter, "DrawMeter"}, {ProblemsDock, "ProblemsDock"},
        {InsertMenu, "InsertMenu"}, {PropertiesDock, "PropertiesDock"}, {Properties, "Properties"},
        {ProblemsList, "ProblemsList"}, {ProblemsFilter, "ProblemsFilter"}, {PopupMenu1, "PopupMenu1"}, {PopupMenu2, "PopupMenu2"}, {Clone1, "Clone1"},
        {RemoveSelected1, "RemoveSelected1"}, {SendSelectedtoFront1, "SendSelectedtoFront1"},
        {SemdSelectedtoBack1, "SemdSelectedtoBack1"}, {HighlightSelected1, "HighlightSelected1"},
        {AlwaysDrawPage01, "AlwaysDrawPage01"}, {Text2, "Text2"}, {Buttons1, "Buttons1"}, {GumpPics1, "GumpPics1"},
        {ResizePics1, "ResizePics1"}, {AutoSave1, "AutoSave1"}, {MenuItem12, "MenuItem12"},
        {MenuItem13, "MenuItem13"}, {MenuItem14, "MenuItem14"}, {MenuItem15, "MenuItem15"}, {FileMenu, "FileMenu"}, {RecentMenu, "RecentMenu"},
        {EditMenu, "EditMenu"}, {SphereMenu, "SphereMenu"}, {ViewMenu, "ViewMenu"}, {ShowGrid1, "ShowGrid1"},
        {SnapToGrid1, "SnapToGrid1"}, {ZoomIn1, "ZoomIn1"}, {ZoomOut1, "ZoomOut1"}, {ActualSize1, "ActualSize1"},
        {FitPage1, "FitPage1"}, {Delete1, "Delete1"}, {HelpMenu, "HelpMenu"}, {New1, "New1"}, {Open1, "Open1"},
        {Save1, "Save1"}, {SaveAs1, "SaveAs1"}, {BuildArtLibrary1, "BuildArtLibrary1"}, {Undo1, "Undo1"},
        {Redo1, "Redo1"}, {Cut1, "Cut1"}, {Copy1, "Copy1"}, {Paste1, "Paste1"}, {Duplicate1, "Duplicate1"},
        {SelectAll1, "SelectAll1"}, {History1, "History1"}, {Exit1, "Exit1"}, {Import1, "Import1"},
        {Export1, "Export1"}, {Check1, "Check1"}, {NextVersion1, "NextVersion1"}, {Help1, "Help1"},
        {About1, "About1"}, {HTTPGet1, "HTTPGet1"}, {BOOT, "BOOT"}, {Timer1, "Timer1"},
        {CacheCLEANUP, "CacheCLEANUP"}, {MouseRemove, "MouseRemove"}, {AutoSave, "AutoSave"}
    };
    for (const auto &[object, name] : named) {
        if (object->objectName().isEmpty())
            object->setObjectName(QLatin1StringView(name));
        m_controls.insert(QLatin1StringView(name), object);
    }
}

void TForm1::connectHandlers()
{
    using EventGuard::connect;
    connect(BOOT, &QTimer::timeout, this, &TForm1::BOOTTimer);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(CacheCLEANUP, &QTimer::timeout, this, &TForm1::CacheCLEANUPTimer);
    connect(MouseRemove, &QTimer::timeout, this, &TForm1::MouseRemoveTimer);
    connect(AutoSave, &QTimer::timeout, this, &TForm1::autoSaveOnTime);

    connect(Button6, &QToolButton::clicked, this, &TForm1::Button6Click);
    connect(Button1, &QToolButton::clicked, this, &TForm1::Button1Click);
    connect(Button7, &QToolButton::clicked, this, &TForm1::Button7Click);
    connect(Button12, &QToolButton::clicked, this, &TForm1::Button12Click);
    connect(Button8, &QToolButton::clicked, this, &TForm1::Button8Click);
    connect(New1, &QAction::triggered, this, &TForm1::Button6Click);
    connect(Open1, &QAction::triggered, this, &TForm1::Button1Click);
    connect(SaveAs1, &QAction::triggered, this, &TForm1::Button7Click);
    connect(Save1, &QAction::triggered, this, &TForm1::Save1Click);
    connect(Cut1, &QAction::triggered, this, &TForm1::Cut1Click);
    connect(Copy1, &QAction::triggered, this, &TForm1::Copy1Click);
    connect(Paste1, &QAction::triggered, this, &TForm1::Paste1Click);
    connect(Duplicate1, &QAction::triggered, this, &TForm1::Duplicate1Click);
    connect(SelectAll1, &QAction::triggered, this, &TForm1::SelectAll1Click);
    connect(History1, &QAction::triggered, this, &TForm1::History1Click);
    connectDocumentNotices();
    connect(Exit1, &QAction::triggered, this, &TForm1::Exit1Click);
    connect(Import1, &QAction::triggered, this, &TForm1::Button12Click);
    connect(BuildArtLibrary1, &QAction::triggered, this, &TForm1::BuildArtLibrary1Click);
    connect(Export1, &QAction::triggered, this, &TForm1::Button8Click);
    connect(CheckButton, &QToolButton::clicked, this, &TForm1::CheckClick);
    connect(Check1, &QAction::triggered, this, &TForm1::CheckClick);
    connect(TestButton, &QToolButton::clicked, this, &TForm1::TestModeClick);
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
    connect(ProblemsFilter, &QComboBox::currentIndexChanged, this, [this] { showProblems(); });
    connect(ProblemsList, &QListWidget::itemActivated, this, [this] { ProblemsListClick(ProblemsList->currentRow()); });
    connect(ProblemsList, &QListWidget::itemClicked, this, [this] { ProblemsListClick(ProblemsList->currentRow()); });

    connect(CSpinEdit1, &SpinEdit::changed, this, &TForm1::CSpinEdit1Change);
    connect(CSpinEdit2, &SpinEdit::changed, this, &TForm1::CSpinEdit2Change);
    connect(CSpinEdit6, &SpinEdit::changed, this, &TForm1::CSpinEdit6Change);
    connect(CSpinEdit5, &SpinEdit::changed, this, &TForm1::CSpinEdit5Change);
    connect(CSpinEdit4, &SpinEdit::changed, this, &TForm1::CSpinEdit4Change);
    const std::pair<QLineEdit *, SelectionCommands::Field> standIns[] = {
        {StandInX, SelectionCommands::Field::X}, {StandInY, SelectionCommands::Field::Y},
        {StandInWidth, SelectionCommands::Field::Width}, {StandInHeight, SelectionCommands::Field::Height}};
    for (const auto &[edit, field] : standIns)
        connect(edit, &QLineEdit::editingFinished, this, [this, edit, field] { standInEdited(edit, field); });
    connect(CHANGEIMAGE, &QPushButton::clicked, this, &TForm1::CHANGEIMAGEClick);
    connect(EDITOPTIONS, &QPushButton::clicked, this, &TForm1::EDITOPTIONSClick);
    connect(Button11, &QPushButton::clicked, this, &TForm1::Button11Click);
    connect(Button16, &QPushButton::clicked, this, &TForm1::Button16Click);

    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(Button15, &QPushButton::clicked, this, &TForm1::Button15Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(REMOVEBUT, &QToolButton::clicked, this, &TForm1::REMOVEBUTClick);
    connect(RemoveSelected1, &QAction::triggered, this, &TForm1::REMOVEBUTClick);
    connect(Delete1, &QAction::triggered, this, &TForm1::REMOVEBUTClick);
    connect(Clone1, &QAction::triggered, this, &TForm1::Clone1Click);
    connect(SendSelectedtoFront1, &QAction::triggered, this, &TForm1::SendSelectedtoFront1Click);
    connect(SemdSelectedtoBack1, &QAction::triggered, this, &TForm1::SemdSelectedtoBack1Click);
}


// The window shows what the session says changed, and only that: the
// canvas and the select list redraw once per turn whatever the number of
// notices, the Modify panel follows the selection, the page box the page,
// the title the file name and the modified mark. Undo, Redo and jumps in the
// history view send the same notices as the change itself.
void TForm1::connectDocumentNotices()
{
    m_redrawSoon.setSingleShot(true);
    m_redrawSoon.setInterval(0);
    connect(&m_redrawSoon, &QTimer::timeout, this, [this] { EventGuard::run([this] { DRAWClick(); }); });
    const auto redrawSoon = [this] { m_redrawSoon.start(); };
    connect(&m_session, &DocumentSession::linesChanged, this, redrawSoon);
    connect(&m_session, &DocumentSession::viewOptionsChanged, this, redrawSoon);
    connect(&m_session, &DocumentSession::pageChanged, this, [this] {
        showPageBox();
        m_redrawSoon.start();
    });
    connect(&m_session, &DocumentSession::selectionChanged, this, [this] {
        applyControls();
        m_redrawSoon.start();
    });
    connect(&m_session, &DocumentSession::modifiedChanged, this, &TForm1::updateTitle);
    connect(&m_session, &DocumentSession::fileNameChanged, this, &TForm1::updateTitle);
}
