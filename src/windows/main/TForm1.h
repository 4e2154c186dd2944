#pragma once

#include "assets/client/ArtLibraryBuilder.h"
#include "assets/client/ClientArtSource.h"
#include "document/DocumentSession.h"
#include "document/EditorState.h"
#include "document/ElementCommands.h"
#include "document/ProblemList.h"
#include "document/PropertyCommands.h"
#include "document/SelectionCommands.h"
#include "editor/AutoSaver.h"
#include "editor/CanvasController.h"
#include "editor/CanvasScroll.h"
#include "editor/CanvasView.h"
#include "editor/ClipboardTransfer.h"
#include "editor/DesignChecker.h"
#include "editor/DocumentLifecycle.h"
#include "editor/RecentFiles.h"
#include "editor/Settings.h"
#include "editor/StartupSequence.h"
#include "editor/TestModeView.h"
#include "render/PageRenderer.h"
#include "render/Rulers.h"
#include "render/TextIndex.h"
#include "windows/widgets/CanvasImage.h"

#include <functional>

#include <QHash>
#include <QMainWindow>
#include <QTimer>

#include <memory>


class ImageView;
class QWheelEvent;
class QAction;
class QComboBox;
class QDockWidget;
class PropertyPanel;
class QListWidget;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QTimer;
class QToolButton;
class SpinEdit;
class THTTPGet;

class TForm2;
class TForm3;
class TForm4;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;
class TForm11;
class TForm12;
class TForm13;
class TForm14;
class TForm15;
class TForm16;
class TForm17;
class TForm18;
class ArtLibraryWindow;
class ServerJob;
class ServerPreviewWindow;

