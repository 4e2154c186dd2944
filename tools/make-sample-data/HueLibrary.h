#pragma once

#include "platform/ColorText.h"

#include <QList>
#include <QString>

// The sample hue library: display names and colours for Sphere hue numbers.
namespace HueLibrary {

struct Hue
{
    QString name;
    ColorValue color; // 0x00BBGGRR
    int sphere;
};

QList<Hue> hues();

// Writes "ColorLibary.INI" in dir: NORMALS/TOTAL, then sections 1 … TOTAL
// with NAME, COLOR and SPHERE.
void write(const QString &dir);

} // namespace HueLibrary
