#include "ui/CanvasPicking.h"
#include "platform/NumberText.h"
#include "platform/RuntimeError.h"

namespace CanvasPicking {

namespace {

// Throws RuntimeError when the line is not a number (or past the end).
int numberAt(const QStringList &lines, int line)
{
    return NumberText::parse(lines.value(line));
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

} // namespace

Result pick(const QStringList &lines, const QList<int> &lineList, QPoint documentPoint, PageRenderer &renderer,
            const RenderOptions &options)
{
    Result result;
    const TextConverter::Mode textMode = options.perfectText ? TextConverter::Mode::Perfect
                                                             : TextConverter::Mode::Plain;
    for (qsizetype entry = lineList.size() - 1; entry >= 0; --entry) {
        const int line = lineList[entry];
        const ElementKind kind = Records::kindOfWord(lines.value(line));
        if (kind == ElementKind::None)
            continue;
        try {
            const int x = numberAt(lines, line + 1);
            const int y = numberAt(lines, line + 2);
            if (qint64(x) > documentPoint.x() || qint64(y) > documentPoint.y())
                continue;
            // The point relative to the element's corner; never negative here.
            const QPoint at(int(qint64(documentPoint.x()) - x), int(qint64(documentPoint.y()) - y));
            bool hit = false;
            switch (kind) {
            case ElementKind::Gumppic:
            case ElementKind::Button:
                hit = hitsArt(renderer.elementBitmap(lines, line, options).image(), at, options.transparent);
                break;
            case ElementKind::Text:
                hit = insideExtent(at, renderer.textConverter().width(lines.value(line + 4), textMode),
                                   TextConverter::Height);
                break;
            case ElementKind::Resizepic:
                hit = insideExtent(at, numberAt(lines, line + 4), numberAt(lines, line + 5));
                break;
            case ElementKind::None:
                break;
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
        const int x = numberAt(lines, line + 1);
        const int y = numberAt(lines, line + 2);
        QSize size;
        switch (kind) {
        case ElementKind::Gumppic:
        case ElementKind::Button:
            size = renderer.elementBitmap(lines, line, options).image().size();
            if (size.isEmpty())
                return std::nullopt;
            break;
        case ElementKind::Text: {
            const TextConverter::Mode mode = options.perfectText ? TextConverter::Mode::Perfect
                                                                 : TextConverter::Mode::Plain;
            size = QSize(renderer.textConverter().width(lines.value(line + 4), mode), TextConverter::Height);
            break;
        }
        case ElementKind::Resizepic:
            size = QSize(numberAt(lines, line + 4), numberAt(lines, line + 5));
            break;
        case ElementKind::None:
            return std::nullopt;
        }
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
