#include "windows/main/TForm1.h"
#include "document/ControlCommands.h"
#include "document/ElementClipboard.h"
#include "document/SelectionSet.h"
#include "editor/CanvasMouse.h"
#include "platform/RuntimeError.h"
#include "sphere/ScriptPaste.h"
#include "sphere/SphereExport.h"
#include "windows/widgets/PropertyPanel.h"

#include <QClipboard>
#include <QFileInfo>
#include <QLineEdit>
#include <QGuiApplication>
#include <QMimeData>
#include <QUndoView>
#include "assets/BitmapFontFile.h"
#include "document/DocumentCommands.h"
#include "editor/HelpPage.h"
#include "editor/KeyboardNudge.h"
#include "editor/Zoom.h"
#include "platform/AppInfo.h"
#include "platform/IniFile.h"
#include "platform/NumberText.h"
#include "sphere/SphereExport.h"
#include "windows/art/ArtLibraryWindow.h"
#include "windows/art/TForm17.h"
#include "windows/art/TForm18.h"
#include "windows/art/TForm3.h"
#include "windows/art/TForm6.h"
#include "windows/art/TForm7.h"
#include "windows/elements/TForm11.h"
#include "windows/elements/TForm2.h"
#include "windows/elements/TForm4.h"
#include "windows/options/TForm13.h"
#include "windows/options/TForm9.h"
#include "windows/script/TForm14.h"
#include "windows/script/TForm8.h"
#include "windows/update/TForm15.h"
#include "windows/update/TForm16.h"
#include "windows/widgets/CanvasImage.h"
#include "windows/widgets/EventGuard.h"
#include "windows/widgets/ImageView.h"
#include "windows/widgets/Modal.h"
#include "windows/widgets/SpinEdit.h"
#include "windows/widgets/TForm10.h"
#include "windows/widgets/TForm12.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <algorithm>

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
        std::optional<QString> name =
            Modal::inputBox(QStringLiteral("Dialog"), QStringLiteral("Enter Gump Name/Number:"), m_form.LastExportName);
        if (name)
            m_form.LastExportName = *name;
        return name;
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
    buildProblemsPanel();
    buildControlTools();

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

    createWindows();
    m_canvasMouse.reset(new CanvasController(m_state, m_view, m_renderer, settings(), m_rulers,
                                              static_cast<ElementDialogs &>(*this), static_cast<CanvasHost &>(*this)));
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
    Form3->setConverter(&m_renderer.textConverter());
    Form3->setLibraryRead([this] { TEXTIDXTimer(); });
    Form12->SettingsRead = [this](const Settings &s) { settingsRead(s); };
    Form12->SettingsAccepted = [this](const Settings &s) { settingsAccepted(s); };
    Form12->RulerChanged = [this] { RULERDRAWTimer(); };
    // No autosave on the redraws of a window that is going away.
    m_view.setAutosave([this] {
        if (!m_terminating && !QCoreApplication::closingDown())
            AutoSaveTimer();
    });
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { m_terminating = true; });
    Form17->setPicker(Form3);
    Form17->setCaptureWindow(Form18);
    Form17->setLibraryRead([this] { TEXTIDXTimer(); });
    Form4->setPreviewSource([this](const QString &text) {
        const ColorValue TextColor = HueColors(m_renderer.textIndex(), m_state.AppDir).colorOf(QString::number(Form3->SelectedHue));
        return m_renderer.textConverter().render(text, TextColor);
    });
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
    connect(ProblemsList, &QListWidget::itemActivated, this, [this] { ProblemsListClick(ProblemsList->currentRow()); });
    connect(ProblemsList, &QListWidget::itemClicked, this, [this] { ProblemsListClick(ProblemsList->currentRow()); });

    connect(CSpinEdit1, &SpinEdit::changed, this, &TForm1::CSpinEdit1Change);
    connect(CSpinEdit2, &SpinEdit::changed, this, &TForm1::CSpinEdit2Change);
    connect(CSpinEdit6, &SpinEdit::changed, this, &TForm1::CSpinEdit6Change);
    connect(CSpinEdit5, &SpinEdit::changed, this, &TForm1::CSpinEdit5Change);
    connect(CSpinEdit4, &SpinEdit::changed, this, &TForm1::CSpinEdit4Change);
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
    QString dir = StartDataFolder.isEmpty() ? QDir::currentPath() : StartDataFolder;
    if (!dir.endsWith(u'/'))
        dir += u'/';
    m_state.AppDir = dir;
    m_renderer.setAppDir(dir);   // also builds the text index from the hue library there
    Form3->setAppDir(dir);
    Form17->setAppDir(dir);
    Form6->setAppDir(dir);
    Form7->setAppDir(dir);
    Form12->DefaultsRunning = false;
    Form15->Folder = dir;
    Form15->Timer1->start();
    Modal::exec(*Form15);
    if (Form15->updateStarted())
        return;
    m_view.invalidate();
    m_state.DATA.reset(m_state.Page);
    m_lastAutosave.saved(m_state.DATA.lines());   // an untouched new design is no work to keep
    m_state.ShowText = m_state.ShowButtons = m_state.ShowGumppics = m_state.ShowResizepics = true;
    applyCreationStyle();
    DRAWClick();
    openStartFile();
    emit started();
}

