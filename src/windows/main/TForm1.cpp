#include "windows/main/TForm1.h"
#include "document/DialogName.h"
#include "document/SelectionSet.h"
#include "editor/HelpPage.h"
#include "platform/AppInfo.h"
#include "sphere/SphereExport.h"
#include "windows/art/TForm17.h"
#include "windows/art/TForm18.h"
#include "windows/art/TForm3.h"
#include "windows/art/TForm6.h"
#include "windows/art/TForm7.h"
#include "windows/elements/TForm11.h"
#include "windows/elements/TForm2.h"
#include "windows/elements/TForm4.h"
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
#include "windows/widgets/Modal.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QTimer>
#include <QToolButton>
#include <QUndoView>
#include <QUrl>

#include <algorithm>

namespace {

// The export asks the main window for the location, the window flags and
// the dialog's name; the name the design keeps is offered, and the one given
// is kept. What it asked for that the design did not hold is named after.
class MainWindowExportHost final : public ExportHost
{
public:
    MainWindowExportHost(TForm1 &form, QString &lastName) : m_form(form), m_lastName(lastName) {}
    void runLocationCommand() override
    {
        m_form.Button11Click();
        added << QStringLiteral("screen location");
    }
    void runMiscCommand() override
    {
        m_form.Button16Click();
        added << QStringLiteral("window flags");
    }
    std::optional<QString> askDialogName() override
    {
        const QString kept = DialogName::of(m_form.state().DATA.lines());
        std::optional<QString> name = Modal::inputBox(QStringLiteral("Dialog"), QStringLiteral("Enter Gump Name/Number:"),
                                                      kept.isEmpty() ? m_lastName : kept);
        if (!name)
            return name;
        m_lastName = *name;
        if (!name->trimmed().isEmpty() && DialogName::store(m_form.state(), name->trimmed()))
            added << QStringLiteral("dialog name");
        return name;
    }

    QStringList added;   // what the prompts put into the design

private:
    TForm1 &m_form;
    QString &m_lastName;
};

} // namespace

TForm1::TForm1(QWidget *parent)
    : QMainWindow(parent),
      m_lifecycle(m_session, m_problems, *this, [this] { m_autoSaver.finish(); }),
      m_startup(m_state, m_autoSaver, *this)
{
    setWindowTitle(AppInfo::MainCaption);
    buildToolBars();
    buildMenus();
    buildFileExtras();
    buildLeftColumn();
    buildCanvasPanel();
    buildStatusBar();
    buildProblemsPanel();
    buildControlTools();
    buildLogicTools();
    buildTimers();

    createWindows();
    m_canvasMouse.reset(new CanvasController(m_state, m_view, m_renderer, settings(), m_rulers,
                                              static_cast<ElementDialogs &>(*this), static_cast<CanvasHost &>(*this)));
    connectHandlers();
    connectStartup();
    nameControls();
    applyControls();
    applyCreationStyle();
    installEventFilters();
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
    if (!m_startup.run(StartDataFolder, QDir::currentPath()))
        return;
    openStartFile();
    emit started();
}

void TForm1::openStartFile()
{
    m_startup.openStartFile(StartFile);
}

void TForm1::Button6Click()
{
    if (!m_lifecycle.newDocument())
        return;
    Label8->setText(QStringLiteral("New Project"));
}

void TForm1::Button1Click()
{
    const QString path = m_lifecycle.chooseDesign();
    if (!path.isEmpty())
        openDesign(path);
}

void TForm1::openDesign(const QString &path)
{
    m_lifecycle.open(path);
    rememberRecent(path);
    DRAWClick();   // now, not at the end of the turn: its problems are counted below
    Label8->setText(QStringLiteral("Project Opened"));
    if (m_lifecycle.listUnreadable(path, m_view.problems().size()))
        showProblems();
}

void TForm1::Button7Click()
{
    m_lifecycle.saveAs();
}

void TForm1::Save1Click()
{
    m_lifecycle.save();
}

