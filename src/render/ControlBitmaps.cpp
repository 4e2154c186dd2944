#include "render/ControlBitmaps.h"
#include "assets/ArtStore.h"
#include "assets/client/GumpPixels.h"
#include "document/ButtonGumps.h"
#include "assets/client/HueShading.h"
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

// Where the client puts the parts of an HTML gump. Its scroll bar keeps the
// 16 pixels at the right of the box (its pieces are 15 wide with a pixel
// between bar and text), whether or not the art is here to be drawn, so the
// text wraps where the player sees it wrap; art wider than that widens the
// room rather than overlap the text. The background fills the box left of the
// bar, and on it the text stands 4 pixels in from the left and top edges and
// wraps 4 pixels short of the right one, clear of the frame's border.
constexpr int ScrollbarRoom = 16;
constexpr int BackgroundInset = 4;

// The room the scroll bar keeps at the right of the box.
int scrollbarRoom(const ArtStore &art)
{
    int width = ScrollbarRoom;
    for (const QString &piece : {ScrollUp, ScrollTrack, ScrollThumb, ScrollDown})
        width = std::max(width, art.gumppic(piece).width());
    return width;
}

// The pieces that are there, at the right edge of the box.
void drawScrollbar(QPainter &painter, const ArtStore &art, QSize box)
{
    const QImage up = art.gumppic(ScrollUp), down = art.gumppic(ScrollDown);
    const QImage track = art.gumppic(ScrollTrack), thumb = art.gumppic(ScrollThumb);
    const auto leftOf = [&](const QImage &piece) { return box.width() - piece.width(); };
    const int top = up.height(), bottom = box.height() - down.height();
    if (!track.isNull() && bottom > top)
        drawKeyed(painter, leftOf(track), top, ControlDrawing::tiled(track, QSize(track.width(), bottom - top)));
    drawKeyed(painter, leftOf(up), 0, up);
    drawKeyed(painter, leftOf(down), bottom, down);
    drawKeyed(painter, leftOf(thumb), top, thumb);
}

ElementBitmap htmlBox(const ElementRecord &r, const QString &text, ColorValue colour, const ControlContext &c)
{
    const QSize box = ControlDrawing::clampedBox(r.width, r.height);
    if (box.isEmpty())
        return ElementBitmap();
    const int room = r.scrollbar ? std::min(scrollbarRoom(c.art), box.width()) : 0;
    const int backgroundWidth = box.width() - room;
    const QImage background = r.background && backgroundWidth > 0
                                  ? c.art.resizepic(HtmlBackground, backgroundWidth, box.height())
                                  : QImage();
    const bool onArt = !background.isNull();
    QImage out(box, QImage::Format_RGB32);
    out.fill(onArt ? TransparentColor::Art : TransparentColor::Text);
    if (onArt || room > 0) {
        QPainter painter(&out);
        if (onArt)
            painter.drawImage(0, 0, background);
        if (room > 0)
            drawScrollbar(painter, c.art, box);
    }
    // The inset follows the background flag, as in the client, drawn or not.
    const int inset = r.background ? BackgroundInset : 0;
    const int textWidth = std::max(1, box.width() - room - 2 * inset);
    auto lines = HtmlLayout::layout(text, textWidth, c.converter, c.mode, colour);
    // On art black is see-through: black ink is drawn in the darkest colour that is not.
    if (onArt)
        for (HtmlLayout::Line &line : lines)
            for (HtmlLayout::Piece &piece : line.pieces)
                if (piece.colour == 0)
                    piece.colour = NearBlackInk;
    HtmlLayout::drawOnto(out, QPoint(inset, inset), textWidth, lines, c.converter, c.mode);
    return ElementBitmap(out, onArt ? TransparentColor::Art : TransparentColor::Text);
}

QImage lineOfText(const ElementRecord &r, const ControlContext &c)
{
    return c.converter.render(r.text, c.colors.colorOf(r.hue), c.mode);
}

QImage stateGump(const ElementRecord &r, const ControlContext &c)
{
    if (const auto gumps = gumpPair(c.art, r.fileName)) {
        const int gump = r.checked ? gumps->second : gumps->first;
        const QImage state = c.art.gumppic(ButtonGumps::pictureOf(gump));
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

std::optional<std::pair<int, int>> gumpPair(const ArtStore &art, const QString &fileName)
{
    if (const auto kept = ButtonGumps::pairOf(fileName))
        return kept;
    return art.buttonGumps(fileName);
}

QImage buttonArt(const ArtStore &art, const QString &fileName)
{
    if (const auto kept = ButtonGumps::pairOf(fileName))
        return art.gumppic(ButtonGumps::pictureOf(kept->first));
    return art.button(fileName);
}

bool handles(ElementKind kind)
{
    return kind != ElementKind::None && !Records::isClassicKind(kind);
}

bool isTextKind(ElementKind kind)
{
    return Records::shownWith(kind) == Records::ShownWith::Text;
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