void TForm1::openStartFile()
{
    if (StartFile.isEmpty())
        return;
    const QString path = QFileInfo(StartFile).absoluteFilePath();
    StartFile.clear();
    if (path.endsWith(QStringLiteral(".scp"), Qt::CaseInsensitive)) {
        Form14->setScriptFile(path);
        Button12Click();
        return;
    }
    try {
        openDesign(path);
    } catch (const RuntimeError &e) {
        // The designer starts with a new document all the same.
        Modal::warning(QStringLiteral("Unable to open %1: %2").arg(path, e.message()));
    }
}

void TForm1::Button6Click()
{
    if (!mayDiscardChanges())
        return;
    DocumentCommands::newDocument(m_state);
    m_session.markUnmodified();
    Label8->setText(QStringLiteral("New Project"));
}

void TForm1::Button1Click()
{
    if (!mayDiscardChanges())
        return;
    SelectionCommands::clearBasic(m_state);
    const QString path = Modal::openFile(AppInfo::OpenFilter);
    if (path.isEmpty())
        return;
    openDesign(path);
}

void TForm1::openDesign(const QString &path)
{
    m_slotCommits.waitForDone(); // an autosave just written is opened whole
    DocumentCommands::openDocument(m_state, Document::loadProjectFile(path), path);
    m_session.markUnmodified();
    DRAWClick();   // now, not at the end of the turn: its problems are counted below
    Label8->setText(QStringLiteral("Project Opened"));
    // Records that cannot be read are named one by one by the render; the
    // file as a whole is named once above them.
    if (const qsizetype unreadable = m_view.problems().size(); unreadable > 0) {
        const QString message = QStringLiteral("%1: %2 of its records cannot be read")
                                    .arg(QFileInfo(path).fileName()).arg(unreadable);
        m_problems.setProblems(ProblemList::OpenSource,
                               {Problem{0, message, Problem::Severity::Error, ProblemList::OpenSource}},
                               m_state.DATA.lines());
        showProblems();
    }
}

void TForm1::Button7Click()
{
    QString path = Modal::saveFile(AppInfo::ProjectFilter);
    if (path.isEmpty())
        return;
    // A name typed without an extension would not be listed by Open.
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".SDF");
    Document::saveProjectFile(path, m_state.DATA.lines());
    m_session.markSaved(path);
    updateTitle();
    Label8->setText(QStringLiteral("Project Saved"));
}

void TForm1::Save1Click()
{
    if (m_state.FileName.isEmpty())
        return Button7Click();
    Document::saveProjectFile(m_state.FileName, m_state.DATA.lines());
    m_session.markSaved(m_state.FileName);
    updateTitle();
    Label8->setText(QStringLiteral("Project Saved"));
}

// Before unsaved work would be replaced: Save saves it first (and stops
// when the save did not happen), Discard goes on, Cancel stops.
bool TForm1::mayDiscardChanges()
{
    if (!m_session.isModified())
        return true;
    switch (Modal::askSaveChanges()) {
    case Modal::SaveAnswer::Save:
        Save1Click();
        return !m_session.isModified();
    case Modal::SaveAnswer::Discard:
        return true;
    case Modal::SaveAnswer::Cancel:
        break;
    }
    return false;
}

void TForm1::closeEvent(QCloseEvent *event)
{
    bool mayClose = false;
    EventGuard::run([&] { mayClose = mayDiscardChanges(); });
    if (mayClose) {
        m_terminating = true;
        if (m_booted)
            EventGuard::run([this] { storeWindowGeometry(); });
        QMainWindow::closeEvent(event);
    }
    else
        event->ignore();
}

