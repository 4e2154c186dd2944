#include "assets/ArtPresence.h"
#include "platform/PathResolver.h"

#include <QDir>

void ArtPresence::revalidate()
{
    const QMutexLocker lock(&m_mutex);
    m_folders.removeIf([](const auto &entry) {
        return !FileStamp::unchanged(entry.value().stamp, FileStamp::of(entry.value().path));
    });
}

void ArtPresence::forget()
{
    const QMutexLocker lock(&m_mutex);
    m_folders.clear();
}

bool ArtPresence::lacks(const QString &appDir, const QString &relative)
{
    const qsizetype slash = relative.lastIndexOf(u'/');
    const QString folderPart = relative.left(slash + 1);
    const QString leaf = relative.mid(slash + 1);
    if (leaf.isEmpty())
        return false;
    const QMutexLocker lock(&m_mutex);
    if (appDir != m_appDir) {
        m_folders.clear();
        m_appDir = appDir;
    }
    const QString key = folderPart.toCaseFolded();
    auto found = m_folders.find(key);
    if (found == m_folders.end()) {
        if (m_folders.size() >= MaxFolders)
            return false;
        Folder folder;
        folder.path = PathResolver::resolve(appDir, folderPart.isEmpty() ? QStringLiteral(".") : folderPart);
        // The stamp before the listing: a change in between makes it differ at the next look.
        folder.stamp = FileStamp::of(folder.path);
        const QStringList entries =
            QDir(folder.path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString &e : entries)
            folder.foldedNames.insert(e.toCaseFolded());
        ++m_listings;
        found = m_folders.insert(key, folder);
    }
    return !found->foldedNames.contains(leaf.toCaseFolded());
}
