#pragma once

#include "platform/ColorText.h"

#include <QHash>
#include <QString>

#include <optional>

// TEXTINDEX: maps hue numbers to hue library entries. It stands for the list
// whose line k-1 holds the SPHERE text of entry k, and keeps of it what is
// searched for: the first line of each text. Rebuilt only on request
// (start-up, after the picker refreshes, after a hue is added), so edits of
// the library by other means show after the next rebuild.
class TextIndex
{
public:
    // Reads ColorLibary.INI in appDir afresh (TEXTIDXTimer).
    void rebuild(const QString &appDir);

    // The entry a hue number takes its colour from: the first line equal to
    // hue (ignoring case) + 1, or 0 when no line is.
    int entryOf(const QString &hue) const;

private:
    QHash<QString, int> m_firstEntry;   // case-folded SPHERE text -> its first entry
};

// Display colours of hue numbers for one render or preview. The library's
// COLOR keys are read once, at the first lookup, so a render that takes every
// text from the image cache never opens the file.
class HueColors
{
public:
    HueColors(const TextIndex &index, const QString &appDir);

    // COLOR of the hue's entry ("clBlack" when missing), black when no entry
    // carries the hue. Throws RuntimeError "'text' is not a valid integer
    // value" when that COLOR is neither a colour name nor a number.
    ColorValue colorOf(const QString &hue) const;

private:
    const TextIndex &m_index;
    QString m_appDir;
    mutable std::optional<QHash<QString, QString>> m_colorTexts;
};
