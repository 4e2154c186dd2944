#include "serverworld/ServerWorld.h"

#include "platform/SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr const char *Account = "quillmark";
constexpr const char *ReadyLine = "quillmark:world-ready";
// A shard's scripts folder is copied only up to these bounds.
constexpr int MaxShardFiles = 20000;
constexpr qint64 MaxShardBytes = 512ll << 20;
constexpr qint64 MaxLogBytes = 4 << 20;
constexpr int GmLevel = 4;

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
    try {
        SafeFile::write(path, bytes);
        return true;
    } catch (const std::exception &e) {
        *error = QString::fromUtf8(e.what());
        return false;
    }
}

// Twelve letters and digits: the server refuses longer passwords at login.
QString randomPassword()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString password;
    for (int k = 0; k < 12; ++k)
        password += QLatin1Char(letters[QRandomGenerator::system()->bounded(36)]);
    return password;
}

// A dialog name the login script may carry: a word, nothing that could end
// the line or the section.
bool plainName(const QString &name)
{
    static const QRegularExpression word(QStringLiteral("^[A-Za-z0-9_.]{1,64}$"));
    return word.match(name).hasMatch();
}

// A wait of at most `most` ms that ends with the deadline.
int slice(QDeadlineTimer deadline, int most)
{
    return deadline.isForever() ? most : int(std::clamp<qint64>(deadline.remainingTime(), 1, most));
}

bool processAlive(qint64 pid)
{
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

QString linkTarget(const QString &path)
{
    const QString target = QFileInfo(path).symLinkTarget();
    return target.isEmpty() ? QString() : QFileInfo(target).canonicalFilePath();
}

} // namespace

void ServerCancel::cancel()
{
    m_cancelled = true;
    if (const qint64 pid = m_pid.load(); pid > 0)
        ::kill(pid_t(pid), SIGKILL);
}

void ServerCancel::setProcessId(qint64 pid)
{
    m_pid = pid;
}

ServerWorld::ServerWorld(QString binary) : m_binary(std::move(binary)), m_password(randomPassword()) {}

ServerWorld::~ServerWorld()
{
    stop();
}

void ServerWorld::addScript(const QString &fileName, const QByteArray &bytes)
{
    m_scripts.append({fileName, bytes});
}

QString ServerWorld::accountName() const
{
    return QString::fromLatin1(Account);
}

QString ServerWorld::folder() const
{
    return m_dir ? m_dir->path() : QString();
}

qint64 ServerWorld::processId() const
{
    return m_process ? m_process->processId() : 0;
}

bool ServerWorld::running() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

QString ServerWorld::loginScript() const
{
    QString script = QStringLiteral("[EVENTS e_quillmark_login]\nON=@Login\n");
    for (const DialogOpening &d : m_dialogs) {
        QString args = d.args;
        args.replace(u'\r', u' ').replace(u'\n', u' ');
        script += QStringLiteral("SYSMESSAGE %1%2\n").arg(QLatin1String(OpenMarker), d.name);
        const QString open = args.trimmed().isEmpty() ? QStringLiteral("DIALOG %1\n").arg(d.name)
                                                      : QStringLiteral("DIALOG %1,0,%2\n").arg(d.name, args.trimmed());
        for (int k = std::max(1, d.times); k > 0; --k)
            script += open;
    }
    script += QStringLiteral("SYSMESSAGE %1\n\n[EOF]\n").arg(QLatin1String(DoneMarker));
    return script;
}

