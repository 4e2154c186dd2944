#include "support/SphereTestServer.h"

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

constexpr const char *Account = "quillmark";
constexpr const char *Password = "quillmark-pw";
constexpr const char *ReadyLine = "quillmark:world-ready";
constexpr int StartSeconds = 30;

// The client files the server opens at start, with the sizes its checks
// accept; zero-filled and sparse.
const std::pair<const char *, qint64> ClientFiles[] = {
    {"map0.mul", 89'915'392},  // 7168 x 4096 cells in 196-byte blocks of 8 x 8
    {"staidx0.mul", 5'505'024},
    {"tiledata.mul", 3'188'736},  // this length selects the newer layout
    {"statics0.mul", 0},
    {"multi.idx", 0},
    {"multi.mul", 0},
};

const char *const WorldScript = R"([CHARDEF 0190]
DEFNAME=c_man
NAME=Quillmark
CAN=MT_WALK

[FUNCTION f_onserver_start]
SERV.NEWNPC c_man
NEW.ACCOUNT=quillmark
NEW.P=1495,1629,10
LOG quillmark:world-ready

[EOF]
)";

const char *const TablesScript = R"([STARTS]
Britain
Britain
1495,1629,10,0
0

[EOF]
)";

// A TCP port nobody listens on now: the one the system gives for port 0.
quint16 freeLoopbackPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return 0;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    quint16 port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
        && ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(fd);
    return port;
}

bool acceptsConnections(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return ok;
}

bool writeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size())
        return true;
    if (error)
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return false;
}

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

SphereTestServer::SphereTestServer(QString binary) : m_binary(std::move(binary)) {}

SphereTestServer::~SphereTestServer()
{
    stop();
}

void SphereTestServer::addScript(const QString &fileName, const QByteArray &bytes)
{
    m_scripts.append({fileName, bytes});
}

void SphereTestServer::openOnLogin(const QStringList &dialogNames)
{
    m_dialogs = dialogNames;
}

void SphereTestServer::openOnLogin(const QList<std::pair<QString, int>> &dialogsAndTimes)
{
    m_dialogs.clear();
    m_openings.clear();
    for (const auto &[name, times] : dialogsAndTimes) {
        m_dialogs << name;
        m_openings.insert(name, times);
    }
}

QString SphereTestServer::accountName() const
{
    return QString::fromLatin1(Account);
}

QString SphereTestServer::password() const
{
    return QString::fromLatin1(Password);
}

QString SphereTestServer::loginScript() const
{
    QString script = QStringLiteral("[EVENTS e_quillmark_login]\nON=@Login\n");
    for (const QString &name : m_dialogs) {
        script += QStringLiteral("SYSMESSAGE %1%2\n").arg(QLatin1String(OpenMarker), name);
        for (int k = std::max(1, m_openings.value(name, 1)); k > 0; --k)
            script += QStringLiteral("DIALOG %1\n").arg(name);
    }
    script += QStringLiteral("SYSMESSAGE %1\n\n[EOF]\n").arg(QLatin1String(DoneMarker));
    return script;
}

