#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

// Finds the library button whose decoder file names the gumps of a script's
// button. The bitmaps of DATA/buttons/ are walked in list order and their
// decoders read only as far as a lookup needs, so a library that is never
// asked costs nothing. A decoder naming both the up and the down gump wins;
// otherwise the first in list order that names the up gump.
class ButtonArtMatcher
{
public:
    explicit ButtonArtMatcher(QString appDir) : m_appDir(std::move(appDir)) {}

    // The art file ("name.BMP") or "Blue dot.bmp" when no decoder names up.
    // Throws RuntimeError when a decoder file is missing or its first line is
    // no hexadecimal number.
    QString artFor(int up, std::optional<int> down = std::nullopt);

    // The art whose decoder names both gumps; nullopt when none does.
    std::optional<QString> pairArt(int up, int down);

    static inline const QString NoMatch = QStringLiteral("Blue dot.bmp");

private:
    // Reads the next decoder; false when all are read.
    bool readNext();

    QString m_appDir;
    bool m_listed = false;
    QString m_folder;
    QStringList m_bitmaps;
    int m_read = 0;                 // bitmaps whose decoder was read
    QHash<int, QString> m_firstByUp;
    QHash<std::pair<int, int>, QString> m_firstByPair;
};
