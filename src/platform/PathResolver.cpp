#include "platform/PathResolver.h"

#include <QDir>
#include <QFileInfo>

namespace PathResolver {

namespace {

// The entry of dir whose name equals name ignoring case, or name itself.
QString matchEntry(const QString &dir, const QString &name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return name;
    const QString exact = dir.isEmpty() ? name : dir + u'/' + name;
    if (QFileInfo::exists(exact))
        return name;
    const QDir d(dir.isEmpty() ? QStringLiteral(".") : dir);
    const QStringList entries = d.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &e : entries)
        if (e.compare(name, Qt::CaseInsensitive) == 0)
            return e;
    return name;
}

} // namespace

QString resolve(const QString &base, const QString &relative)
{
    QString dir = base;
    while (dir.size() > 1 && dir.endsWith(u'/'))
        dir.chop(1);
    const QStringList parts = relative.split(u'/');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &part = parts[i];
        if (part.isEmpty())
            continue;
        const QString found = matchEntry(dir, part);
        if (dir.isEmpty())
            dir = found;
        else if (dir == u"/")
            dir = u'/' + found;
        else
            dir = dir + u'/' + found;
    }
    if (relative.endsWith(u'/') && !dir.endsWith(u'/'))
        dir += u'/';
    return dir;
}

QString resolve(const QString &path)
{
    if (QFileInfo::exists(path))
        return path;
    if (path.startsWith(u'/'))
        return resolve(QStringLiteral("/"), path.mid(1));
    return resolve(QString(), path);
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
