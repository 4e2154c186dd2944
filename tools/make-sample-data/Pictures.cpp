#include "Pictures.h"

#include "ArtImage.h"
#include "Painting.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>
#include <tuple>

namespace Pictures {

namespace {

using ArtImage::mix;
using ArtImage::shade;

const QColor Ruby(200, 28, 40);
const QColor Sapphire(36, 72, 210);
const QColor Emerald(30, 160, 70);
const QColor Amethyst(140, 60, 190);
const QColor Topaz(236, 168, 40);

QPolygonF regular(const QPointF &centre, double rx, double ry, int corners, double turn)
{
    QPolygonF poly;
    for (int i = 0; i < corners; ++i) {
        const double a = turn + 2 * M_PI * i / corners;
        poly << centre + QPointF(rx * std::cos(a), ry * std::sin(a));
    }
    return poly;
}

QImage roundGem(const QColor &color)
{
    return ArtImage::painted(24, 24, [&](QPainter &p) { Painting::roundGem(p, QRectF(1, 1, 22, 22), color); });
}

QImage facetedGem(const QPolygonF &outline, const QColor &color)
{
    return ArtImage::painted(24, 24, [&](QPainter &p) { Painting::facetedGem(p, outline, color); });
}

// A gold bar thinning to points at both ends, with a gem in the middle.
QImage divider(int length, bool horizontal)
{
    const int thick = 14;
    return ArtImage::painted(horizontal ? length : thick, horizontal ? thick : length, [&](QPainter &p) {
        if (!horizontal) {
            p.translate(thick, 0);
            p.rotate(90);
        }
        const double mid = thick / 2.0;
        QPainterPath bar;
        bar.moveTo(1, mid);
        bar.cubicTo(length * 0.2, mid - 6.5, length * 0.8, mid - 6.5, length - 1, mid);
        bar.cubicTo(length * 0.8, mid + 6.5, length * 0.2, mid + 6.5, 1, mid);
        Painting::gold(p, bar);
        const QPointF c(length / 2.0, mid);
        Painting::facetedGem(p, QPolygonF{c + QPointF(0, -5.5), c + QPointF(8, 0), c + QPointF(0, 5.5), c + QPointF(-8, 0)},
                             Ruby);
    });
}

// Two carved grooves, for splitting a stone or parchment panel.
QImage grooveDivider(int length)
{
    QImage image(length, 6, QImage::Format_RGB32);
    image.fill(Qt::black);
    for (int x = 0; x < length; ++x) {
        const double fade = std::min(1.0, std::min(x, length - 1 - x) / 12.0);
        const auto tone = [fade](int v) { return qRgb(1 + int(v * fade), 1 + int(v * fade * 0.95), 1 + int(v * fade * 0.85)); };
        image.setPixel(x, 0, tone(70));
        image.setPixel(x, 1, tone(190));
        image.setPixel(x, 4, tone(70));
        image.setPixel(x, 5, tone(190));
    }
    return image;
}

// A parchment sheet between two wooden rollers.
QImage scroll()
{
    const int w = 120, h = 90;
    return ArtImage::painted(w, h, [&](QPainter &p) {
        QLinearGradient paper(0, 0, w, 0);
        paper.setColorAt(0.0, QColor(206, 182, 130));
        paper.setColorAt(0.15, QColor(238, 222, 180));
        paper.setColorAt(0.85, QColor(236, 218, 172));
        paper.setColorAt(1.0, QColor(200, 174, 122));
        p.setPen(QPen(QColor(120, 90, 50), 1));
        p.setBrush(paper);
        p.drawRect(QRectF(12.5, 8.5, w - 25, h - 17));
        // Lines of faded writing.
        p.setPen(QPen(QColor(140, 110, 80), 1));
        for (int line = 0; line < 6; ++line) {
            const double y = 20 + line * 10;
            const double end = line == 5 ? 60 : 96 - (line * 7 % 13);
            QPainterPath ink;
            ink.moveTo(22, y);
            for (double x = 22; x < end; x += 6)
                ink.quadTo(x + 1.5, y - 2.0 - (int(x) % 3), x + 3, y);
            p.drawPath(ink);
        }
        // Rollers with knobs.
        for (const double y : {2.0, h - 12.0}) {
            QPainterPath rod;
            rod.addRoundedRect(QRectF(6, y, w - 12, 10), 4, 4);
            Painting::metal(p, rod, QColor(130, 80, 40));
            for (const double x : {1.0, w - 9.0}) {
                QPainterPath knob;
                knob.addEllipse(QRectF(x, y - 1, 8, 12));
                Painting::gold(p, knob);
            }
        }
    });
}

QImage icon(const std::function<void(QPainter &)> &item)
{
    return ArtImage::painted(44, 44, [&](QPainter &p) {
        Painting::plate(p, QRectF(0, 0, 44, 44), QColor(96, 84, 70));
        item(p);
    });
}

void sword(QPainter &p)
{
    p.translate(22, 22);
    p.rotate(45);
    QPainterPath blade;
    blade.moveTo(-2.5, 6);
    blade.lineTo(-2.5, -14);
    blade.lineTo(0, -18);
    blade.lineTo(2.5, -14);
    blade.lineTo(2.5, 6);
    blade.closeSubpath();
    Painting::metal(p, blade, QColor(196, 204, 214));
    p.setPen(QPen(QColor(120, 126, 136), 1));
    p.drawLine(QPointF(0, -15), QPointF(0, 5));
    QPainterPath guard;
    guard.addRoundedRect(QRectF(-8, 6, 16, 3.5), 1.5, 1.5);
    Painting::gold(p, guard);
    QPainterPath grip;
    grip.addRect(QRectF(-1.6, 9.5, 3.2, 7));
    Painting::metal(p, grip, QColor(110, 60, 30));
    QPainterPath pommel;
    pommel.addEllipse(QRectF(-2.8, 16, 5.6, 5.6));
    Painting::gold(p, pommel);
}

void shield(QPainter &p)
{
    QPainterPath s;
    s.moveTo(22, 7);
    s.cubicTo(28, 10, 33, 10, 35, 9);
    s.cubicTo(36, 24, 30, 32, 22, 38);
    s.cubicTo(14, 32, 8, 24, 9, 9);
    s.cubicTo(11, 10, 16, 10, 22, 7);
    Painting::metal(p, s, QColor(40, 70, 160), 1.2);
    p.save();
    p.setClipPath(s);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 190, 90));
    p.drawRect(QRectF(20.5, 5, 3, 36));
    p.drawRect(QRectF(5, 17, 34, 3));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(214, 168, 64), 1.4));
    p.drawPath(s);
}