bool TForm1::mayDiscardChanges()
{
    return m_lifecycle.mayDiscardChanges();
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
    // File windows start beside the design; an autosave slot's folder is no place for it.
    const QString file = m_state.FileName;
    Modal::setDesignFolder(file.isEmpty() || DocumentLifecycle::isAutoSaveSlot(file, m_state.AppDir)
                               ? QString()
                               : QFileInfo(file).absolutePath());
}

// ---- Edit -------------------------------------------------------------------

void TForm1::Copy1Click()
{
    ClipboardTransfer::Copied copied = m_clipboard.copy(m_state, settings().exportVersion);
    if (!copied.data)
        return;
    if (!copied.problem.isEmpty())
        Label8->setText(copied.problem);
    QGuiApplication::clipboard()->setMimeData(copied.data.release());
}

void TForm1::Cut1Click()
{
    Copy1Click();
    ElementCommands::remove(m_state, QStringLiteral("Cut"));
}

void TForm1::Paste1Click()
{
    m_clipboard.paste(m_state, QGuiApplication::clipboard()->mimeData());
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
    placeBesideWindow(view);
    view->show();
}

// ---- Import, export, check and test ---------------------------------------------

void TForm1::Button12Click()
{
    const DocumentLifecycle::Import imported = m_lifecycle.import();
    if (imported.outcome == DocumentLifecycle::Import::Outcome::Kept)
        return;
    if (imported.outcome == DocumentLifecycle::Import::Outcome::Imported)
        Label8->setText(imported.status);
    showProblems();
    if (imported.outcome == DocumentLifecycle::Import::Outcome::Imported)
        offerKeptButtonPairs();
}

void TForm1::Button8Click()
{
    MainWindowExportHost host(*this, LastExportName);
    QStringList script;
    bool finished = false;
    try {
        finished = m_checker.exportDesign(m_state.DATA, m_state.AppDir, settings().exportVersion, host,
                                          [](const QString &text) { Modal::warning(text); }, script);
    } catch (...) {
        // What was written before the failure stays in the result window.
        Form8->setLines(script);
        throw;
    }
    if (!finished)
        return;
    Form8->setDialect(settings().exportVersion);
    Form8->setLines(script);
    Label8->setText(host.added.isEmpty()
                        ? QStringLiteral("Export To Sphere")
                        : QStringLiteral("Export To Sphere; the design now keeps the %1 asked for (Undo takes it back)")
                              .arg(host.added.join(QStringLiteral(", "))));
    Modal::exec(*Form8);
}

void TForm1::CheckClick()
{
    const DesignChecker::Report report = m_checker.checkNow(m_state.DATA.lines(), m_state.AppDir, settings().exportVersion);
    showProblems();
    Label8->setText(report.status);
    if (!report.box.isEmpty())
        Modal::warning(report.box);
}

void TForm1::TestModeClick()
{
    if (m_testView.active()) {
        leaveTestMode();
        return;
    }
    m_testView.enter();
    TestButton->setChecked(true);
    Label8->setText(TestMode::enterStatus(m_session.state.DATA.lines()));
}

void TForm1::leaveTestMode()
{
    m_testView.leave();
    TestButton->setChecked(false);
    Label8->setText(QString());
}

// ---- Windows of their own ---------------------------------------------------------

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
    readRecent();
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

void TForm1::useClientArt(const QString &clientDir)
{
    const auto &art = m_client.open(clientDir);
    if (art == m_renderer.artStore().clientArt())
        return;
    m_renderer.setClientArt(art);
    Form2->setClientArt(art);
    m_checker.setClientArt(art);
    m_view.invalidate();
}

// ---- Autosave -------------------------------------------------------------------------

void TForm1::autoSaveOnTime()
{
    if (m_autoSaver.dueOnTime(m_state.DATA.lines()))
        AutoSaveTimer();
}

void TForm1::AutoSaveTimer()
{
    m_autoSaver.saveNow(Form12->Location.path, m_state.AppDir, m_state.DATA.lines(), settings().drawEngine, settings());
}

void TForm1::Exit1Click()
{
    close();
}
