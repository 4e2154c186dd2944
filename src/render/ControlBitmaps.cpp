#include "render/ControlBitmaps.h"
#include "assets/client/GumpPixels.h"
#include "assets/client/HueShading.h"
#include "render/ArtStore.h"
#include "render/ControlDrawing.h"
#include "render/HtmlLayout.h"
#include "render/TextIndex.h"

#include <QPainter>

namespace ControlBitmaps {

namespace {

// A client's 15-bit colour (xmfhtmlgump) as a colour value; 0 is black.
ColorValue fromClientColour(int colour)
{
    if ((colour & 0x7FFF) == 0)
        return 0;
    return ColorText::fromQColor(QColor::fromRgb(GumpPixels::toRgb(quint16(colour & 0x7FFF))));
}

constexpr ColorValue NearBlackInk = 0x080000;   // GumpPixels::NearBlack as a colour value

void drawKeyed(QPainter &painter, int x, int y, const QImage &art)
{
    if (!art.isNull())
        painter.drawImage(x, y, ElementBitmap::keyedOut(art, TransparentColor::Art));
}

// The scroll bar's width: the widest of its pieces that are there.
int scrollbarWidth(const ArtStore &art)
{
    int width = 0;
    for (const QString &piece : {ScrollUp, ScrollTrack, ScrollThumb, ScrollDown})
        width = std::max(width, art.gumppic(piece).width());
    return width;
}

void drawScrollbar(QPainter &painter, const ArtStore &art, QSize box, int width)
{
    const QImage up = art.gumppic(ScrollUp), down = art.gumppic(ScrollDown);
    const QImage track = art.gumppic(ScrollTrack), thumb = art.gumppic(ScrollThumb);
    const int left = box.width() - width;
    const int top = up.height(), bottom = box.height() - down.height();
    if (!track.isNull() && bottom > top)
        drawKeyed(painter, left, top, ControlDrawing::tiled(track, QSize(track.width(), bottom - top)));
    drawKeyed(painter, left, 0, up);
    drawKeyed(painter, left, bottom, down);
    drawKeyed(painter, left, top, thumb);
}

ElementBitmap htmlBox(const ElementRecord &r, const QString &text, ColorValue colour, const ControlContext &c)
{
    const QSize box = ControlDrawing::clampedBox(r.width, r.height);
    if (box.isEmpty())
        return ElementBitmap();
    const int barWidth = r.scrollbar ? scrollbarWidth(c.art) : 0;
    QImage background = r.background ? c.art.resizepic(HtmlBackground, box.width(), box.height()) : QImage();
    const bool onArt = !background.isNull();
    QImage out = onArt ? background.convertToFormat(QImage::Format_RGB32) : QImage(box, QImage::Format_RGB32);
    if (!onArt)
        out.fill(TransparentColor::Text);
    if (barWidth > 0) {
        QPainter painter(&out);
        drawScrollbar(painter, c.art, box, barWidth);
    }
    const int textWidth = std::max(1, box.width() - barWidth);
    auto lines = HtmlLayout::layout(text, textWidth, c.converter, c.mode, colour);
    // On art black is see-through: black ink is drawn in the darkest colour that is not.
    if (onArt)
        for (HtmlLayout::Line &line : lines)
            for (HtmlLayout::Piece &piece : line.pieces)
                if (piece.colour == 0)
                    piece.colour = NearBlackInk;
    HtmlLayout::drawOnto(out, QPoint(0, 0), textWidth, lines, c.converter, c.mode);
    return ElementBitmap(out, onArt ? TransparentColor::Art : TransparentColor::Text);
}

QImage lineOfText(const ElementRecord &r, const ControlContext &c)
{
    return c.converter.render(r.text, c.colors.colorOf(r.hue), c.mode);
}

QImage stateGump(const ElementRecord &r, const ControlContext &c)
{
    if (const auto gumps = c.art.buttonGumps(r.fileName)) {
        const int gump = r.checked ? gumps->second : gumps->first;
        const QImage state = c.art.gumppic(QString::number(gump, 16).toUpper() + QStringLiteral(".bmp"));
        if (!state.isNull())
            return state;
    }
    return c.art.button(r.fileName);
}

QImage itemPicture(const ElementRecord &r, const ControlContext &c)
{
    QImage item = c.client.items ? c.client.items->decode(r.item) : QImage();
    if (item.isNull())
        return ControlDrawing::itemPlaceholder(r.item, c.converter, c.mode);
    return HueShading::hued(item, c.client.hues, r.hueNumber);
}

} // namespace

bool handles(ElementKind kind)
{
    return kind != ElementKind::None && !Records::isClassicKind(kind);
}

bool isTextKind(ElementKind kind)
{
    switch (kind) {
    case ElementKind::Text:
    case ElementKind::Htmlgump:
    case ElementKind::Croppedtext:
    case ElementKind::Textentry:
    case ElementKind::Xmfhtmlgump: return true;
    default: return false;
    }
}

QString clilocText(const GameClient &client, int number)
{
    if (client.cliloc)
        if (const auto text = client.cliloc->text(number))
            return *text;
    return QStringLiteral("cliloc %1").arg(number);
}

ElementBitmap bitmap(const ElementRecord &r, const ControlContext &c)
{
    const QSize box = ControlDrawing::clampedBox(r.width, r.height);
    const auto art = [](const QImage &image) { return ElementBitmap(image, TransparentColor::Art); };
    const auto text = [](const QImage &image) { return ElementBitmap(image, TransparentColor::Text); };
    switch (r.kind) {
    case ElementKind::Htmlgump: return htmlBox(r, r.text, 0, c);
    case ElementKind::Xmfhtmlgump: return htmlBox(r, clilocText(c.client, r.cliloc), fromClientColour(r.colour), c);
    case ElementKind::Croppedtext: return text(ControlDrawing::clippedText(lineOfText(r, c), box));
    case ElementKind::Textentry: return text(ControlDrawing::textEntry(lineOfText(r, c), box));
    case ElementKind::Checkbox:
    case ElementKind::Radio: return art(stateGump(r, c));
    case ElementKind::Gumppictiled: return art(ControlDrawing::tiled(c.art.gumppic(r.fileName), box));
    case ElementKind::Gumppichue: return art(HueShading::hued(c.art.gumppic(r.fileName), c.client.hues, r.hueNumber));
    case ElementKind::Checkertrans: return art(ControlDrawing::checker(box, c.canvasColour));
    case ElementKind::Tilepic: return art(itemPicture(r, c));
    default: break;
    }
    return ElementBitmap();
}

} // namespace ControlBitmaps