void TForm1::updateTitle()
{
    setWindowTitle(m_session.titleText(AppInfo::MainCaption));
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

void TForm1::Copy1Click()
{
    const QStringList records = ElementClipboard::selectedRecords(m_state);
    if (records.isEmpty())
        return;
    QStringList script;
    try {
        writeSphereElementLines(records, settings().exportVersion, m_state.AppDir, script);
    } catch (const RuntimeError &e) {
        // The records still go on the clipboard; only the script text is missing.
        script.clear();
        Label8->setText(e.message());
    }
    QGuiApplication::clipboard()->setMimeData(ElementClipboard::encode(records, script).release());
    m_pasteCount = 0;
}

void TForm1::Cut1Click()
{
    Copy1Click();
    ElementCommands::remove(m_state, QStringLiteral("Cut"));
}

void TForm1::Paste1Click()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return;
    // Lines copied from a script become elements where the script puts them.
    if (!data->hasFormat(ElementClipboard::MimeType) && data->hasText()) {
        ElementClipboard::paste(m_state, ScriptPaste::elementRecords(data->text(), m_state.AppDir), 0);
        return;
    }
    const QByteArray raw = data->data(ElementClipboard::MimeType);
    if (raw != m_pastedRecords) {
        m_pastedRecords = raw;
        m_pasteCount = 0;
    }
    ++m_pasteCount;
    ElementClipboard::paste(m_state, ElementClipboard::decode(*data), ElementClipboard::PasteStep * m_pasteCount);
}

void TForm1::Duplicate1Click()
{
    ElementCommands::clone(m_state, true, QStringLiteral("Duplicate"));
}

void TForm1::SelectAll1Click()
{
    SelectionSet::selectLines(m_state, SelectionSet::pageElements(m_state));
}

void TForm1::History1Click()
{
    auto *view = new QUndoView(&m_session.undoStack, this);
    view->setWindowFlag(Qt::Tool);
    view->setAttribute(Qt::WA_DeleteOnClose);
    view->setWindowTitle(QStringLiteral("Undo History"));
    view->resize(260, 320);
    view->show();
}

void TForm1::Button12Click()
{
    if (!mayDiscardChanges())
        return;
    Form14->setAppDir(m_state.AppDir);
    if (Modal::exec(*Form14) == QDialog::Accepted) {
        DocumentCommands::importDocument(m_state, Form14->importedLines());
        // What the import left out stays listed until the design changes.
        const QList<Problem> leftOut = importProblems(Form14->importedNotes());
        m_problems.setProblems(ProblemList::ImportSource, leftOut, m_state.DATA.lines());
        Label8->setText(leftOut.isEmpty()
                            ? QStringLiteral("Imported")
                            : QStringLiteral("Imported; %1 script lines left out or changed, listed under Problems")
                                  .arg(leftOut.size()));
    }
    showProblems();
}

void TForm1::Button8Click()
{
    // The check comes first: errors stop the export, warnings are named once.
    const QList<DesignProblem> problems = checkDesign(true);
    if (DesignCheck::hasErrors(problems)) {
        Modal::warning(QStringLiteral("The export would fail:\n") + problemList(problems));
        return;
    }
    if (DesignCheck::hasWarningsOrErrors(problems))
        Modal::warning(QStringLiteral("The server would read this design otherwise than it is shown:\n")
                       + problemList(problems));
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
    Form8->setDialect(settings().exportVersion);
    Form8->setLines(script);
    Label8->setText(QStringLiteral("Export To Sphere"));
    Modal::exec(*Form8);
}

QList<DesignProblem> TForm1::checkDesign(bool freshArt)
{
    if (!m_art || m_art->appDir() != m_state.AppDir) {
        m_art = std::make_unique<ArtCatalog>(m_state.AppDir);
        m_art->setClientArt(m_client.art());
    } else if (freshArt) {
        m_art->forget();
    }
    // Kinds the chosen export dialect cannot write are named as the export would meet them.
    return DesignCheck::run(m_state.DATA.lines(), m_art.get(), settings().exportVersion);
}

