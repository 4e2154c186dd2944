#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// One file of an update: where it lies below the server's folder and where
// it goes below the program's folder.
struct UpdateFile
{
    QString remote;
    QString local;
};

// The update list as the server sends it: line 1 the newest version number,
// then pairs of lines (remote name, local name). A last line without a
// partner makes no file; incompleteLine() names it, and such a list is refused.
class UpdateList
{
public:
    // A longer list is not an update list (an error page, most likely).
    static constexpr qint64 MaxBytes = 64 * 1024;

    static UpdateList fromLines(const QStringList &lines);
    // Reads at most MaxBytes; a missing, unreadable or longer file gives an
    // empty list, which never counts as newer.
    static QStringList readLines(const QString &path);

    const QStringList &lines() const { return m_lines; }
    // Line 1 as a whole number; nothing when it is not one.
    std::optional<int> version() const { return m_version; }
    const std::vector<UpdateFile> &files() const { return m_files; }

    // At least two lines and a version above the running one.
    bool isNewerThan(int runningVersion) const;

    // The first line (counted from 1) whose name may not be used, or 0 when
    // every name is safe.
    int firstUnsafeLine() const;
    // The line (counted from 1) of a last remote name without its local
    // name, or 0 when every pair is whole.
    int incompleteLine() const;

private:
    QStringList m_lines;
    std::optional<int> m_version;
    std::vector<UpdateFile> m_files;
};

namespace UpdateNames {
// A plain relative path: not empty, no absolute path, no drive or scheme,
// no "." or ".." step, no empty step, no control character. "\" counts as a
// separator.
bool isSafeLocalName(const QString &name);
// The same for a name below the server's folder: no scheme, no host, no
// step out of the folder.
bool isSafeRemoteName(const QString &name);
// The base address with its closing "/" followed by the remote name.
QString remoteAddress(const QString &base, const QString &name);
} // namespace UpdateNames
