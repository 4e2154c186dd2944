#include "platform/SafeFile.h"
#include "platform/RuntimeError.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Writes to a symbolic link replace the file it points to, not the link.
QString replacedFile(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.symLinkTarget();
        if (!target.isEmpty())
            return target;
    }
    return path;
}

} // namespace

// Owns the file written beside the target until it has taken the target's name.
class SafeFile::Pending::Aside
{
public:
    explicit Aside(const QString &target) : m_target(target)
    {
        // A new file keeps the old one's permissions; a first file gets the usual ones.
        struct stat st;
        const bool replacing = ::stat(QFile::encodeName(target).constData(), &st) == 0;
        const mode_t mode = replacing ? (st.st_mode & 07777) : 0666;
        for (int attempt = 0; attempt < 16 && m_fd < 0; ++attempt) {
            m_name = QFile::encodeName(target) + ".new-"
                     + QByteArray::number(QRandomGenerator::global()->generate(), 16);
            m_fd = ::open(m_name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            if (m_fd < 0 && errno != EEXIST)
                break;
        }
        m_ours = m_fd >= 0;
        // open() applies the umask; a replacement should match the old file exactly.
        if (m_ours && replacing)
            (void)::fchmod(m_fd, mode);
    }
    ~Aside()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (m_ours && !m_renamed)
            ::unlink(m_name.constData());
    }
    Aside(const Aside &) = delete;
    Aside &operator=(const Aside &) = delete;

    bool isOpen() const { return m_fd >= 0; }

    bool writeAll(const QByteArray &bytes)
    {
        const char *p = bytes.constData();
        qsizetype left = bytes.size();
        while (left > 0) {
            const ssize_t n = ::write(m_fd, p, size_t(left));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            p += n;
            left -= n;
        }
        return true;
    }

    // Flushes to the device, closes, and gives the file the target's name.
    bool commit()
    {
        if (::fsync(m_fd) != 0)
            return false;
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0)
            return false;
        if (::rename(m_name.constData(), QFile::encodeName(m_target).constData()) != 0)
            return false;
        m_renamed = true;
        syncFolder();
        return true;
    }

private:
    // Makes the rename itself durable; a folder that cannot be synced still holds the file.
    void syncFolder() const
    {
        const QByteArray dir = QFile::encodeName(QFileInfo(m_target).absolutePath());
        const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
    }

    QString m_target;
    QByteArray m_name;
    int m_fd = -1;
    bool m_ours = false;
    bool m_renamed = false;
};

namespace SafeFile {

Pending::Pending(const QString &path, std::unique_ptr<Aside> aside) : m_path(path), m_aside(std::move(aside)) {}
Pending::Pending(Pending &&) noexcept = default;
Pending &Pending::operator=(Pending &&) noexcept = default;
Pending::~Pending() = default;

void Pending::commit()
{
    const std::unique_ptr<Aside> aside = std::move(m_aside);
    if (!aside || !aside->commit())
        throw RuntimeError::unableToWrite(m_path);
}

Pending writeAside(const QString &path, const QByteArray &bytes)
{
    auto aside = std::make_unique<Pending::Aside>(replacedFile(path));
    if (!aside->isOpen())
        throw RuntimeError::cannotCreate(path);
    if (!aside->writeAll(bytes))
        throw RuntimeError::unableToWrite(path);
    return Pending(path, std::move(aside));
}

void write(const QString &path, const QByteArray &bytes)
{
    writeAside(path, bytes).commit();
}

} // namespace SafeFile