void TForm1::listCheckProblems(const QList<DesignProblem> &problems)
{
    static const QString CheckSource = QStringLiteral("Check");
    QList<Problem> found;
    for (const DesignProblem &p : problems)
        found << Problem{p.line, p.message,
                         p.severity == DesignProblem::Severity::Error ? Problem::Severity::Error
                                                                      : Problem::Severity::Warning,
                         CheckSource};
    m_checkedLines = m_state.DATA.lines();
    m_checkedDialect = settings().exportVersion;
    m_problems.setProblems(CheckSource, found, m_checkedLines);
}

// At most twenty problems, one per line; the rest are counted.
QString TForm1::problemList(const QList<DesignProblem> &problems) const
{
    constexpr int Shown = 20;
    QStringList text;
    for (const DesignProblem &p : problems.mid(0, Shown))
        text << QStringLiteral("Line %1: %2: %3").arg(p.line).arg(DesignCheck::severityWord(p.severity), p.message);
    if (problems.size() > Shown)
        text << QStringLiteral("(and %1 more)").arg(problems.size() - Shown);
    return text.join(u'\n');
}

void TForm1::CheckClick()
{
    const QList<DesignProblem> problems = checkDesign(true);
    listCheckProblems(problems);
    showProblems();
    if (problems.isEmpty()) {
        Label8->setText(QStringLiteral("Check: nothing found"));
        return;
    }
    const auto count = [&](DesignProblem::Severity severity) {
        return std::count_if(problems.cbegin(), problems.cend(),
                             [severity](const DesignProblem &p) { return p.severity == severity; });
    };
    const auto notes = count(DesignProblem::Severity::Information);
    Label8->setText(QStringLiteral("Check: %1 errors, %2 warnings").arg(count(DesignProblem::Severity::Error))
                        .arg(count(DesignProblem::Severity::Warning))
                    + (notes ? QStringLiteral(", %1 for information").arg(notes) : QString()));
    Modal::warning(problemList(problems));
}

void TForm1::TestModeClick()
{
    if (m_testMode.active()) {
        leaveTestMode();
        return;
    }
    m_editingView = {m_state.Page, m_state.AlwaysDrawPage0, m_state.SelectedLine};
    m_testMode.enter(m_state.Page);
    TestButton->setChecked(true);
    Label8->setText(QStringLiteral("Test mode: click the dialog's buttons; Escape or F5 goes back to editing"));
    showTestPage();
}

void TForm1::leaveTestMode()
{
    m_testMode.leave();
    TestButton->setChecked(false);
    m_state.Page = m_editingView.page;
    m_state.SelectedLine = m_editingView.selectedLine;
    ViewOptions view = ViewOptions::of(m_state);
    view.AlwaysDrawPage0 = m_editingView.alwaysDrawPage0;
    m_session.setViewOptions(view);
    Label8->setText(QString());
}

// The page the player sees, page 0 beneath it and nothing selected; a closed
// dialog shows none of its pages. Only the view changes, never the lines.
void TForm1::showTestPage()
{
    const bool closed = m_testMode.dialogClosed();
    m_state.Page = closed ? QString() : m_testMode.page();
    m_state.SelectedLine = 0;
    ViewOptions view = ViewOptions::of(m_state);
    view.AlwaysDrawPage0 = !closed;
    m_session.setViewOptions(view);
}

void TForm1::Button10Click()
{
    Form10->showSettingsFile(Form12->Location);
    Form10->showDataFolder(m_state.AppDir);
    Modal::exec(*Form10);
}

void TForm1::Button17Click()
{
    Form12->prepareToShow();
    Modal::exec(*Form12);
    m_view.invalidate();
    DRAWClick();
}

void TForm1::Help1Click()
{
    const QString page = HelpPage::find(QCoreApplication::applicationDirPath(), QStringLiteral(QUILLMARK_SOURCE_DIR));
    if (page.isEmpty() || !QDesktopServices::openUrl(QUrl::fromLocalFile(page)))
        Modal::warning(HelpPage::notShownText(page));
}

void TForm1::settingsRead(const Settings &s)
{
    restoreWindowGeometry();
    m_renderer.textConverter().setPerfectText(s.perfectText);
    applyAutoSaveTimer(s);
    useClientArt(s.client);
    applyCreationStyle();
}

void TForm1::settingsAccepted(const Settings &s)
{
    m_renderer.forgetCache();
    m_renderer.textConverter().setPerfectText(s.perfectText);
    applyAutoSaveTimer(s);
    useClientArt(s.client);
    applyCreationStyle();
}

