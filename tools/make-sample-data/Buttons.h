#pragma once

#include <QImage>
#include <QList>
#include <QString>

// Buttons of the art library: a picture NAME.bmp and a decoder NAME.cs with
// the up and down gump numbers.
namespace Buttons {

struct Button
{
    QString name; // file name without extension
    int upGump = 0;
    int downGump = 0;
    QImage image; // opaque; black is see-through
};

QList<Button> makeAll();

// The decoder text: up and down gump numbers in upper-case hexadecimal
// without prefix, one per line, CR LF after each.
QByteArray decoderText(const Button &button);

// Writes NAME.bmp and NAME.cs into dir.
void write(const Button &button, const QString &dir);

} // namespace Buttons