void potion(QPainter &p)
{
    QPainterPath flask;
    flask.moveTo(19, 8);
    flask.lineTo(25, 8);
    flask.lineTo(25, 17);
    flask.cubicTo(34, 20, 35, 36, 22, 37);
    flask.cubicTo(9, 36, 10, 20, 19, 17);
    flask.closeSubpath();
    p.setPen(QPen(QColor(30, 40, 50), 1));
    p.setBrush(QColor(180, 200, 210, 120));
    p.drawPath(flask);
    p.save();
    p.setClipPath(flask);
    QRadialGradient liquid(QPointF(19, 27), 12);
    liquid.setColorAt(0.0, QColor(255, 110, 110));
    liquid.setColorAt(1.0, QColor(150, 10, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(liquid);
    p.drawRect(QRectF(8, 23, 30, 16));
    p.restore();
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
    p.drawLine(QPointF(16, 25), QPointF(15, 30));
    QPainterPath cork;
    cork.addRoundedRect(QRectF(18.5, 5, 7, 5), 1.5, 1.5);
    Painting::metal(p, cork, QColor(150, 100, 60));
}

void book(QPainter &p)
{
    QPainterPath pages;
    pages.addRect(QRectF(12, 10, 22, 27));
    p.setPen(QPen(QColor(90, 80, 60), 1));
    p.setBrush(QColor(236, 226, 196));
    p.drawPath(pages);
    QPainterPath cover;
    cover.addRoundedRect(QRectF(9, 8, 22, 27), 2, 2);
    Painting::metal(p, cover, QColor(120, 30, 30));
    QPainterPath spine;
    spine.addRect(QRectF(9, 8, 4, 27));
    Painting::metal(p, spine, QColor(80, 20, 20), 0.0);
    QPainterPath clasp;
    clasp.addRect(QRectF(16, 16, 10, 10));
    Painting::gold(p, clasp);
    Painting::roundGem(p, QRectF(18, 18, 6, 6), Emerald);
}

void coins(QPainter &p)
{
    const QPointF stacks[] = {{14, 30}, {28, 32}, {21, 24}};
    const int heights[] = {4, 3, 5};
    for (int s = 0; s < 3; ++s) {
        for (int i = 0; i < heights[s]; ++i) {
            QPainterPath coin;
            coin.addEllipse(QRectF(stacks[s].x() - 7, stacks[s].y() - i * 3 - 3, 14, 6));
            Painting::gold(p, coin, 0.8);
        }
    }
}

void key(QPainter &p)
{
    p.translate(22, 22);
    p.rotate(-35);
    QPainterPath bow;
    bow.addEllipse(QRectF(-16, -6, 12, 12));
    QPainterPath hole;
    hole.addEllipse(QRectF(-12.5, -2.5, 5, 5));
    QPainterPath shaft;
    shaft.addRect(QRectF(-5, -1.8, 20, 3.6));
    shaft.addRect(QRectF(9, 1.5, 3, 5));
    shaft.addRect(QRectF(13, 1.5, 2.5, 4));
    Painting::gold(p, shaft.united(bow).subtracted(hole));
}

// An oval gold frame; inside and outside are see-through.
QImage portraitFrame()
{
    const int w = 100, h = 124;
    return ArtImage::painted(w, h, [&](QPainter &p) {
        QPainterPath ring;
        ring.addEllipse(QRectF(2, 2, w - 4, h - 4));
        ring.addEllipse(QRectF(12, 12, w - 24, h - 24));
        ring.setFillRule(Qt::OddEvenFill);
        Painting::gold(p, ring, 1.2);
        p.setPen(QPen(QColor(120, 86, 30), 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(7, 7, w - 14, h - 14));
        for (const auto &[x, y, color] : {std::tuple{w / 2.0, 7.0, Ruby}, std::tuple{w / 2.0, h - 7.0, Ruby},
                                          std::tuple{7.0, h / 2.0, Sapphire}, std::tuple{w - 7.0, h / 2.0, Sapphire}})
            Painting::roundGem(p, QRectF(x - 5, y - 5, 10, 10), color);
    });
}

// A head-and-shoulders silhouette, oval so that it sits in the frame's
// opening when placed 10 pixels inside the frame's corner.
QImage portrait()
{
    const int w = 80, h = 104;
    return ArtImage::painted(w, h, [&](QPainter &p) {
        QPainterPath oval;
        oval.addEllipse(QRectF(0, 0, w, h));
        p.setClipPath(oval);
        QRadialGradient sky(QPointF(w * 0.5, h * 0.35), h * 0.7);
        sky.setColorAt(0.0, QColor(210, 190, 150));
        sky.setColorAt(1.0, QColor(110, 80, 50));
        p.setPen(Qt::NoPen);
        p.setBrush(sky);
        p.drawRect(0, 0, w, h);
        QPainterPath figure;
        figure.addEllipse(QRectF(w / 2.0 - 15, 22, 30, 36));
        QPainterPath shoulders;
        shoulders.moveTo(6, h);
        shoulders.cubicTo(8, 72, 24, 66, w / 2.0, 64);
        shoulders.cubicTo(w - 24, 66, w - 8, 72, w - 6, h);
        shoulders.closeSubpath();
        figure = figure.united(shoulders);
        QLinearGradient shade(0, 20, 0, h);
        shade.setColorAt(0.0, QColor(70, 56, 48));
        shade.setColorAt(1.0, QColor(36, 28, 24));
        p.setBrush(shade);
        p.drawPath(figure);
    });
}

// A gold bracket for the corner of a panel, with a small gem.
QImage cornerOrnament()
{
    return ArtImage::painted(32, 32, [](QPainter &p) {
        QPainterPath bracket;
        bracket.moveTo(1, 31);
        bracket.lineTo(1, 6);
        bracket.quadTo(1, 1, 6, 1);
        bracket.lineTo(31, 1);
        bracket.lineTo(31, 6);
        bracket.lineTo(10, 6);
        bracket.quadTo(6, 6, 6, 10);
        bracket.lineTo(6, 31);
        bracket.closeSubpath();
        Painting::gold(p, bracket);
        QPainterPath curl;
        curl.moveTo(8, 22);
        curl.cubicTo(8, 12, 12, 8, 22, 8);
        curl.cubicTo(14, 11, 11, 14, 8, 22);
        Painting::gold(p, curl, 0.8);
        Painting::roundGem(p, QRectF(10, 10, 9, 9), Emerald);
    });
}

// A red cloth ribbon for titles, its ends folded back and cut.
QImage banner()
{
    const int w = 200, h = 40;
    return ArtImage::painted(w, h, [&](QPainter &p) {
        const QColor cloth(168, 30, 36);
        for (const int side : {0, 1}) {
            QPainterPath tail;
            const double x0 = side ? w - 1.0 : 1.0, dir = side ? -1.0 : 1.0;
            tail.moveTo(x0, 12);
            tail.lineTo(x0 + dir * 30, 12);
            tail.lineTo(x0 + dir * 30, 38);
            tail.lineTo(x0, 38);
            tail.lineTo(x0 + dir * 9, 25);
            tail.closeSubpath();
            Painting::metal(p, tail, shade(cloth, 0.7));
        }
        QPainterPath band;
        band.moveTo(20, 4);
        band.quadTo(w / 2.0, 0, w - 20, 4);
        band.lineTo(w - 20, 31);
        band.quadTo(w / 2.0, 27, 20, 31);
        band.closeSubpath();
        Painting::metal(p, band, cloth);
        p.setPen(QPen(QColor(230, 190, 90), 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        QPainterPath stitch;
        stitch.moveTo(24, 7);
        stitch.quadTo(w / 2.0, 3, w - 24, 7);
        stitch.moveTo(24, 28);
        stitch.quadTo(w / 2.0, 24, w - 24, 28);
        p.drawPath(stitch);
    });
}

QImage checkBox(bool checked)
{
    return ArtImage::painted(20, 20, [checked](QPainter &p) {
        Painting::plate(p, QRectF(0, 0, 20, 20), QColor(150, 130, 100));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 50, 40));
        p.drawRect(QRectF(4, 4, 12, 12));
        if (checked) {
            QPainterPath tick;
            tick.moveTo(4, 10);
            tick.lineTo(8, 15);
            tick.lineTo(17, 3);
            tick.lineTo(15, 2);
            tick.lineTo(8, 11);
            tick.lineTo(6, 8.5);
            tick.closeSubpath();
            Painting::metal(p, tick, QColor(80, 200, 90), 0.8);
        }
    });
}

} // namespace

QString fileName(int gump)
{
    return QString::number(gump, 16).toUpper() + QStringLiteral(".bmp");
}

QList<Picture> makeAll()
{
    const QPointF c(12, 12);
    return {
        {0x1F4, QStringLiteral("scroll"), scroll()},
        {0xA00, QStringLiteral("ruby"), roundGem(Ruby)},
        {0xA01, QStringLiteral("sapphire"), roundGem(Sapphire)},
        {0xA02, QStringLiteral("emerald"), facetedGem(regular(c, 10.5, 10.5, 8, M_PI / 8), Emerald)},
        {0xA03, QStringLiteral("amethyst"), facetedGem(regular(c, 8.5, 11, 4, -M_PI / 2), Amethyst)},
        {0xA04, QStringLiteral("topaz"), facetedGem(regular(c, 10.5, 10.5, 6, 0), Topaz)},
        {0xA10, QStringLiteral("gold divider"), divider(240, true)},
        {0xA11, QStringLiteral("upright gold divider"), divider(160, false)},
        {0xA12, QStringLiteral("grooves"), grooveDivider(200)},
        {0xB00, QStringLiteral("sword icon"), icon(sword)},
        {0xB01, QStringLiteral("shield icon"), icon(shield)},
        {0xB02, QStringLiteral("potion icon"), icon(potion)},
        {0xB03, QStringLiteral("book icon"), icon(book)},
        {0xB04, QStringLiteral("coins icon"), icon(coins)},
        {0xB05, QStringLiteral("key icon"), icon(key)},
        {0xC00, QStringLiteral("portrait frame"), portraitFrame()},
        {0xC01, QStringLiteral("portrait"), portrait()},
        {0xD00, QStringLiteral("corner ornament"), cornerOrnament()},
        {0xE00, QStringLiteral("title banner"), banner()},
        {0xF00, QStringLiteral("check box"), checkBox(false)},
        {0xF01, QStringLiteral("ticked check box"), checkBox(true)},
    };
}

} // namespace Pictures
