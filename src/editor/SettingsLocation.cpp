#include "editor/SettingsLocation.h"
#include "editor/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// The folder takes new files. A file already there that cannot be
// replaced counts as an unwritable folder too.
bool canWriteBeside(const QString &file)
{
    const QFileInfo info(file);
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir() || !folder.isWritable())
        return false;
    return !info.exists() || info.isWritable();
}

} // namespace

SettingsLocation SettingsLocation::choose(const QString &executablePath, const QString &configFolder)
{
    const QString beside = Settings::filePathFor(executablePath);
    if (canWriteBeside(beside) || configFolder.isEmpty())
        return {beside, false};
    QDir().mkpath(configFolder);
    return {QDir(configFolder).filePath(QFileInfo(beside).fileName()), true};
}

SettingsLocation SettingsLocation::forThisProgram()
{
    return choose(QCoreApplication::applicationFilePath(),
                  QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}
