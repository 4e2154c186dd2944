// The options window's "Server" tab: the user's own Sphere server, which
// shows a design as a player gets it, and the shard's scripts folder.
#include "serverworld/ServerPreview.h"
#include "windows/options/TForm12.h"
#include "windows/server/ServerJob.h"
#include "windows/widgets/EventGuard.h"
#include "windows/widgets/Modal.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <memory>

namespace {

// Starting a server with an empty world takes about a second.
constexpr int CheckDeadlineMs = 20000;

} // namespace

void TForm12::showServerTab()
{
    PageControl1->setCurrentWidget(m_serverPage);
}

void TForm12::buildServerPage(QTabWidget *tabs)
{
    auto *page = new QWidget(tabs);
    m_serverPage = page;
    auto *grid = new QGridLayout(page);
    tabs->addTab(page, QStringLiteral("Server"));
    SphereProgramEdit = new QLineEdit(page);
    SphereProgramEdit->setObjectName(QStringLiteral("SphereProgramEdit"));
    SphereProgramBrowse = new QPushButton(QStringLiteral("Browse"), page);
    SphereProgramCheck = new QPushButton(QStringLiteral("Check"), page);
    SphereProgramCheck->setObjectName(QStringLiteral("SphereProgramCheck"));
    SphereProgramStatus = new QLabel(page);
    SphereProgramStatus->setObjectName(QStringLiteral("SphereProgramStatus"));
    SphereProgramStatus->setWordWrap(true);
    SphereProgramStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ShardScriptsEdit = new QLineEdit(page);
    ShardScriptsEdit->setObjectName(QStringLiteral("ShardScriptsEdit"));
    ShardScriptsBrowse = new QPushButton(QStringLiteral("Browse"), page);
    grid->addWidget(new QLabel(QStringLiteral("Sphere server program"), page), 0, 0, 1, 3);
    grid->addWidget(SphereProgramEdit, 1, 0);
    grid->addWidget(SphereProgramBrowse, 1, 1);
    grid->addWidget(SphereProgramCheck, 1, 2);
    grid->addWidget(SphereProgramStatus, 2, 0, 1, 3);
    // The check's answer stands apart from the next field's caption.
    grid->setRowMinimumHeight(2, 2 * SphereProgramStatus->fontMetrics().height());
    SphereProgramStatus->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(new QLabel(QStringLiteral("Shard scripts folder (optional; read, never written)"), page), 3, 0, 1, 3);
    grid->addWidget(ShardScriptsEdit, 4, 0);
    grid->addWidget(ShardScriptsBrowse, 4, 1);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(0, 1);
    m_serverCheck = new ServerJob(this);
    connect(m_serverCheck, &ServerJob::progress, SphereProgramStatus,
            [this](const QString &stage) { SphereProgramStatus->setText(stage + u'…'); });
    EventGuard::connect(SphereProgramBrowse, &QPushButton::clicked, this, [this] {
        const QString path = Modal::openFile(QStringLiteral("Programs (*)"));
        if (path.isEmpty())
            return;
        SphereProgramEdit->setText(path);
        checkSphereProgram();
    });
    EventGuard::connect(SphereProgramCheck, &QPushButton::clicked, this, &TForm12::checkSphereProgram);
    EventGuard::connect(ShardScriptsBrowse, &QPushButton::clicked, this, [this] {
        const QString folder = Modal::chooseFolder(ShardScriptsEdit->text());
        if (!folder.isEmpty())
            ShardScriptsEdit->setText(folder);
    });
}

// Starts the program once in a world of its own and reads its version from
// what it logs; the window stays usable meanwhile.
void TForm12::checkSphereProgram()
{
    const QString program = SphereProgramEdit->text().trimmed();
    if (program.isEmpty()) {
        SphereProgramStatus->setText(QStringLiteral("Name the server's program first."));
        return;
    }
    SphereProgramStatus->setText(QStringLiteral("Starting %1 once…").arg(program));
    auto check = std::make_shared<ServerPreview::ProgramCheck>();
    m_serverCheck->run(
        [program, check](ServerCancel &cancel, const ServerProgress &) {
            *check = ServerPreview::checkProgram(program, ServerWorld::defaultRecordFolder(), CheckDeadlineMs, &cancel);
        },
        [this, check] {
            SphereProgramStatus->setText(check->ok ? QStringLiteral("Works: %1").arg(check->version)
                                                   : QStringLiteral("Does not work: %1").arg(check->error));
        });
}

void TForm12::showServer(const Settings &s)
{
    SphereProgramEdit->setText(s.sphereProgram);
    ShardScriptsEdit->setText(s.shardScripts);
    SphereProgramStatus->clear();
}

void TForm12::takeServer(Settings &s) const
{
    s.sphereProgram = SphereProgramEdit->text().trimmed();
    s.shardScripts = ShardScriptsEdit->text().trimmed();
}
