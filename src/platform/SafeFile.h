#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

// The one way the program replaces a file on disk. The bytes go to a new file
// beside the target; every write, the flush to the device and the close are
// checked, and only then does the new file take the target's name in one
// rename. Any failure removes the new file and leaves the old one byte for
// byte, so a full disk never turns a design into an empty file.
namespace SafeFile {

// Throws RuntimeError "Cannot create file <path>" when the file beside the
// target cannot be made, "Unable to write to <path>" when any later step fails.
void write(const QString &path, const QByteArray &bytes);

// write() in two halves, for callers that let another thread wait for the
// device: the bytes stand checked beside the target, and commit() flushes
// them, gives them the target's name and syncs the folder. Dropped without a
// commit, they are removed and the target keeps what it held.
class Pending
{
public:
    Pending(Pending &&) noexcept;
    Pending &operator=(Pending &&) noexcept;
    ~Pending();

    QString path() const { return m_path; }
    // Throws RuntimeError "Unable to write to <path>"; the target is then unchanged.
    void commit();

    class Aside;

private:
    friend Pending writeAside(const QString &path, const QByteArray &bytes);
    Pending(const QString &path, std::unique_ptr<Aside> aside);

    QString m_path;
    std::unique_ptr<Aside> m_aside;
};

// Throws as write() does when the file beside the target cannot be made or written.
Pending writeAside(const QString &path, const QByteArray &bytes);

} // namespace SafeFile
