#include "editor/HelpPage.h"
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

QString HelpPage::notShownText(const QString &page)
{
    if (page.isEmpty())
        return QStringLiteral("The help page %1 is not installed: it is neither in share/quillmark/help/ beside the "
                              "program nor in its source folder").arg(FileName);
    return QStringLiteral("No web browser could be started to show the help page. Open %1 in a browser")
        .arg(QDir::toNativeSeparators(page));
}
