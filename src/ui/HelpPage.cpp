#include "ui/HelpPage.h"
#include "platform/ShareFolder.h"

#include <QDir>
#include <QFileInfo>

QString HelpPage::find(const QString &executableFolder, const QString &sourceFolder)
{
    const QString installed = ShareFolder::find(executableFolder, QStringLiteral("help/") + FileName);
    if (!installed.isEmpty() && QFileInfo(installed).isFile())
        return installed;
    if (sourceFolder.isEmpty())
        return QString();
    const QFileInfo inSource(QDir(sourceFolder).filePath(QStringLiteral("help/") + FileName));
    return inSource.isFile() ? inSource.canonicalFilePath() : QString();
}