bool SphereTestServer::writeWorld(QString *error)
{
    const QDir root(m_dir->path());
    for (const char *folder : {"scripts", "save", "accounts", "mul", "logs"})
        if (!root.mkpath(QLatin1String(folder))) {
            *error = QStringLiteral("cannot make %1 in %2").arg(QLatin1String(folder), root.path());
            return false;
        }
    for (const auto &[name, size] : ClientFiles) {
        QFile file(root.filePath(QStringLiteral("mul/") + QLatin1String(name)));
        if (!file.open(QIODevice::WriteOnly) || !file.resize(size)) {
            *error = QStringLiteral("cannot make %1: %2").arg(file.fileName(), file.errorString());
            return false;
        }
    }
    const QString ini = QStringLiteral("[SPHERE]\n"
                                       "AGREE=1\n"
                                       "ServName=Quillmark\n"
                                       "ServIP=127.0.0.1\n"
                                       "ServPort=%1\n"
                                       "ScpFiles=scripts/\n"
                                       "WorldSave=save/\n"
                                       "AcctFiles=accounts/\n"
                                       "MulFiles=mul/\n"
                                       "Log=logs/\n"
                                       "Map0=7168,4096,64,0,0\n"
                                       "UseCrypt=1\n"
                                       "UseNoCrypt=1\n"
                                       "EventsPlayer=e_quillmark_login\n"
                                       // A queue of more than MaxQueueSize packets spills into the
                                       // next lower priority, which sends gumps after the markers
                                       // that came after them. Unlimited keeps the order.
                                       "MaxQueueSize=0\n"
                                       "UsePacketPriority=0\n")
                            .arg(m_port);
    const QString account = QStringLiteral("[%1]\nPASSWORD=%2\nPLEVEL=7\n\n[EOF]\n").arg(accountName(), password());
    if (!writeFile(root.filePath(QStringLiteral("sphere.ini")), ini.toUtf8(), error)
        || !writeFile(root.filePath(QStringLiteral("accounts/sphereaccu.scp")), account.toUtf8(), error)
        || !writeFile(root.filePath(QStringLiteral("scripts/spheretables.scp")), TablesScript, error)
        || !writeFile(root.filePath(QStringLiteral("scripts/quillmark_world.scp")), WorldScript, error)
        || !writeFile(root.filePath(QStringLiteral("scripts/quillmark_login.scp")), loginScript().toUtf8(), error))
        return false;
    for (const auto &[name, bytes] : m_scripts)
        if (!writeFile(root.filePath(QStringLiteral("scripts/") + name), bytes, error))
            return false;
    return true;
}

bool SphereTestServer::start(QString *error)
{
    QString why;
    if (!error)
        error = &why;
    if (m_process) {
        *error = QStringLiteral("the server was started before");
        return false;
    }
    if (m_binary.isEmpty() || !QFileInfo(m_binary).isExecutable()) {
        *error = QStringLiteral("no server binary at \"%1\"").arg(m_binary);
        return false;
    }
    m_dir = std::make_unique<QTemporaryDir>();
    m_port = freeLoopbackPort();
    if (!m_dir->isValid() || m_port == 0) {
        *error = QStringLiteral("no temporary folder or free port");
        return false;
    }
    if (!writeWorld(error))
        return false;

    m_process = std::make_unique<QProcess>();
    m_process->setWorkingDirectory(m_dir->path());
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    m_process->start(m_binary, {});
    if (!m_process->waitForStarted(10000)) {
        *error = QStringLiteral("cannot start %1: %2").arg(m_binary, m_process->errorString());
        return false;
    }
    // The character exists once f_onserver_start has logged its last line,
    // which is after the server said its start-up is complete.
    const QDeadlineTimer deadline(StartSeconds * 1000);
    while (!deadline.hasExpired()) {
        if (m_process->state() != QProcess::Running) {
            *error = QStringLiteral("the server stopped during start-up (exit code %1).\nConsole:\n%2\nLog:\n%3")
                         .arg(m_process->exitCode())
                         .arg(console(), log());
            return false;
        }
        if ((console().contains(QLatin1String(ReadyLine)) || log().contains(QLatin1String(ReadyLine)))
            && acceptsConnections(m_port))
            return true;
        m_process->waitForReadyRead(100);
    }
    *error = QStringLiteral("the server did not get ready within %1 s.\nConsole:\n%2\nLog:\n%3")
                 .arg(StartSeconds)
                 .arg(console(), log());
    return false;
}

void SphereTestServer::stop()
{
    if (!m_process || m_process->state() == QProcess::NotRunning)
        return;
    // QProcess signals the process by its id only.
    m_process->terminate();
    if (!m_process->waitForFinished(10000)) {
        m_process->kill();
        m_process->waitForFinished(5000);
    }
    console();
}

QString SphereTestServer::log() const
{
    QString all;
    if (!m_dir)
        return all;
    QStringList files;
    QDirIterator it(m_dir->filePath(QStringLiteral("logs")), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    for (const QString &path : files) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            all += QString::fromUtf8(file.read(16 << 20));
    }
    return all;
}

QString SphereTestServer::console() const
{
    if (m_process)
        m_console += m_process->readAll();
    // The console is coloured; the codes are noise here.
    static const QRegularExpression colours(QStringLiteral("\x1b\\[[0-9;]*m"));
    return QString::fromUtf8(m_console).remove(colours);
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
