#pragma once

#include <QImage>
#include <QList>
#include <QString>

// Plain pictures of the art library, named by their gump number in
// hexadecimal: gems, dividers, a scroll, item icons, a portrait frame…
namespace Pictures {

struct Picture
{
    int gump = 0;
    QString title;
    QImage image; // opaque; black is see-through
};

QList<Picture> makeAll();

// "1F4.bmp": upper-case hexadecimal digits without leading zeros.
QString fileName(int gump);

} // namespace Pictures
