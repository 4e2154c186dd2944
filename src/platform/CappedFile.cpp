#include "platform/CappedFile.h"
#include "platform/RuntimeError.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() { if (m_fd >= 0) ::close(m_fd); }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

namespace CappedFile {

Result read(const QString &path, qint64 limit)
{
    // Non-blocking, so that opening a pipe does not wait for a writer.
    const Descriptor fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat st;
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    if (qint64(st.st_size) > limit)
        return {Outcome::TooLarge, {}};

    QByteArray bytes;
    bytes.reserve(qsizetype(st.st_size));
    constexpr qsizetype Chunk = 64 * 1024;
    for (;;) {
        const qsizetype at = bytes.size();
        // One byte past the limit is enough to know the file is too large.
        const qsizetype want = qsizetype(std::min<qint64>(Chunk, limit + 1 - at));
        if (want <= 0)
            return {Outcome::TooLarge, {}};
        bytes.resize(at + want);
        const ssize_t n = ::read(fd.get(), bytes.data() + at, size_t(want));
        if (n < 0 && errno == EINTR) {
            bytes.resize(at);
            continue;
        }
        if (n < 0)
            return {};
        bytes.resize(at + n);
        if (n == 0)
            break;
    }
    if (bytes.size() > limit)
        return {Outcome::TooLarge, {}};
    return {Outcome::Read, bytes};
}

RuntimeError tooLarge(const QString &path, qint64 limit)
{
    return RuntimeError(QStringLiteral("File %1 is larger than %2 MB and is not read")
                            .arg(path).arg(limit / (1024 * 1024)));
}

QByteArray readOrThrow(const QString &path, qint64 limit)
{
    Result r = read(path, limit);
    switch (r.outcome) {
    case Outcome::Read:
        return std::move(r.bytes);
    case Outcome::TooLarge:
        throw tooLarge(path, limit);
    case Outcome::CannotOpen:
        break;
    }
    throw RuntimeError::cannotOpen(path);
}

} // namespace CappedFile