void TForm1::applyAutoSaveTimer(const Settings &s)
{
    // Held to its range here too: a zero interval would rewrite the ring without pause.
    AutoSave->setInterval(std::clamp(s.autoEvery, Settings::autoEveryMin, Settings::autoEveryMax) * 60000);
    if (s.autoOnTime)
        AutoSave->start();
    else
        AutoSave->stop();
}

// The art library of AppDir grows from the client the options name; what it
// adds is drawn, listed and offered at once.
void TForm1::BuildArtLibrary1Click()
{
    const QString client = settings().client.trimmed();
    if (client.isEmpty()) {
        Modal::warning(QStringLiteral("Choose the game client folder in Options first"));
        return;
    }
    ArtLibraryBuilder::Options options;
    options.clientDir = client;
    options.dataDir = m_state.AppDir;
    if (!BuildLibraryWindow)   // made when first asked for: most sessions never build
        BuildLibraryWindow = new ArtLibraryWindow(this);
    BuildLibraryWindow->setOptions(options);
    Modal::exec(*BuildLibraryWindow);
    if (!BuildLibraryWindow->report())
        return;
    if (BuildLibraryWindow->report()->fontGlyphs > 0)   // there was none before: texts can be drawn now
        m_renderer.loadFont(m_state.AppDir + BitmapFontFile::FileName);
    m_renderer.forgetCache();
    TEXTIDXTimer();
    m_view.invalidate();
    DRAWClick();
}

void TForm1::useClientArt(const QString &clientDir)
{
    const auto &art = m_client.open(clientDir);
    if (art == m_renderer.artStore().clientArt())
        return;
    m_renderer.setClientArt(art);
    Form2->setClientArt(art);
    if (m_art)
        m_art->setClientArt(art);
    m_view.invalidate();
}

// One autosave into the ring. A failure is named once in the status and the
// problems list, not in a box at every trigger; the next trigger tries again,
// and a success takes the entry away.
static const QString AutoSaveSource = QStringLiteral("Autosave");

void TForm1::autoSaveOnTime()
{
    if (!m_lastAutosave.unchanged(m_state.DATA.lines()))
        AutoSaveTimer();
}

void TForm1::AutoSaveTimer()
{
    try {
        IniFile file(Form12->Location.path);
        const AutoSaveRing::Result r =
            AutoSaveRing::saveOnce(file, m_state.AppDir, m_state.DATA.lines(), settings().drawEngine,
                                   &m_slotCommits);
        m_lastAutosave.saved(m_state.DATA.lines());
        settings().autoCurrent = r.nextSlot;
        m_autoSaveFailure.succeeded();
        QList<Problem> named;
        for (const QString &problem : r.problems) {
            Label8->setText(QStringLiteral("Autosave: ") + problem);
            named << Problem{0, QStringLiteral("Autosave: ") + problem, Problem::Severity::Warning, AutoSaveSource};
        }
        m_problems.setProblems(AutoSaveSource, named);
    } catch (const RuntimeError &e) {
        autoSaveFailed(e.message());
        return;
    }
    showProblems();
}

void TForm1::autoSaveFailed(const QString &message)
{
    if (const std::optional<QString> shown = m_autoSaveFailure.failed(message)) {
        Label8->setText(QStringLiteral("Autosave failed: ") + *shown);
        m_problems.setProblems(AutoSaveSource, {Problem{0, QStringLiteral("Autosave failed: ") + *shown,
                                                        Problem::Severity::Error, AutoSaveSource}});
    }
    showProblems();
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
    if (!NumberText::tryParse(CSpinEdit3->text()))
        return; // typing goes on
    const QString page = NumberText::zeroBelowOne(CSpinEdit3->text());
    if (page != CSpinEdit3->text()) {
        CSpinEdit3->setText(page); // runs this handler again with the corrected page
        return;
    }
    DocumentCommands::changePage(m_state, page);
}

