#include "platform/ShareFolder.h"

#include <QDir>
#include <QFileInfo>

QStringList ShareFolder::candidates(const QString &executableFolder)
{
    const QDir bin(executableFolder);
    return {QDir::cleanPath(bin.filePath(QStringLiteral("../share/quillmark"))),
            QDir::cleanPath(bin.filePath(QStringLiteral("share/quillmark")))};
}

QString ShareFolder::find(const QString &executableFolder, const QString &relative)
{
    for (const QString &folder : candidates(executableFolder)) {
        const QFileInfo info(QDir(folder).filePath(relative));
        if (info.exists())
            return info.canonicalFilePath();
    }
    return QString();
}
