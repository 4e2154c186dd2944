// The commands that ask the user's own Sphere server: the design as a player
// gets it, beside the canvas, and a shard's dialog imported as it arrives.
#include "document/DocumentCommands.h"
#include "document/SelectionSet.h"
#include "serverworld/ServerPreview.h"
#include "windows/main/TForm1.h"
#include "windows/options/TForm12.h"
#include "windows/server/ServerImportDialog.h"
#include "windows/server/ServerJob.h"
#include "windows/server/ServerPreviewWindow.h"
#include "windows/widgets/EventGuard.h"
#include "windows/widgets/Modal.h"
#include "windows/widgets/SpinEdit.h"

#include <QLabel>
#include <QMenuBar>
#include <QProgressDialog>
#include <QScreen>

#include <algorithm>

#include <memory>

namespace {

const QString ServerSource = QStringLiteral("Server");

} // namespace

void TForm1::buildServerCommands()
{
    ToolsMenu = new QMenu(QStringLiteral("Tools"), this);
    menuBar()->insertMenu(HelpMenu->menuAction(), ToolsMenu);
    ServerPreview1 = ToolsMenu->addAction(QStringLiteral("Show as the server sends it"));
    ServerPreview1->setShortcut(Qt::Key_F6);
    auto *import = new QMenu(QStringLiteral("Import"), this);
    FileMenu->insertMenu(BuildArtLibrary1, import);
    ImportScript1 = import->addAction(QStringLiteral("From a script…"));
    ImportFromServer1 = import->addAction(QStringLiteral("From the server…"));
    EventGuard::connect(ServerPreview1, &QAction::triggered, this, &TForm1::ServerPreview1Click);
    EventGuard::connect(ImportScript1, &QAction::triggered, this, &TForm1::Button12Click);
    EventGuard::connect(ImportFromServer1, &QAction::triggered, this, &TForm1::ImportFromServer1Click);
    for (const auto &[object, name] : {std::pair<QObject *, const char *>{ToolsMenu, "ToolsMenu"},
                                       {ServerPreview1, "ServerPreview1"},
                                       {ImportScript1, "ImportScript1"},
                                       {ImportFromServer1, "ImportFromServer1"}}) {
        object->setObjectName(QLatin1StringView(name));
        m_controls.insert(QLatin1StringView(name), object);
    }
    m_serverImport = new ServerJob(this);
    m_serverPreview = new ServerPreviewWindow(
        [this] {
            ServerPreviewWindow::Request r;
            r.design = m_state.DATA.lines();
            r.appDir = m_state.AppDir;
            r.dialect = settings().exportVersion;
            r.setup.program = settings().sphereProgram;
            r.setup.scripts = settings().shardScripts;
            r.page = m_state.Page;
            return r;
        },
        this);
    connect(m_serverPreview, &ServerPreviewWindow::lineChosen, this,
            [this](int line) { EventGuard::run([&] { selectDesignLine(line); }); });
    m_controls.insert(QStringLiteral("ServerPreview"), m_serverPreview);
    // A server a killed designer left running ends now.
    ServerWorld::endLeftovers(ServerWorld::defaultRecordFolder());
}

QString TForm1::serverSetupMissing(bool scriptsNeeded)
{
    if (settings().sphereProgram.trimmed().isEmpty())
        return QStringLiteral("Name your Sphere server's program under Options, tab \"Server\", first.");
    if (scriptsNeeded && settings().shardScripts.trimmed().isEmpty())
        return QStringLiteral("Name your shard's scripts folder under Options, tab \"Server\", first.");
    return {};
}

bool TForm1::serverSetupReady(bool scriptsNeeded)
{
    const QString missing = serverSetupMissing(scriptsNeeded);
    if (missing.isEmpty())
        return true;
    Label8->setText(missing);
    if (!Modal::confirm(missing + QStringLiteral(" Open the options at that tab now?")))
        return false;
    Form12->showServerTab();
    Button17Click();
    const QString still = serverSetupMissing(scriptsNeeded);
    Label8->setText(still);
    return still.isEmpty();
}

