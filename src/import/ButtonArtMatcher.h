#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// Finds the library button whose decoder file names a given up gump. The
// bitmaps of DATA/buttons/ are walked in list order and their decoders read
// only as far as a lookup needs, so the first match in list order wins and a
// library that is never asked costs nothing.
class ButtonArtMatcher
{
public:
    explicit ButtonArtMatcher(QString appDir) : m_appDir(std::move(appDir)) {}

    // The art file ("name.BMP") or "Blue dot.bmp" when no decoder names up.
    // Throws RuntimeError when a decoder file is missing or its first line is
    // no hexadecimal number.
    QString artFor(int up);

    static inline const QString NoMatch = QStringLiteral("Blue dot.bmp");

private:
    QString m_appDir;
    bool m_listed = false;
    QString m_folder;
    QStringList m_bitmaps;
    int m_read = 0;                 // bitmaps whose decoder was read
    QHash<int, QString> m_firstByUp;
};
