#pragma once

#include <QImage>
#include <QList>
#include <QString>

// Scalable backgrounds of nine pieces: four corners, four edges that tile
// along their length and a centre that tiles both ways.
namespace Backgrounds {

struct Background
{
    int gump = 0;       // decimal gump number, the file name
    QString title;
    QImage preview;     // the whole frame at its natural size
    QList<QImage> pieces; // P0 … P8: corners, edges and centre
};

// The pieces are cut from one square picture of corner + tile + corner
// pixels whose texture repeats every tile, so that the edge and centre tiles
// join each other and the corners without a seam.
QList<Background> makeAll();

// Writes NAME.bmp and "0NAME.bm" … "8NAME.bm" into dir.
void write(const Background &background, const QString &dir);

} // namespace Backgrounds