bool ServerWorld::copyShardScripts(QString *error)
{
    const QDir from(m_shardScripts);
    if (!from.exists()) {
        *error = QStringLiteral("the scripts folder %1 does not exist").arg(m_shardScripts);
        return false;
    }
    // The server reads the scripts folder itself, not its subfolders: the
    // copies stand in it, named by their path in the shard.
    const QDir to(m_dir->filePath(QStringLiteral("scripts")));
    int files = 0;
    qint64 bytes = 0;
    QDirIterator it(from.path(), {QStringLiteral("*.scp"), QStringLiteral("*.SCP")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = from.relativeFilePath(path);
        // Our own tables and world stand in for the shard's.
        if (QFileInfo(relative).fileName().compare(QLatin1String("spheretables.scp"), Qt::CaseInsensitive) == 0)
            continue;
        bytes += it.fileInfo().size();
        if (++files > MaxShardFiles || bytes > MaxShardBytes) {
            *error = QStringLiteral("the scripts folder %1 holds more than %2 files or %3 MB of scripts")
                         .arg(m_shardScripts).arg(MaxShardFiles).arg(MaxShardBytes >> 20);
            return false;
        }
        const QString flat = QStringLiteral("shard-") + QString(relative).replace(u'/', u'-');
        if (!QFile::copy(path, to.filePath(flat))) {
            *error = QStringLiteral("cannot copy %1 into the world").arg(path);
            return false;
        }
    }
    return true;
}

bool ServerWorld::writeWorld(QString *error)
{
    const QDir root(m_dir->path());
    for (const char *folder : {"scripts", "save", "accounts", "mul", "logs"})
        if (!root.mkpath(QLatin1String(folder))) {
            *error = QStringLiteral("cannot make %1 in %2").arg(QLatin1String(folder), root.path());
            return false;
        }
    for (const auto &[name, size] : ClientFiles) {
        // Sparse, zero-filled: no content to write safely, only a length.
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
    // A stand-in of GM level or above works in GM mode (<src.isgm>), as a GM at work does.
    const QString account = QStringLiteral("[%1]\nPASSWORD=%2\nPLEVEL=%3\n%4\n[EOF]\n")
                                .arg(accountName(), m_password)
                                .arg(m_plevel)
                                .arg(m_plevel >= GmLevel ? QStringLiteral("PRIV=02\n") : QString());
    if (!writeFile(root.filePath(QLatin1String(MarkerFile)), "A Quillmark preview world; removed when it ends.\n", error)
        || !writeFile(root.filePath(QStringLiteral("sphere.ini")), ini.toUtf8(), error)
        || !writeFile(root.filePath(QStringLiteral("accounts/sphereaccu.scp")), account.toUtf8(), error)
        || !writeFile(root.filePath(QStringLiteral("scripts/spheretables.scp")), TablesScript, error)
        || !writeFile(root.filePath(QStringLiteral("scripts/quillmark_world.scp")), WorldScript, error)
        || !writeFile(root.filePath(QStringLiteral("scripts/quillmark_login.scp")), loginScript().toUtf8(), error))
        return false;
    for (const auto &[name, bytes] : m_scripts) {
        if (name.contains(u'/') || name.startsWith(u'.')) {
            *error = QStringLiteral("a script file name may not hold a folder: %1").arg(name);
            return false;
        }
        if (!writeFile(root.filePath(QStringLiteral("scripts/") + name), bytes, error))
            return false;
    }
    return m_shardScripts.isEmpty() || copyShardScripts(error);
}

bool ServerWorld::start(QDeadlineTimer deadline, QString *error)
{
    QString why;
    if (!error)
        error = &why;
    if (m_process) {
        *error = QStringLiteral("the server was started before");
        return false;
    }
    for (const DialogOpening &d : std::as_const(m_dialogs))
        if (!plainName(d.name)) {
            *error = QStringLiteral("\"%1\" is no dialog name (letters, digits, _ and . only)").arg(d.name);
            return false;
        }
    const QFileInfo program(m_binary);
    if (m_binary.isEmpty() || !program.isFile() || !program.isExecutable()) {
        *error = m_binary.isEmpty() ? QStringLiteral("no server program is named")
                                    : QStringLiteral("there is no server program at %1").arg(m_binary);
        return false;
    }
    if (!m_recordFolder.isEmpty())
        endLeftovers(m_recordFolder);
    m_dir = std::make_unique<QTemporaryDir>(QDir::temp().filePath(QLatin1String(FolderPrefix) + QStringLiteral("XXXXXX")));
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
    // The server ends with the thread that started it, even when the
    // designer is killed; the record covers what this misses.
    m_process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    m_process->start(program.absoluteFilePath(), {});
    if (!m_process->waitForStarted(slice(deadline, 10000))) {
        *error = QStringLiteral("cannot start %1: %2").arg(m_binary, m_process->errorString());
        m_process.reset();
        return false;
    }
    if (m_cancel)
        m_cancel->setProcessId(m_process->processId());
    writeRecord();
    // The character exists once f_onserver_start has logged its last line,
    // which is after the server said its start-up is complete.
    while (true) {
        if (m_cancel && m_cancel->cancelled()) {
            *error = QStringLiteral("cancelled");
            stop();
            return false;
        }
        if (m_process->state() != QProcess::Running) {
            *error = QStringLiteral("the server stopped during start-up (exit code %1). Its last lines:\n%2")
                         .arg(m_process->exitCode())
                         .arg(lastLines(12));
            stop();
            return false;
        }
        if ((console().contains(QLatin1String(ReadyLine)) || log().contains(QLatin1String(ReadyLine)))
            && acceptsConnections(m_port))
            return true;
        if (deadline.hasExpired())
            break;
        m_process->waitForReadyRead(slice(deadline, 100));
    }
    *error = QStringLiteral("the server did not get ready in time. Its last lines:\n%1").arg(lastLines(12));
    stop();
    return false;
}

void ServerWorld::stop()
{
    if (m_cancel)
        m_cancel->setProcessId(0);
    if (m_process && m_process->state() != QProcess::NotRunning) {
        // QProcess signals the process by its id only.
        m_process->terminate();
        if (!m_process->waitForFinished(5000)) {
            m_process->kill();
            m_process->waitForFinished(5000);
        }
        console();
    }
    removeRecord();
}

void ServerWorld::writeRecord()
{
    if (m_recordFolder.isEmpty() || !QDir().mkpath(m_recordFolder))
        return;
    m_recordPath = QDir(m_recordFolder).filePath(
        QStringLiteral("world-%1-%2.txt").arg(QCoreApplication::applicationPid()).arg(m_process->processId()));
    const QString record = QStringLiteral("%1\n%2\n%3\n%4\n")
                               .arg(QCoreApplication::applicationPid())
                               .arg(m_process->processId())
                               .arg(QFileInfo(m_binary).canonicalFilePath(), QFileInfo(m_dir->path()).canonicalFilePath());
    QString ignored;
    if (!writeFile(m_recordPath, record.toUtf8(), &ignored))
        m_recordPath.clear();
}

void ServerWorld::removeRecord()
{
    if (!m_recordPath.isEmpty())
        QFile::remove(m_recordPath);
    m_recordPath.clear();
}

int ServerWorld::endLeftovers(const QString &recordFolder)
{
    int ended = 0;
    const QDir dir(recordFolder);
    for (const QFileInfo &info : dir.entryInfoList({QStringLiteral("world-*.txt")}, QDir::Files)) {
        QFile file(info.filePath());
        if (info.size() > 4096 || !file.open(QIODevice::ReadOnly))
            continue;
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        file.close();
        if (lines.size() < 4)
            continue;
        const qint64 designer = lines[0].toLongLong(), server = lines[1].toLongLong();
        const QString binary = lines[2], folder = lines[3];
        if (designer == QCoreApplication::applicationPid() || processAlive(designer))
            continue;   // its designer still runs and ends it itself
        // Only a process that runs the recorded program in the recorded
        // folder is ours; a reused process id is left alone.
        const QString proc = QStringLiteral("/proc/%1/").arg(server);
        if (processAlive(server) && !binary.isEmpty() && linkTarget(proc + "exe") == binary
            && linkTarget(proc + "cwd") == folder) {
            ::kill(pid_t(server), SIGKILL);
            for (int k = 0; k < 100 && processAlive(server); ++k)
                ::usleep(20000);
            ++ended;
        }
        if (processAlive(server))
            continue;   // someone else's process under a reused id: its folder stays too
        const QFileInfo world(folder);
        if (world.fileName().startsWith(QLatin1String(FolderPrefix)) && world.isDir()
            && QFileInfo::exists(QDir(folder).filePath(QLatin1String(MarkerFile))))
            QDir(folder).removeRecursively();
        QFile::remove(info.filePath());
    }
    return ended;
}

QString ServerWorld::defaultRecordFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)).filePath(QStringLiteral("worlds"));
}

QString ServerWorld::log() const
{
    QString all;
    if (!m_dir)
        return all;
    QStringList files;
    QDirIterator it(m_dir->filePath(QStringLiteral("logs")), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    qint64 left = MaxLogBytes;
    for (const QString &path : files) {
        QFile file(path);
        if (left > 0 && file.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = file.read(left);
            left -= bytes.size();
            all += QString::fromUtf8(bytes);
        }
    }
    return all;
}

QString ServerWorld::console() const
{
    if (m_process && m_console.size() < MaxLogBytes)
        m_console += m_process->readAll();
    // The console is coloured; the codes are noise here.
    static const QRegularExpression colours(QStringLiteral("\x1b\\[[0-9;]*m"));
    return QString::fromUtf8(m_console).remove(colours);
}

QString ServerWorld::lastLines(int count) const
{
    QString text = log();
    if (text.trimmed().isEmpty())
        text = console();
    QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    for (QString &line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    if (lines.isEmpty())
        return QStringLiteral("(the server wrote nothing)");
    return lines.mid(qMax(0, int(lines.size()) - count)).join(u'\n');
}