void TForm1::selectDesignLine(int line)
{
    Problem at;
    at.line = line;
    goToPlace(ProblemList::placeOf(at, m_state.DATA.lines()));
}

void TForm1::ServerPreview1Click()
{
    if (!serverSetupReady(false))
        return;
    // Beside the canvas, as far as the screen allows.
    QPoint at = frameGeometry().topRight() + QPoint(4, 0);
    if (const QScreen *shown = screen()) {
        const QRect room = shown->availableGeometry();
        at.setX(std::max(room.left(), std::min(at.x(), room.right() - m_serverPreview->width())));
        at.setY(std::max(room.top(), std::min(at.y(), room.bottom() - m_serverPreview->height())));
    }
    if (!m_serverPreview->isVisible())
        m_serverPreview->move(at);
    m_serverPreview->show();
    m_serverPreview->raise();
    m_serverPreview->redraw();
}

void TForm1::ImportFromServer1Click()
{
    if (!serverSetupReady(true))
        return;
    if (m_serverImport->busy()) {
        Label8->setText(QStringLiteral("An import from the server is still running."));
        return;
    }
    ServerImportDialog choice(settings().shardScripts, this);
    if (Modal::exec(choice) != QDialog::Accepted || choice.dialogName().isEmpty())
        return;
    if (!m_lifecycle.mayDiscardChanges())
        return;
    ServerSetup setup;
    setup.program = settings().sphereProgram;
    setup.scripts = settings().shardScripts;
    setup.plevel = choice.privilege();
    setup.args = choice.arguments();
    const QString name = choice.dialogName();
    const QString standIn = choice.privilegeName();
    const QString appDir = m_state.AppDir;

    // Not modal: the designer stays usable, and Cancel stops the server.
    auto *progress = new QProgressDialog(QStringLiteral("Asking the server for %1…").arg(name),
                                         QStringLiteral("Cancel"), 0, 0, this);
    progress->setObjectName(QStringLiteral("ServerImportProgress"));
    progress->setWindowModality(Qt::NonModal);
    progress->setMinimumDuration(0);
    connect(m_serverImport, &ServerJob::progress, progress, [progress](const QString &stage) {
        progress->setLabelText(stage + u'…');
    });
    connect(progress, &QProgressDialog::canceled, this, [this, progress] {
        m_serverImport->cancel();
        progress->deleteLater();
        Label8->setText(QStringLiteral("Import from the server cancelled"));
    });
    progress->show();

    auto capture = std::make_shared<ServerPreview::Capture>();
    m_serverImport->run(
        [capture, name, appDir, setup](ServerCancel &cancel, const ServerProgress &stage) {
            *capture = ServerPreview::capture(name, appDir, setup, &cancel, stage);
        },
        [this, capture, name, standIn, setup, progress] {
            progress->deleteLater();
            EventGuard::run([&] {
                // The server's last lines keep their line breaks.
                if (!capture->answer.asked) {
                    Modal::warning(QStringLiteral("The server could not be asked: %1").arg(capture->answer.error));
                    return;
                }
                if (!capture->answer.gump) {
                    Modal::warning(QStringLiteral("The server sent no dialog for %1. Its last messages:\n%2")
                                       .arg(name, capture->answer.log.right(2000)));
                    return;
                }
                DocumentCommands::importDocument(m_state, capture->design);
                const QString snapshot =
                    QStringLiteral("Snapshot of %1 as the server sends it to a %2 (privilege %3)%4")
                        .arg(name, standIn)
                        .arg(setup.plevel)
                        .arg(setup.args.isEmpty() ? QString() : QStringLiteral(", arguments \"%1\"").arg(setup.args));
                QList<Problem> notes;
                Problem first;
                first.message = snapshot + QStringLiteral(": what it does is not part of it");
                notes << first;
                for (const QString &problem : std::as_const(capture->problems)) {
                    Problem p;
                    p.message = problem;
                    p.source = ServerSource;
                    notes << p;
                }
                m_problems.setProblems(ServerSource, notes, m_state.DATA.lines());
                Label8->setText(snapshot);
                showProblems();
            });
        });
}