// The main window: tool bars, the editing column, the canvas with its rulers
// and scroll bars, menus and status. It owns the open design (EditorState)
// and the other seventeen windows, which it creates after itself, in order.
// Handlers are thin: they call the core's operations and show the outcome;
// the window answers the core's questions through the host interfaces.
class TForm1 : public QMainWindow,
               private ElementDialogs,
               private PropertyDialogs,
               private CanvasHost,
               private LifecycleHost,
               private StartupHost,
               private AutoSaveHost
{
    Q_OBJECT

signals:
    // Start-up is done: settings read, AppDir set, the start file opened.
    void started();

public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    EditorState &state() { return m_state; }
    const CanvasView &view() const { return m_view; }
    // The one text converter: the canvas and the previews draw with its font.
    const TextConverter &textConverter() const { return m_renderer.textConverter(); }
    Settings &settings();

    // The problems found in the design, and the panel that lists them.
    ProblemList &problems() { return m_problems; }

    // A design or script named on the command line, opened once start-up is
    // done: a design is opened, a script fills the import window.
    QString StartFile;
    // AppDir as chosen at start; empty for the current folder.
    QString StartDataFolder;
    void showProblems() override;          // the list onto the panel

    // A control, timer or other window of the main window by the name its
    // handlers go by ("Button6", "ComboBox1", "Form12"). Tests reach the
    // window through it; a name the window does not have, or of another
    // type, is a mistake in the caller and stops the program naming it.
    template <typename T>
    T *control(const QString &objectName) const
    {
        T *found = qobject_cast<T *>(m_controls.value(objectName));
        if (!found)
            qFatal("The main window has no control \"%s\" of the type asked for", qPrintable(objectName));
        return found;
    }

    const CanvasController &canvasMouse() const { return *m_canvasMouse; }

public slots:
    void BOOTTimer();
    void Button6Click();   // New
    void Button1Click();   // Open
    void openDesign(const QString &path) override;
    void openStartFile();
    void Button7Click();   // Save As
    void Save1Click();
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();
    void Duplicate1Click();
    void SelectAll1Click();
    void History1Click();
    // The file name and a "*" for unsaved changes.
    void updateTitle();
    // Asks "Save changes?" when there are unsaved changes; false when the
    // work is to be kept as it is (Cancel, or a save that did not happen).
    bool mayDiscardChanges();
    void Button12Click();  // Import
    void BuildArtLibrary1Click();
    void Button8Click();   // Export
    void CheckClick();     // "Check": the Sphere check of the design and the art
    void TestModeClick();  // "Test" (F5): the canvas as the client shows the dialog
    void Button10Click();  // About
    void Button17Click();  // Options
    void Help1Click();
    void Exit1Click();
    void NextVersion1Click();
    void HTTPGet1DoneFile();
    void HTTPGet1Error();

    void CSpinEdit3Change();
    void ComboBox1Change();
    void Timer1Timer();
    void DRAWClick();
    void CacheCLEANUPTimer();
    void TEXTIDXTimer();
    void RULERDRAWTimer();
    void ScrollBar2Change();
    void Button22Click();
    void HighlightSelected1Click();
    void AlwaysDrawPage01Click();
    void Text2Click();
    void Buttons1Click();
    void GumpPics1Click();
    void ResizePics1Click();
    void ToolButton15Click();
    void PopupMenu1Popup();
    void AutoSaveTimer();   // one autosave now, whatever the mode
    void autoSaveOnTime();  // the timer's: only when the design changed since the last one
    void finishAutosaves() { m_autoSaver.finish(); } // slots still being flushed reach their names

    // The user's own Sphere server (TForm1Server.cpp).
    void ServerPreview1Click();     // Tools > "Show as the server sends it" (F6)
    void ImportFromServer1Click();  // File > Import > "From the server…"

    // The canvas (X, Y in canvas pixels) and the keyboard.
    void Image1MouseDown(Qt::MouseButton Button, int X, int Y, Qt::KeyboardModifiers Keys = {});
    void Image1MouseMove(Qt::MouseButtons Shift, int X, int Y, Qt::KeyboardModifiers Keys = {});
    void Image1MouseUp(Qt::MouseButton Button, int X, int Y);
    void MouseRemoveTimer();
    void Image1DblClick(int X, int Y);     // "Options", or "Change Image" for art without options
    void ComboBox1KeyDown(int Key);
    void ProblemsListClick(int row);       // selects the record of the chosen problem

    void CSpinEdit1Change();
    void CSpinEdit2Change();
    void CSpinEdit6Change();
    void CSpinEdit5Change();
    void CSpinEdit4Change();
    void standInEdited(QLineEdit *edit, SelectionCommands::Field field); // a stand-in typed and committed
    void CHANGEIMAGEClick();
    void EDITOPTIONSClick();
    void Button11Click();  // "Location on screen"
    void Button16Click();  // "Misc Dialog"

    void Button4Click();   // "Add Gumppic"
    void Button15Click();  // "Add Resizepic"
    void Button3Click();   // "Add Button"
    void Button5Click();   // "Add Text"
    void REMOVEBUTClick();
    void Clone1Click();
    void SendSelectedtoFront1Click(); // send to back
    void SemdSelectedtoBack1Click();  // send to front

    // The View menu: grid, snapping and zoom.
    void ShowGrid1Click();
    void SnapToGrid1Click();
    void FitPage1Click();
    void zoomTo(int percent);              // about the canvas's top-left corner
    void setCanvasView(const CanvasScroll::View &view);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The other windows, created once for the whole run.
    TForm2 *Form2 = nullptr;
    TForm3 *Form3 = nullptr;
    TForm4 *Form4 = nullptr;
    TForm6 *Form6 = nullptr;
    TForm7 *Form7 = nullptr;
    TForm8 *Form8 = nullptr;
    TForm9 *Form9 = nullptr;
    TForm10 *Form10 = nullptr;
    TForm11 *Form11 = nullptr;
    TForm12 *Form12 = nullptr;
    TForm13 *Form13 = nullptr;
    TForm14 *Form14 = nullptr;
    TForm15 *Form15 = nullptr;
    TForm16 *Form16 = nullptr;
    TForm17 *Form17 = nullptr;
    TForm18 *Form18 = nullptr;
    ArtLibraryWindow *BuildLibraryWindow = nullptr;

    // Tool bars.
    QToolButton *Button6 = nullptr;        // "New project"
    QToolButton *Button1 = nullptr;        // "Open Project"
    QToolButton *Button7 = nullptr;        // "Save Project"
    QToolButton *Button12 = nullptr;       // import
    QToolButton *Button8 = nullptr;        // "Export"
    QToolButton *CheckButton = nullptr;    // "Check"
    QToolButton *TestButton = nullptr;     // "Test", a toggle
    QComboBox *ComboBox1 = nullptr;        // the select list
    QToolButton *REMOVEBUT = nullptr;
    QToolButton *CheckBox1 = nullptr;      // "Highlight Selected"
    SpinEdit *CSpinEdit3 = nullptr;        // the page box
    QToolButton *ToolButton13 = nullptr;   // "With this on Page 0 is always drawn"
    QToolButton *ToolButton15 = nullptr;   // "Show"

    // "Modify".
    QGroupBox *ModifyGroup = nullptr;
    QLabel *LabelX = nullptr;
    QLabel *LabelY = nullptr;
    QLabel *LabelX2 = nullptr;
    QLabel *LabelY2 = nullptr;
    SpinEdit *CSpinEdit1 = nullptr;        // X
    SpinEdit *CSpinEdit2 = nullptr;        // Y
    SpinEdit *CSpinEdit6 = nullptr;        // X2, width of a background
    SpinEdit *CSpinEdit5 = nullptr;        // Y2, height of a background
    // Beside a field the server computes: where the canvas draws it.
    QLabel *LabelStandIn = nullptr;
    QLabel *LabelStandIn2 = nullptr;
    QLineEdit *StandInX = nullptr;
    QLineEdit *StandInY = nullptr;
    QLineEdit *StandInWidth = nullptr;
    QLineEdit *StandInHeight = nullptr;
    QPushButton *CHANGEIMAGE = nullptr;
    QPushButton *EDITOPTIONS = nullptr;
    SpinEdit *CSpinEdit4 = nullptr;        // "X Y rate"

    // "Insert" and "Brush".
    QGroupBox *InsertGroup = nullptr;
    QPushButton *Button4 = nullptr;        // "Add Gumppic"
    QPushButton *Button15 = nullptr;       // "Add Resizepic"
    QPushButton *Button3 = nullptr;        // "Add Button"
    QPushButton *Button5 = nullptr;        // "Add Text"
    QGroupBox *BrushGroup = nullptr;
    QToolButton *SpeedButton4 = nullptr;   // "Resizepic"
    QToolButton *SpeedButton1 = nullptr;   // "Button"
    QToolButton *SpeedButton3 = nullptr;   // "Gumppic"
    QToolButton *SpeedButton2 = nullptr;   // "Text"
    // The brush of the newer kinds, and its menu's entry for each kind (in
    // the order of CanvasHost::Brush from Htmlgump); the checked entry is
    // the kind it places.
    QToolButton *ControlBrush = nullptr;
    QList<QAction *> ControlBrushKinds;

    // "Other".
    QGroupBox *OtherGroup = nullptr;
    QPushButton *Button11 = nullptr;       // "Location on screen"
    QPushButton *Button16 = nullptr;       // "Misc Dialog"
    QPushButton *Button17 = nullptr;       // "Options"
    QPushButton *Button10 = nullptr;       // "About"

    // The canvas panel.
    CanvasImage *Image1 = nullptr;         // the canvas
    ImageView *Image7 = nullptr;           // top ruler
    ImageView *Image6 = nullptr;           // left ruler
    ImageView *Image8 = nullptr;           // corner
    QScrollBar *ScrollBar1 = nullptr;      // horizontal
    QScrollBar *ScrollBar2 = nullptr;      // vertical
    QPushButton *Button22 = nullptr;       // reset view "C"

    // Status.
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    QProgressBar *DrawMeter = nullptr;

    // The problems panel.
    QDockWidget *ProblemsDock = nullptr;
    // The newer element kinds: the "Insert" menu, one entry per kind, and the
    // panel that edits the selected one's fields.
    QMenu *InsertMenu = nullptr;
    QMenu *LogicMenu = nullptr;
    QDockWidget *PropertiesDock = nullptr;
    PropertyPanel *Properties = nullptr;
    QListWidget *ProblemsList = nullptr;
    QComboBox *ProblemsFilter = nullptr;    // which severities the list shows
    QList<int> m_shownProblems;             // the problem entry of each row shown

    // Menus.
    QMenu *PopupMenu1 = nullptr;           // the canvas popup
    QMenu *PopupMenu2 = nullptr;           // "Show" of the tool bar
    QAction *Clone1 = nullptr;
    QAction *RemoveSelected1 = nullptr;
    QAction *SendSelectedtoFront1 = nullptr; // "Send Selected to Back"
    QAction *SemdSelectedtoBack1 = nullptr;  // "Send Selected to Front"
    QAction *HighlightSelected1 = nullptr;
    QAction *AlwaysDrawPage01 = nullptr;
    QAction *Text2 = nullptr;
    QAction *Buttons1 = nullptr;
    QAction *GumpPics1 = nullptr;
    QAction *ResizePics1 = nullptr;
    QAction *AutoSave1 = nullptr;
    QAction *MenuItem12 = nullptr;
    QAction *MenuItem13 = nullptr;
    QAction *MenuItem14 = nullptr;
    QAction *MenuItem15 = nullptr;
    QMenu *FileMenu = nullptr;
    QMenu *EditMenu = nullptr;
    QMenu *SphereMenu = nullptr;
    QMenu *ViewMenu = nullptr;
    QAction *ShowGrid1 = nullptr;
    QAction *SnapToGrid1 = nullptr;
    QAction *ZoomIn1 = nullptr;
    QAction *ZoomOut1 = nullptr;
    QAction *ActualSize1 = nullptr;
    QAction *FitPage1 = nullptr;
    QAction *Delete1 = nullptr;
    QMenu *HelpMenu = nullptr;
    QAction *New1 = nullptr;
    QAction *Open1 = nullptr;
    QAction *Save1 = nullptr;
    QAction *SaveAs1 = nullptr;
    QAction *BuildArtLibrary1 = nullptr;   // "Build Art Library from Client…"
    QAction *Undo1 = nullptr;
    QAction *Redo1 = nullptr;
    QAction *Cut1 = nullptr;
    QAction *Copy1 = nullptr;
    QAction *Paste1 = nullptr;
    QAction *Duplicate1 = nullptr;
    QAction *SelectAll1 = nullptr;
    QAction *History1 = nullptr;
    QAction *Exit1 = nullptr;
    QAction *Import1 = nullptr;
    QAction *Export1 = nullptr;
    QAction *Check1 = nullptr;
    QAction *NextVersion1 = nullptr;
    QAction *Help1 = nullptr;
    QAction *About1 = nullptr;
    QMenu *ToolsMenu = nullptr;
    QAction *ServerPreview1 = nullptr;
    QAction *ImportScript1 = nullptr;
    QAction *ImportFromServer1 = nullptr;
    ServerPreviewWindow *m_serverPreview = nullptr;
    ServerJob *m_serverImport = nullptr;
    void buildServerCommands();
    QString serverSetupMissing(bool scriptsNeeded);
    // Says what is missing and offers the options' Server tab to set it;
    // true once all is set.
    bool serverSetupReady(bool scriptsNeeded);
    void selectDesignLine(int line);
    // Shows the page of a place of the design and selects its element.
    void goToPlace(const std::optional<ProblemList::Place> &place);

    THTTPGet *HTTPGet1 = nullptr;          // the next-version text
    QTimer *BOOT = nullptr;
    QTimer *Timer1 = nullptr;              // the selection readout
    QTimer *CacheCLEANUP = nullptr;        // drops cached images no element uses
    QTimer *MouseRemove = nullptr;         // wipes the pointer marks once the pointer left the canvas
    QTimer *AutoSave = nullptr;            // "Every" minutes in the "Autosave on time" mode

    bool ScrollResetting = false;          // the reset view moves the scroll bars
    QString LastExportName;                // offered by the export's name prompt


    // ElementDialogs: the windows of the add commands.
    std::optional<QString> pickImage(const QString &folder, PickerMode mode) override;
    ButtonOptions askButtonOptions() override;
    int askHue() override;
    QString askText() override;
    // PropertyDialogs: the same windows, loaded from the record.
    std::optional<int> editHue(std::optional<int> hue) override;
    QString editText(const QString &text) override;
    ButtonOptions editButtonOptions(const ButtonOptions &options) override;

    void buildToolBars();
    void buildMenus();
    void buildLeftColumn();
    void buildCanvasPanel();
    void buildStatusBar();
    void buildProblemsPanel();
    void buildControlTools();
    void insertControlClick(ElementKind kind);
    void buildLogicTools();                 // script lines, their moves, the branch shown
    void runLogicCommand(const std::function<bool(EditorState &)> &command);
    void showControlProperties();
    void buildTimers();
    void nameControls();                    // object names of the controls, for control()
    void connectHandlers();
    void installEventFilters();
    void createWindows();
    void connectStartup();                  // the start-up window's hooks and "Next Version"

    void LQUICKTimer();                     // shows a fresh render
    void applyControls();                   // selection state onto the controls
    void connectDocumentNotices();          // the views follow the session's notices
    void toggleViewOption(bool ViewOptions::*option);
    void applyCreationStyle();              // "Insert" or "Brush"
    void settingsRead(const Settings &s);   // the designer follows a settings read
    void settingsAccepted(const Settings &s); // and the options window's "Ok"
    void useClientArt(const QString &clientDir); // the canvas and the picker draw from it
    bool buildArtLibrary(const ArtLibraryBuilder::Options &options); // false when nothing was built
    void offerKeptButtonPairs();            // after an import: the pairs the library lacks, from the client
    void showPageBox();                     // page box text from the state, quietly
    void syncViewState();                   // scroll bars and toggles into the state
    void positionSpinChanged(SpinEdit *spin, SelectionCommands::Field field);
    void showStandIns();                    // the stand-in boxes follow the selected element's fields
    void canvasResized();
    bool canvasEvent(QEvent *event);        // mouse events of the canvas
    bool canvasWheel(QWheelEvent *event);   // scrolls, or zooms with Ctrl
    bool canvasKey(QKeyEvent *event);       // the arrows nudge the selection
    void buildViewMenu();
    void updateScrollRange();
    void showCanvasOverlay();               // the grid and the resize handles
    void restoreWindowGeometry();
    void storeWindowGeometry();
    void installKeyHandler();

    // Recent files, dropped files, the client screen and the undo history's place (TForm1Files.cpp).
    void buildFileExtras();
    void readRecent();
    void rememberRecent(const QString &path);
    void showRecentMenu();
    void openRecent(const QString &path);
    std::optional<QRect> clientScreen() const;   // in document pixels
    void placeBesideWindow(QWidget *tool);
    QMenu *RecentMenu = nullptr;
    RecentFiles m_recent;

    // CanvasHost: the controls and handlers the canvas mouse uses.
    Brush brushDown() const override;
    void releaseBrush(Brush brush) override;
    QPoint scrollPosition() const override;
    QImage canvasPicture() const override;
    void showCanvas(const QImage &frame) override;
    void showRulers(const QImage &top, const QImage &left) override;
    void showStatus(const QString &text) override;
    void showDrawTime(const QString &text) override;
    void showPopupMenu(QPoint canvasPoint) override;
    void showSelectEntry(int entry) override;
    void setReadoutRunning(bool running) override;
    // The canvas draws its drag frames from the render these ask for, so they
    // redraw now rather than at the end of the turn.
    void selectionChosen() override
    {
        ComboBox1Change();
        selectionChanged();
    }
    void selectionChanged() override;
    void removeSelected() override
    {
        REMOVEBUTClick();
        selectionChanged();
    }
    void autoSave() override { AutoSaveTimer(); }
    void redraw() override { DRAWClick(); }

    // LifecycleHost: the document's prompts.
    SaveAnswer askSaveChanges() override;
    QString askOpenPath() override;
    QString askSavePath() override;
    void documentSaved() override;
    std::optional<ImportedScript> askImport() override;
    // StartupHost: the start-up window and the file named at start.
    void useDataFolder(const QString &dir) override;
    bool runStartWindow(const QString &dir) override;
    void firstDocumentReady() override;
    void importScript(const QString &path) override;
    void warn(const QString &text) override;

    void leaveTestMode();

    DocumentSession m_session;
    EditorState &m_state = m_session.state;
    QTimer m_redrawSoon;             // one redraw per turn, however many notices came
    ClipboardTransfer m_clipboard;
    TestModeView m_testView{m_session};
    RulerImages m_rulers;                   // the last ruler drawing, with clean copies
    PageRenderer m_renderer;
    ClientArtSource m_client;
    CanvasView m_view{m_renderer};
    bool m_booted = false;
    QStringList m_reportedProblems;         // render problems already shown in the status
    ProblemList m_problems;
    DesignChecker m_checker{m_problems};
    DocumentLifecycle m_lifecycle;
    StartupSequence m_startup;
    std::unique_ptr<CanvasController> m_canvasMouse;
    void applyAutoSaveTimer(const Settings &s);
    bool m_geometryRestored = false;
    bool m_terminating = false;             // the window is closing or the application quitting
    QHash<QString, QObject *> m_controls;   // see control()
    // Last, so it is the first to go: it waits for the slots it still commits.
    AutoSaver m_autoSaver{m_problems, static_cast<AutoSaveHost &>(*this)};
};
