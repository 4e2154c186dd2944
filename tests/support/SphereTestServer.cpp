#include "support/SphereTestServer.h"

#include "serverworld/ServerWorld.h"
#include "sphereclient/SphereLoginClient.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int StartSeconds = 30;

} // namespace

QString SphereTestServer::binary()
{
#ifdef QM_SPHERE_SERVER_BINARY
    const QString path = QStringLiteral(QM_SPHERE_SERVER_BINARY);
    if (QFileInfo(path).isExecutable())
        return path;
#endif
    return {};
}

SphereTestServer::SphereTestServer(QString binary) : m_world(std::make_unique<ServerWorld>(std::move(binary))) {}

SphereTestServer::~SphereTestServer() = default;

void SphereTestServer::addScript(const QString &fileName, const QByteArray &bytes)
{
    m_world->addScript(fileName, bytes);
}

void SphereTestServer::openOnLogin(const QStringList &dialogNames)
{
    QList<DialogOpening> dialogs;
    for (const QString &name : dialogNames)
        dialogs.append({name, {}});
    m_world->openOnLogin(dialogs);
}

void SphereTestServer::openOnLogin(const QList<std::pair<QString, int>> &dialogsAndTimes)
{
    QList<DialogOpening> dialogs;
    for (const auto &[name, times] : dialogsAndTimes)
        dialogs.append({name, {}, times});
    m_world->openOnLogin(dialogs);
}

bool SphereTestServer::start(QString *error)
{
    return m_world->start(QDeadlineTimer(StartSeconds * 1000), error);
}

void SphereTestServer::stop()
{
    m_world->stop();
}

quint16 SphereTestServer::port() const
{
    return m_world->port();
}

QString SphereTestServer::accountName() const
{
    return m_world->accountName();
}

QString SphereTestServer::password() const
{
    return m_world->password();
}

QString SphereTestServer::log() const
{
    return m_world->log();
}

QString SphereTestServer::console() const
{
    return m_world->console();
}

JudgedDialogs judgeDialogs(const QList<std::pair<QString, QByteArray>> &scriptFiles, const QStringList &dialogNames)
{
    JudgedDialogs judged;
    SphereTestServer server(SphereTestServer::binary());
    for (const auto &[name, bytes] : scriptFiles)
        server.addScript(name, bytes);
    server.openOnLogin(dialogNames);
    if (!server.start(&judged.error)) {
        judged.log = server.log();
        return judged;
    }

    SphereLoginClient client({.port = server.port(), .account = server.accountName(), .password = server.password()});
    // The reference run opened 436 dialogs in 3.4 s; this leaves room for a
    // loaded machine.
    const QDeadlineTimer deadline(30000 + 100 * qint64(dialogNames.size()));
    SphereCollection got;
    if (client.logIn(deadline))
        got = client.collectUntil(QLatin1String(SphereTestServer::DoneMarker), deadline);
    if (client.failure() != SphereLoginClient::Failure::None)
        judged.error = client.errorString();
    else if (!got.endMarkerSeen)
        judged.error = QStringLiteral("\"%1\" did not arrive in time").arg(QLatin1String(SphereTestServer::DoneMarker));

    const QString openMarker = QLatin1String(SphereTestServer::OpenMarker);
    QString current;
    for (const ServerEvent &event : std::as_const(got.events)) {
        if (event.kind == ServerEvent::Message && event.message.startsWith(openMarker)) {
            current = event.message.mid(openMarker.size());
            judged.gumps.insert(current, std::nullopt);
        } else if (event.kind == ServerEvent::Gump && !current.isEmpty() && !judged.gumps.value(current)) {
            judged.gumps[current] = event.gump;
        }
    }
    server.stop();
    judged.log = server.log();
    if (!judged.error.isEmpty())
        judged.error += QStringLiteral("\nServer log:\n") + judged.log;
    return judged;
}
