#include "render/TextIndex.h"
#include "assets/HueLibrary.h"

void TextIndex::rebuild(const QString &appDir)
{
    m_lines = HueLibrary(appDir).indexLines();
    m_firstLine.clear();
    // Walked backwards so that the first of equal lines is the one kept.
    for (int i = int(m_lines.size()) - 1; i >= 0; --i)
        m_firstLine.insert(m_lines[i].toCaseFolded(), i);
}

int TextIndex::entryOf(const QString &hue) const
{
    const auto it = m_firstLine.constFind(hue.toCaseFolded());
    return it == m_firstLine.cend() ? 0 : *it + 1;
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
