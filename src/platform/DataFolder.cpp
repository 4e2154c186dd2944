#include "platform/DataFolder.h"
#include "platform/ArtFolders.h"
#include "platform/CappedFile.h"
#include "platform/PathResolver.h"
#include "platform/RuntimeError.h"
#include "platform/SafeFile.h"
#include "platform/ShareFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString &LibraryFolder = ArtFolders::Library;
// Where the copy is put together before its parts take their places.
const QString StagingFolder = QStringLiteral(".sample-copy");

QString withSlash(QString folder)
{
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

void makeFolder(const QString &folder)
{
    if (!QDir().mkpath(folder))
        throw RuntimeError::cannotCreate(folder);
}

// Every regular file below from, at the same place below to. Links are not
// followed: the sample library is plain files.
void copyTree(const QString &from, const QString &to)
{
    const QDir source(from);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        const QString target = QDir(to).filePath(source.relativeFilePath(entry.filePath()));
        if (entry.isDir())
            makeFolder(target);
        else if (entry.isFile())
            SafeFile::write(target, CappedFile::readOrThrow(entry.filePath()));
    }
}

// The staged entries move into the data folder, DATA last, so the library
// only counts as there once everything else is. What the user already has
// there is kept.
void moveIntoPlace(const QString &staging, const QString &folder)
{
    QStringList names = QDir(staging).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    names.removeAll(LibraryFolder);
    names.append(LibraryFolder);
    for (const QString &name : names) {
        const QString target = QDir(folder).filePath(name);
        if (QFileInfo::exists(target) && name != LibraryFolder)
            continue;
        if (!QDir().rename(QDir(staging).filePath(name), target))
            throw RuntimeError::cannotCreate(target);
    }
}

void copySample(const QString &sampleFolder, const QString &folder)
{
    const QString staging = QDir(folder).filePath(StagingFolder);
    makeFolder(staging);
    copyTree(sampleFolder, staging);
    moveIntoPlace(staging, folder);
    QDir(staging).removeRecursively();
}

} // namespace

bool DataFolder::hasLibrary(const QString &folder)
{
    return !folder.isEmpty() && QFileInfo(PathResolver::resolve(withSlash(folder), LibraryFolder)).isDir();
}

DataFolder::Choice DataFolder::choose(const QString &currentFolder, const QString &userFolder,
                                      const QString &sampleFolder)
{
    if (hasLibrary(currentFolder) || userFolder.isEmpty())
        return {withSlash(currentFolder), false, false};
    makeFolder(userFolder);
    QDir(QDir(userFolder).filePath(StagingFolder)).removeRecursively();   // left by a copy broken off
    Choice choice{withSlash(QDir(userFolder).absolutePath()), true, false};
    if (!hasLibrary(userFolder) && hasLibrary(sampleFolder)) {
        copySample(sampleFolder, userFolder);
        choice.madeFromSample = true;
    }
    return choice;
}

DataFolder::Choice DataFolder::forThisProgram()
{
    return choose(QDir::currentPath(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                  ShareFolder::find(QCoreApplication::applicationDirPath(), QStringLiteral("sample")));
}
