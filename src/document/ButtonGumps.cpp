#include "document/ButtonGumps.h"

#include <QStringList>

namespace ButtonGumps {

QString artName(int up, int down)
{
    return QStringLiteral("gump %1 %2.bmp").arg(up).arg(down);
}

std::optional<std::pair<int, int>> pairOf(const QString &fileName)
{
    if (!fileName.startsWith(u"gump ") || !fileName.endsWith(u".bmp", Qt::CaseInsensitive))
        return std::nullopt;
    const QStringList words = fileName.mid(5, fileName.size() - 9).split(u' ');
    if (words.size() != 2)
        return std::nullopt;
    bool upOk = false, downOk = false;
    const int up = words[0].toInt(&upOk, 10);
    const int down = words[1].toInt(&downOk, 10);
    if (!upOk || !downOk || up < 0 || down < 0 || artName(up, down) != fileName)
        return std::nullopt;
    return std::pair{up, down};
}

QString pictureOf(int gump)
{
    return QString::number(gump, 16).toUpper() + QStringLiteral(".bmp");
}

} // namespace ButtonGumps
