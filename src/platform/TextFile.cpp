#include "platform/TextFile.h"
#include "platform/CappedFile.h"

namespace TextFile {

QStringList splitLines(const QByteArray &bytes)
{
    QStringList lines;
    const qsizetype n = bytes.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.append(QString::fromLatin1(bytes.constData() + start, i - start));
        if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(QString::fromLatin1(bytes.constData() + start, n - start));
    return lines;
}

QStringList readLines(const QString &path)
{
    return splitLines(CappedFile::readOrThrow(path));
}

} // namespace TextFile
