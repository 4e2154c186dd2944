#include "editor/CanvasPicking.h"
#include "document/BranchChoice.h"
#include "document/LocalMove.h"
#include "document/ElementRecord.h"
#include "platform/NumberText.h"
#include "platform/RuntimeError.h"

namespace CanvasPicking {

namespace {

// Throws RuntimeError when the line is not a number (or past the end).
int numberAt(const QStringList &lines, int line)
{
    return NumberText::parse(lines.value(line));
}

// An element's corner: its numbers, or where it is drawn when a place is
// from the origin or computed. Throws like numberAt for a record without one.
std::pair<int, int> placeAt(const QStringList &lines, int line)
{
    const std::optional<int> x = NumberText::tryParse(lines.value(line + 1));
    const std::optional<int> y = NumberText::tryParse(lines.value(line + 2));
    if (x && y && *x >= 0 && *y >= 0)
        return {*x, *y};
    if (const std::optional<QPoint> drawn = LocalMove::placeOf(lines, line))
        return {drawn->x(), drawn->y()};
    return {numberAt(lines, line + 1), numberAt(lines, line + 2)};
}

bool isBlack(const QImage &image, int x, int y)
{
    // One column right of or one row below the art is still the element's,
    // and there is no pixel to see through.
    if (x >= image.width() || y >= image.height())
        return false;
    return (image.pixel(x, y) & 0x00FFFFFFu) == 0;
}

bool hitsArt(const QImage &art, QPoint at, bool transparent)
{
    if (art.isNull())
        return false;
    if (at.x() > art.width() || at.y() > art.height())
        return false;
    return !(transparent && isBlack(art, at.x(), at.y()));
}

// Inside a box reaching width and height from the element's corner, ends included.
bool insideExtent(QPoint at, qint64 width, qint64 height)
{
    return width >= at.x() && height >= at.y();
}

// Until its art can be drawn, an item picture or a check box is picked
// within a box of this size at its corner, so it can still be selected.
constexpr int PlaceholderSide = 44;

// The art of the kinds drawn from one picture: empty when it is missing.
bool drawnFromArt(ElementKind kind)
{
    return kind == ElementKind::Gumppic || kind == ElementKind::Button || kind == ElementKind::Checkbox
           || kind == ElementKind::Radio || kind == ElementKind::Gumppichue || kind == ElementKind::Tilepic;
}

// The art kinds the four could not hold: without art they keep a placeholder box.
bool hasPlaceholder(ElementKind kind)
{
    return drawnFromArt(kind) && !Records::isClassicKind(kind);
}

// The size of a kind measured by its fields or its text (not by art).
QSize fieldExtent(const QStringList &lines, int line, ElementKind kind, PageRenderer &renderer,
                  const RenderOptions &options)
{
    if (kind == ElementKind::Text) {
        const TextConverter::Mode mode = options.perfectText ? TextConverter::Mode::Perfect
                                                             : TextConverter::Mode::Plain;
        const QString text = lines.value(line + Records::textFieldOf(ElementKind::Text));
        return QSize(renderer.textConverter().width(text, mode), TextConverter::Height);
    }
    if (const int w = ElementRecord::widthField(kind); w > 0)
        return QSize(numberAt(lines, line + w), numberAt(lines, line + w + 1));
    return QSize(PlaceholderSide, PlaceholderSide);
}

} // namespace

Result pick(const QStringList &lines, const QList<int> &lineList, QPoint documentPoint, PageRenderer &renderer,
            const RenderOptions &options)
{
    Result result;
    std::optional<LogicView> logic;
    for (qsizetype entry = lineList.size() - 1; entry >= 0; --entry) {
        const int line = lineList[entry];
        const ElementKind kind = Records::kindOfWord(lines.value(line));
        if (kind == ElementKind::None || Records::isScript(kind))
            continue;
        try {
            const auto [x, y] = placeAt(lines, line);
            if (!logic)
                logic.emplace(lines, options.branches);
            if (logic->hidden(line))
                continue;
            if (qint64(x) > documentPoint.x() || qint64(y) > documentPoint.y())
                continue;
            // The point relative to the element's corner; never negative here.
            const QPoint at(int(qint64(documentPoint.x()) - x), int(qint64(documentPoint.y()) - y));
            bool hit = false;
            const ElementBitmap bitmap = drawnFromArt(kind) ? renderer.elementBitmap(lines, line, options) : ElementBitmap();
            const QImage &art = bitmap.image();
            // An item picture (or its placeholder frame) is small, and the frame of missing art is
            // see-through inside: the whole box picks them.
            if (!art.isNull())
                hit = kind == ElementKind::Tilepic || bitmap.isPlaceholder() ? insideExtent(at, art.width(), art.height())
                                                                            : hitsArt(art, at, options.transparent);
            else if (!drawnFromArt(kind) || hasPlaceholder(kind)) {
                const QSize extent = fieldExtent(lines, line, kind, renderer, options);
                hit = insideExtent(at, extent.width(), extent.height());
            }
            if (hit) {
                result.hit = Hit{int(entry), line, x, y};
                return result;
            }
        } catch (const RuntimeError &e) {
            // Skipped, not fatal: a press or a move must not end in an error box.
            result.problems << QStringLiteral("%1 at line %2 cannot be picked: %3")
                                   .arg(Records::wordOf(kind))
                                   .arg(line + 1)
                                   .arg(e.message());
        }
    }
    return result;
}

std::optional<QRect> boxOf(const QStringList &lines, int line, PageRenderer &renderer, const RenderOptions &options)
{
    const ElementKind kind = Records::kindOfWord(lines.value(line));
    try {
        if (kind == ElementKind::None || Records::isScript(kind))
            return std::nullopt;
        const auto [x, y] = placeAt(lines, line);
        if (kind == ElementKind::None)
            return std::nullopt;
        QSize size;
        if (drawnFromArt(kind)) {
            size = renderer.elementBitmap(lines, line, options).image().size();
            if (size.isEmpty() && !hasPlaceholder(kind))
                return std::nullopt;
        }
        if (size.isEmpty())
            size = fieldExtent(lines, line, kind, renderer, options);
        return QRect(QPoint(x, y), size);
    } catch (const RuntimeError &) {
        return std::nullopt;
    }
}

namespace {

// An empty box (a zero-sized background) still has its corner.
bool touches(const QRect &area, const QRect &box)
{
    return box.isEmpty() ? area.contains(box.topLeft()) : area.intersects(box);
}

} // namespace

QList<int> linesTouching(const QStringList &lines, const QList<int> &lineList, const QRect &band,
                         PageRenderer &renderer, const RenderOptions &options)
{
    QList<int> touched;
    const QRect area = band.normalized();
    for (int line : lineList) {
        const std::optional<QRect> box = boxOf(lines, line, renderer, options);
        if (box && touches(area, *box))
            touched << line;
    }
    return touched;
}

QList<int> linesTouching(const QList<int> &lineList, const QList<QRect> &boxes, const QRect &band)
{
    QList<int> touched;
    const QRect area = band.normalized();
    for (qsizetype i = 0; i < lineList.size() && i < boxes.size(); ++i)
        if (!boxes[i].isNull() && touches(area, boxes[i]))
            touched << lineList[i];
    return touched;
}

} // namespace CanvasPicking