void TForm1::ComboBox1Change()
{
    SelectionCommands::select(m_state, ComboBox1->currentIndex());
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
    updateScrollRange();
    RULERDRAWTimer();
    if (m_view.redraw(m_state, settings()))
        LQUICKTimer();
    Image1->setPicture(m_view.canvas());
    showCanvasOverlay();
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
    applyControls(); // the render placed the selection in the new list
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
    QList<Problem> found;
    const QList<int> problemLines = m_view.problemLines();
    for (qsizetype i = 0; i < problems.size(); ++i)
        found << Problem{problemLines.value(i), problems[i], Problem::Severity::Warning, ProblemList::RenderSource};
    m_problems.setProblems(ProblemList::RenderSource, found);
    m_problems.documentChanged(m_state.DATA.lines());
    // The check follows every change; it reads the art catalog it keeps.
    if (m_state.DATA.lines() != m_checkedLines || settings().exportVersion != m_checkedDialect)
        listCheckProblems(checkDesign(false));
    showProblems();
    DrawMeter->setRange(0, std::max(0, m_state.DATA.size() - 1));
    DrawMeter->setValue(DrawMeter->maximum());
}

void TForm1::showProblems()
{
    QStringList texts;
    for (const Problem &problem : m_problems.entries())
        texts << ProblemList::entryText(problem, m_state.DATA.lines());
    QStringList shown;
    for (int i = 0; i < ProblemsList->count(); ++i)
        shown << ProblemsList->item(i)->text();
    if (texts != shown) {
        ProblemsList->clear();
        ProblemsList->addItems(texts);
    }
    ProblemsDock->setVisible(!texts.isEmpty());
}

void TForm1::ProblemsListClick(int row)
{
    if (row < 0 || row >= m_problems.entries().size())
        return;
    const std::optional<ProblemList::Place> place =
        ProblemList::placeOf(m_problems.entries()[row], m_state.DATA.lines());
    if (!place)
        return;
    if (place->page != m_state.Page)
        CSpinEdit3->setText(place->page); // as typed into the page box
    if (place->elementLine > 0)
        SelectionSet::selectOnly(m_state, place->elementLine);
}

void TForm1::RULERDRAWTimer()
{
    m_rulers = drawRulers(Image7->width(), Image6->height(), settings().rulerStyle(),
                          RulerView{ScrollBar1->value(), ScrollBar2->value(), m_state.Zoom});
    Image8->setPicture(m_rulers.corner);
    Image7->setPicture(m_rulers.top);
    Image6->setPicture(m_rulers.left);
}

void TForm1::syncViewState()
{
    m_state.ScrollX = ScrollBar1->value();
    m_state.ScrollY = ScrollBar2->value();
    ViewOptions view = ViewOptions::of(m_state);
    view.HighlightSelected = CheckBox1->isChecked();
    view.AlwaysDrawPage0 = ToolButton13->isChecked();
    m_session.setViewOptions(view);
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
}

void TForm1::AlwaysDrawPage01Click()
{
    ToolButton13->setChecked(!ToolButton13->isChecked());
    syncViewState();
}

void TForm1::toggleViewOption(bool ViewOptions::*option)
{
    ViewOptions view = ViewOptions::of(m_state);
    view.*option = !(view.*option);
    m_session.setViewOptions(view);
}

void TForm1::Text2Click()
{
    toggleViewOption(&ViewOptions::ShowText);
}

void TForm1::Buttons1Click()
{
    toggleViewOption(&ViewOptions::ShowButtons);
}

void TForm1::GumpPics1Click()
{
    toggleViewOption(&ViewOptions::ShowGumppics);
}

void TForm1::ResizePics1Click()
{
    toggleViewOption(&ViewOptions::ShowResizepics);
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
    if (m_testMode.active()) {
        if (Button != Qt::LeftButton)
            return;
        checkDesign(false); // makes the art catalog for AppDir
        const QPoint at = Zoom::toDocument(QPoint(X, Y), scrollPosition(), m_state.Zoom);
        const TestMode::Click click = m_testMode.click(m_state.DATA.lines(), at,
                                                       [this](const QString &art) { return m_art->buttonSize(art); });
        if (!click.status.isEmpty())
            Label8->setText(click.status);
        showTestPage();
        return;
    }
    m_canvasMouse->press(Button, QPoint(X, Y), Keys);
}

void TForm1::Image1MouseMove(Qt::MouseButtons Shift, int X, int Y, Qt::KeyboardModifiers Keys)
{
    if (m_testMode.active())
        return; // the status keeps what the last click did
    m_canvasMouse->move(Shift, QPoint(X, Y), Keys);
}

void TForm1::Image1MouseUp(Qt::MouseButton Button, int X, int Y)
{
    if (m_testMode.active())
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
    if (const std::optional<QPoint> step = KeyboardNudge::stepOf(Key))
        KeyboardNudge::nudge(m_state, *step);
}

