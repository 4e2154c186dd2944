#include "HueLibrary.h"

#include "platform/IniFile.h"

#include <QDir>

namespace HueLibrary {

QList<Hue> hues()
{
    // Text is drawn with white as its see-through colour, so "white" hues are
    // a shade off white to keep their letters filled.
    return {
        {QStringLiteral("Snow White"), 0xF4F4F4, 1152},
        {QStringLiteral("Sky Blue"), 0xF0C060, 95},
        {QStringLiteral("Moss Green"), 0x40A848, 995},
        {QStringLiteral("Amber"), 0x20A0F0, 455},
        {QStringLiteral("Charcoal"), 0x404040, 0},
        {QStringLiteral("Deep Red"), 0x2020C0, 1101},
        {QStringLiteral("Pale Gold"), 0x80E0F0, 1153},
        {QStringLiteral("Lavender"), 0xF0A0C8, 1250},
        {QStringLiteral("Teal"), 0x808000, 1345},
        {QStringLiteral("Sea Green"), 0xA0C040, 1350},
        {QStringLiteral("Bright Red"), 0x0000FF, 33},
        {QStringLiteral("Sunset Orange"), 0x0080FF, 1161},
        {QStringLiteral("Parchment Brown"), 0x305078, 1109},
        {QStringLiteral("Silver"), 0xC0C0C0, 1000},
    };
}

void write(const QString &dir)
{
    const QList<Hue> list = hues();
    IniFile ini(QDir(dir).filePath(QStringLiteral("ColorLibary.INI")));
    ini.writeInteger(QStringLiteral("NORMALS"), QStringLiteral("TOTAL"), int(list.size()));
    for (int i = 0; i < list.size(); ++i) {
        const QString section = QString::number(i + 1);
        ini.writeString(section, QStringLiteral("NAME"), list[i].name);
        ini.writeString(section, QStringLiteral("COLOR"), ColorText::toText(list[i].color));
        ini.writeInteger(section, QStringLiteral("SPHERE"), list[i].sphere);
    }
}

} // namespace HueLibrary
