#include "Buttons.h"

#include "ArtImage.h"
#include "Painting.h"

#include <QDir>
#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace Buttons {

namespace {

using ArtImage::mix;
using ArtImage::shade;

// A rounded plaque in a gold rim with an engraved caption.
QImage plaque(const QString &caption, const QColor &face)
{
    const int w = 66, h = 26;
    return ArtImage::painted(w, h, [&](QPainter &p) {
        QPainterPath rim;
        rim.addRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 8, 8);
        Painting::gold(p, rim);
        QPainterPath inner;
        inner.addRoundedRect(QRectF(3.5, 3.5, w - 7, h - 7), 5.5, 5.5);
        Painting::metal(p, inner, face, 0.8);

        QFont font(ArtImage::dejaVuFamily(QStringLiteral("Serif-Bold")));
        font.setPixelSize(11);
        font.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
        QPainterPath text;
        text.addText(0, 0, font, caption);
        const QRectF box = text.boundingRect();
        text.translate(w / 2.0 - box.center().x(), h / 2.0 - box.center().y());
        p.setPen(Qt::NoPen);
        p.setBrush(shade(face, 0.3));
        p.drawPath(text.translated(0.8, 0.8));
        p.setBrush(QColor(250, 236, 190));
        p.drawPath(text);
    });
}

// A round bronze button with an arrow pointing right or left.
QImage arrow(bool right)
{
    const int s = 26;
    return ArtImage::painted(s, s, [&](QPainter &p) {
        QPainterPath disc;
        disc.addEllipse(QRectF(0.5, 0.5, s - 1, s - 1));
        Painting::gold(p, disc);
        QPainterPath face;
        face.addEllipse(QRectF(3.5, 3.5, s - 7, s - 7));
        Painting::metal(p, face, QColor(120, 70, 30), 0.8);
        const double d = right ? 1.0 : -1.0;
        const double c = s / 2.0;
        QPainterPath head;
        head.moveTo(c + d * 6.5, c);
        head.lineTo(c - d * 1.5, c - 7);
        head.lineTo(c - d * 1.5, c - 3);
        head.lineTo(c - d * 6.5, c - 3);
        head.lineTo(c - d * 6.5, c + 3);
        head.lineTo(c - d * 1.5, c + 3);
        head.lineTo(c - d * 1.5, c + 7);
        head.closeSubpath();
        Painting::metal(p, head, QColor(236, 220, 160), 0.8);
    });
}

QImage dot(const QColor &color, int size)
{
    return ArtImage::painted(size, size, [&](QPainter &p) { Painting::roundGem(p, QRectF(0, 0, size, size), color); });
}

// A cut gem set in a gold bezel.
QImage gemButton()
{
    const int s = 24;
    return ArtImage::painted(s, s, [&](QPainter &p) {
        QPainterPath bezel;
        bezel.addEllipse(QRectF(0.5, 0.5, s - 1, s - 1));
        Painting::gold(p, bezel);
        const double c = s / 2.0;
        Painting::facetedGem(p, QPolygonF{{c, 3.5}, {c + 8.5, c}, {c, s - 3.5}, {c - 8.5, c}}, QColor(30, 160, 70));
    });
}

} // namespace

QList<Button> makeAll()
{
    return {
        {QStringLiteral("okay"), 0xF7, 0xF8, plaque(QStringLiteral("OKAY"), QColor(40, 110, 56))},
        {QStringLiteral("cancel"), 0xF1, 0xF2, plaque(QStringLiteral("CANCEL"), QColor(140, 32, 32))},
        {QStringLiteral("apply"), 0xEF, 0xF0, plaque(QStringLiteral("APPLY"), QColor(40, 64, 140))},
        {QStringLiteral("arrow right"), 0xFA, 0xFB, arrow(true)},
        {QStringLiteral("arrow left"), 0xFC, 0xFD, arrow(false)},
        {QStringLiteral("Blue dot"), 0x837, 0x838, dot(QColor(40, 90, 220), 16)},
        {QStringLiteral("gem"), 0x4B9, 0x4BA, gemButton()},
    };
}

QByteArray decoderText(const Button &button)
{
    return QByteArray::number(button.upGump, 16).toUpper() + "\r\n"
         + QByteArray::number(button.downGump, 16).toUpper() + "\r\n";
}

void write(const Button &button, const QString &dir)
{
    const QDir d(dir);
    ArtImage::saveBmp(button.image, d.filePath(button.name + QStringLiteral(".bmp")));
    ArtImage::saveBytes(decoderText(button), d.filePath(button.name + QStringLiteral(".cs")));
}

} // namespace Buttons