// The window's own keys: those that reach it while no control has the focus.
void TForm1::keyPressEvent(QKeyEvent *event)
{
    if (m_testMode.active() && event->key() == Qt::Key_Escape) {
        EventGuard::run([this] { leaveTestMode(); });
        return;
    }
    QWidget *focus = QApplication::focusWidget();
    if (!focus || focus == this)
        EventGuard::run([this, event] { ComboBox1KeyDown(event->key()); });
    QMainWindow::keyPressEvent(event);
}

// ---- Modify and Other ---------------------------------------------------

void TForm1::positionSpinChanged(SpinEdit *spin, Field field)
{
    // While the text is not a number yet (cleared, a lone "-") the record
    // keeps its value; it is written once the text is a number again.
    if (!NumberText::tryParse(spin->text()))
        return;
    const QString text = NumberText::zeroBelowOne(spin->text());
    if (text != spin->text()) {
        spin->setText(text); // runs the handler again with "0"
        return;
    }
    SelectionCommands::writeField(m_state, field, text);
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

void TForm1::CHANGEIMAGEClick()
{
    PropertyCommands::changeImage(m_state, *this);
}

void TForm1::EDITOPTIONSClick()
{
    // A newer kind's options are the fields of the property panel: it is
    // shown again if it was closed, and its first option takes the keyboard.
    if (const int field = ControlCommands::optionsFieldOf(m_state.DATA.kindAt(m_state.SelectedLine)); field > 0) {
        m_state.Dragging = false;
        showControlProperties();
        if (QWidget *editor = Properties->editorOf(field)) {
            PropertiesDock->raise();
            editor->setFocus(Qt::OtherFocusReason);
            if (auto *line = qobject_cast<QLineEdit *>(editor))
                line->selectAll();
        }
        return;
    }
    PropertyCommands::editOptions(m_state, *this);
}

void TForm1::Button11Click()
{
    if (const auto location = DocumentCommands::location(m_state))
        Form9->setPlacement(*location);
    Modal::exec(*Form9);
    DocumentCommands::storeLocation(m_state, Form9->placement());
}

void TForm1::Button16Click()
{
    if (const auto flags = DocumentCommands::windowFlags(m_state))
        Form13->setFlags(*flags);
    Form13->setCloseBlock(DocumentCommands::closeBlock(m_state));
    Modal::exec(*Form13);
    DocumentCommands::storeWindowFlags(m_state, Form13->flags());
    DocumentCommands::storeCloseBlock(m_state, Form13->closeBlock());
}

// ---- Element commands ---------------------------------------------------

void TForm1::Button4Click()
{
    ElementCommands::addGumppic(m_state, *this);
}

void TForm1::Button15Click()
{
    ElementCommands::addResizepic(m_state, *this);
}

void TForm1::Button3Click()
{
    ElementCommands::addButton(m_state, *this);
}

void TForm1::Button5Click()
{
    ElementCommands::addText(m_state, *this);
}

void TForm1::REMOVEBUTClick()
{
    ElementCommands::remove(m_state);
}

void TForm1::Clone1Click()
{
    ElementCommands::clone(m_state, settings().offsetClone);
}

void TForm1::SendSelectedtoFront1Click()
{
    ElementCommands::sendToBack(m_state);
}

void TForm1::SemdSelectedtoBack1Click()
{
    ElementCommands::sendToFront(m_state);
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

std::optional<int> TForm1::editHue(std::optional<int> hue)
{
    Form3->preselect(hue);
    Modal::exec(*Form3);
    return Form3->chose() ? std::optional<int>(Form3->SelectedHue) : std::nullopt;
}

QString TForm1::editText(const QString &text)
{
    Form4->setText(text);
    return askText();
}

ElementDialogs::ButtonOptions TForm1::editButtonOptions(const ButtonOptions &options)
{
    Form11->setOptions(options);
    return askButtonOptions();
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
    // Without a selection the boxes are empty, never a former element's numbers;
    // with one the readout timer fills them.
    if (m_state.SelectedLine <= 0) {
        for (SpinEdit *spin : {CSpinEdit1, CSpinEdit2, CSpinEdit6, CSpinEdit5}) {
            const QSignalBlocker quiet(spin);
            spin->setText(QString());
        }
    }
    showControlProperties();
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
    m_view.setCanvasSize(CanvasScroll::documentViewport(Image1->size(), m_state.Zoom));
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
