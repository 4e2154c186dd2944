#include "platform/PathResolver.h"
#include "platform/ArtFolders.h"
#include "platform/FileStamp.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMutex>

namespace PathResolver {

namespace {

// Longer names than these are refused by the file system, so they name nothing.
constexpr qsizetype MaxPathLength = 4096;
constexpr qsizetype MaxNameLength = 255;

// Each folder's entries by case-folded name, listed once and listed again
// only when the folder changed, so a name that is missing costs a hash probe.
class FolderListings
{
public:
    QString match(const QString &dir, const QString &name)
    {
        const QString folder = dir.isEmpty() ? QStringLiteral(".") : dir;
        const FileStamp now = FileStamp::of(folder);
        const QMutexLocker lock(&m_mutex);
        Listing &listing = m_listings[folder];
        if (!FileStamp::unchanged(listing.stamp, now)) {
            listing.stamp = now;
            listing.byFoldedName.clear();
            const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                               | QDir::NoDotAndDotDot);
            for (const QString &e : entries) { // the first in listing order wins, as it always did
                const QString folded = e.toCaseFolded();
                if (!listing.byFoldedName.contains(folded))
                    listing.byFoldedName.insert(folded, e);
            }
        }
        return listing.byFoldedName.value(name.toCaseFolded());
    }

private:
    struct Listing
    {
        FileStamp stamp;
        QHash<QString, QString> byFoldedName;
    };
    QMutex m_mutex;
    QHash<QString, Listing> m_listings;
};

FolderListings &folderListings()
{
    static FolderListings listings;
    return listings;
}

// The entry of dir whose name equals name ignoring case, or a null string.
QString matchEntry(const QString &dir, const QString &name)
{
    const QString exact = dir.isEmpty() ? name : dir + u'/' + name;
    if (QFileInfo::exists(exact))
        return name;
    return folderListings().match(dir, name);
}

void appendComponent(QString &dir, const QString &name)
{
    if (!dir.isEmpty() && !dir.endsWith(u'/'))
        dir += u'/';
    dir += name;
}

} // namespace

QString resolve(const QString &base, const QString &relative)
{
    QString dir = base;
    while (dir.size() > 1 && dir.endsWith(u'/'))
        dir.chop(1);
    // Too long to exist: given back as spelt, without touching the disk.
    if (relative.size() > MaxPathLength) {
        appendComponent(dir, relative);
        return dir;
    }
    bool matching = true;
    for (const QStringView part : QStringView(relative).split(u'/', Qt::SkipEmptyParts)) {
        const QString name = part.toString();
        if (matching && name != u"." && name != u"..") {
            // Below a component that matches nothing nothing else can match.
            const QString found = name.size() > MaxNameLength ? QString() : matchEntry(dir, name);
            matching = !found.isNull();
            appendComponent(dir, matching ? found : name);
        } else {
            appendComponent(dir, name);
        }
    }
    if (relative.endsWith(u'/') && !dir.endsWith(u'/'))
        dir += u'/';
    return dir;
}

QString resolveInData(const QString &appDir, const QString &relative)
{
    if (!staysInside(relative))
        return QString();
    const QString path = resolve(appDir, relative);
    const QString data = QFileInfo(resolve(appDir, ArtFolders::Library)).canonicalFilePath();
    // What the links lead to: the file, or the folder a new file would go in.
    QFileInfo target(path);
    if (!target.exists() && !target.isSymLink())
        target = QFileInfo(target.absolutePath());
    if (!target.exists())
        return target.isSymLink() ? QString() : path;   // a dangling link leads nowhere we know
    const QString real = target.canonicalFilePath();
    if (data.isEmpty() || (real != data && !real.startsWith(data + u'/')))
        return QString();
    return path;
}

QString resolve(const QString &path)
{
    if (QFileInfo::exists(path))
        return path;
    if (path.startsWith(u'/'))
        return resolve(QStringLiteral("/"), path.mid(1));
    return resolve(QString(), path);
}

bool staysInside(const QString &relative)
{
    if (relative.isEmpty() || relative.startsWith(u'/') || relative.startsWith(u'\\')
        || relative.contains(QChar(0)) || relative.size() > MaxPathLength)
        return false;
    for (const QStringView part : QStringView(relative).split(u'/'))
        if (part == u"..")
            return false;
    return true;
}

QStringList filesWithExtension(const QString &dir, const QString &ext)
{
    const QDir d(resolve(dir));
    QStringList names;
    const QStringList entries = d.entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QString &e : entries)
        if (e.endsWith(ext, Qt::CaseInsensitive))
            names.append(e);
    return names;
}

} // namespace PathResolver
