#include "ui/HelpPage.h"

#include <QDir>
#include <QFileInfo>

QString HelpPage::find(const QString &executableFolder, const QString &sourceFolder)
{
    const QStringList candidates{
        QDir(executableFolder).filePath(QStringLiteral("../share/quillmark/help/") + FileName),
        sourceFolder.isEmpty() ? QString() : QDir(sourceFolder).filePath(QStringLiteral("help/") + FileName),
    };
    for (const QString &path : candidates)
        if (!path.isEmpty() && QFileInfo(path).isFile())
            return QFileInfo(path).canonicalFilePath();
    return QString();
}
