#include "platform/FileNameText.h"

#include <algorithm>

namespace FileNameText {

namespace {

qsizetype lastSlash(const QString &fileName)
{
    return std::max(fileName.lastIndexOf(u'/'), fileName.lastIndexOf(u'\\'));
}

} // namespace

QString withoutDirectory(const QString &fileName)
{
    return fileName.mid(lastSlash(fileName) + 1);
}

QString artName(const QString &fileName)
{
    QString name = withoutDirectory(fileName);
    name.chop(4);
    return name;
}

QString withoutExtension(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot > lastSlash(fileName) ? fileName.left(dot) : fileName;
}

QString withExtension(const QString &fileName, const QString &extension)
{
    return withoutExtension(fileName) + extension;
}

} // namespace FileNameText
