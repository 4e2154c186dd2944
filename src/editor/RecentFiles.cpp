#include "editor/RecentFiles.h"
#include "platform/IniFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString keyOf(int k)
{
    return QStringLiteral("File%1").arg(k + 1);
}

QString sameFile(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

void RecentFiles::read(const IniFile &file)
{
    m_files.clear();
    for (int k = 0; k < Max; ++k) {
        const QString path = file.readString(Section, keyOf(k), QString()).trimmed();
        if (!path.isEmpty() && !m_files.contains(sameFile(path)))
            m_files << sameFile(path);
    }
}

void RecentFiles::write(IniFile &file) const
{
    QList<IniFile::Entry> entries;
    for (int k = 0; k < Max; ++k)
        entries << IniFile::Entry{Section, keyOf(k), m_files.value(k)};
    file.writeAll(entries);
}

void RecentFiles::add(const QString &path)
{
    if (path.isEmpty())
        return;
    const QString full = sameFile(path);
    m_files.removeAll(full);
    m_files.prepend(full);
    while (m_files.size() > Max)
        m_files.removeLast();
}

void RecentFiles::remove(const QString &path)
{
    m_files.removeAll(sameFile(path));
}

QStringList RecentFiles::dropMissing()
{
    QStringList gone;
    for (const QString &path : std::as_const(m_files))
        if (!QFileInfo(path).isFile())
            gone << path;
    for (const QString &path : std::as_const(gone))
        m_files.removeAll(path);
    return gone;
}
