#include "render/TextIndex.h"
#include "assets/HueLibrary.h"

void TextIndex::rebuild(const QString &appDir)
{
    m_firstEntry = HueLibrary(appDir).firstEntries();
}

int TextIndex::entryOf(const QString &hue) const
{
    return m_firstEntry.value(hue.toCaseFolded(), 0);
}

HueColors::HueColors(const TextIndex &index, const QString &appDir)
    : m_index(index), m_appDir(appDir)
{
}

ColorValue HueColors::colorOf(const QString &hue) const
{
    const int entry = m_index.entryOf(hue);
    if (entry == 0)
        return 0x000000;
    if (!m_colorTexts)
        m_colorTexts = HueLibrary(m_appDir).colorTexts();
    return ColorText::fromText(m_colorTexts->value(QString::number(entry), QStringLiteral("clBlack")));
}
