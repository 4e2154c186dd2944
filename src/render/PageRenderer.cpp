#include "render/PageRenderer.h"
#include "document/RecordWalker.h"
#include "platform/FileNameText.h"
#include "platform/RuntimeError.h"
#include "render/CacheKey.h"
#include "render/ControlBitmaps.h"
#include "render/ControlDrawing.h"
#include "render/SelectionFrame.h"
#include "render/TextElement.h"

#include <QPainter>

#include <algorithm>
#include <limits>

namespace {

// An element's box. Positions and sizes come from the design and may lie
// anywhere in the int range, where x + width no longer fits: such a box is
// cut at the range's end (an empty one there is no box at all).
QRect boxAt(int x, int y, qint64 width, qint64 height)
{
    constexpr qint64 low = std::numeric_limits<int>::min(), high = std::numeric_limits<int>::max();
    const qint64 right = x + width - 1, bottom = y + height - 1;
    if (right >= low && right <= high && bottom >= low && bottom <= high)
        return QRect(x, y, int(width), int(height));
    if (width <= 0 || height <= 0)
        return QRect();
    return QRect(QPoint(x, y), QPoint(int(std::min(right, high)), int(std::min(bottom, high))));
}

bool isShown(ElementKind kind, const RenderOptions &options)
{
    using Records::ShownWith;
    switch (Records::shownWith(kind)) {
    case ShownWith::Backgrounds: return options.showResizepics;
    case ShownWith::Pictures: return options.showGumppics;
    case ShownWith::Buttons: return options.showButtons;
    case ShownWith::Text: return options.showText;
    case ShownWith::Nothing: break;
    }
    return false;
}

// The current page, and page 0 beneath every other page when asked.
// Lines outside any bracket (page "-1") are never drawn.
bool isVisible(const QString &page, const RenderOptions &options)
{
    if (page == u"-1")
        return false;
    return page == options.page || (page == u"0" && options.alwaysDrawPage0);
}

QSize bufferSize(const QSize &canvas)
{
    return QSize(std::clamp(canvas.width(), 1, PageRenderer::MaxCanvasSide),
                 std::clamp(canvas.height(), 1, PageRenderer::MaxCanvasSide));
}

// Only the kinds with a box know their size before their picture is made.
bool isOffCanvas(const ElementRecord &record, const RenderOptions &options, const QSize &canvas)
{
    if (!ElementRecord::hasBox(record.kind))
        return false;
    const qint64 left = qint64(record.x) - options.scrollX;
    const qint64 top = qint64(record.y) - options.scrollY;
    const int width = std::clamp(record.width, 0, ResizepicComposer::MaxSide);
    const int height = std::clamp(record.height, 0, ResizepicComposer::MaxSide);
    return left >= canvas.width() || top >= canvas.height() || left + width <= 0 || top + height <= 0;
}

// Of a background, the part that lies on the canvas, in the background's own
// coordinates (empty when it is wholly off the canvas).
QRect visiblePart(const ElementRecord &record, const RenderOptions &options, const QSize &canvas)
{
    const int width = std::clamp(record.width, 0, ResizepicComposer::MaxSide);
    const int height = std::clamp(record.height, 0, ResizepicComposer::MaxSide);
    // Far beyond any canvas side, so the rectangle below cannot overflow.
    constexpr qint64 Far = qint64(1) << 24;
    const int left = int(std::clamp<qint64>(qint64(record.x) - options.scrollX, -Far, Far));
    const int top = int(std::clamp<qint64>(qint64(record.y) - options.scrollY, -Far, Far));
    return QRect(0, 0, width, height) & QRect(-left, -top, canvas.width(), canvas.height());
}

// The select list shows the blocks by indentation, two spaces a level.
QString indented(int depth, const QString &entry)
{
    return QString(std::clamp(depth, 0, 40) * 2, u' ') + entry;
}

// Where the canvas says an element sits in the logic: a dashed frame inside a
// block, a corner mark when the server places it.
void markLogic(QPainter &painter, const QRect &box, bool inBlock, bool byServer)
{
    if (box.isEmpty())
        return;
    painter.save();
    painter.setBrush(Qt::NoBrush);
    if (inBlock) {
        painter.setPen(QPen(QColor(40, 90, 220), 1, Qt::DashLine));
        painter.drawRect(box.adjusted(-1, -1, 0, 0));
    }
    if (byServer) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(230, 120, 0));
        const QPoint corner = box.topLeft();
        painter.drawPolygon(QPolygon({corner, corner + QPoint(7, 0), corner + QPoint(0, 7)}));
    }
    painter.restore();
}

QString problemText(const ElementRecord &record, const QString &reason)
{
    return QStringLiteral("%1 at line %2 not drawn: %3")
        .arg(Records::wordOf(record.kind))
        .arg(record.line + 1)
        .arg(reason);
}

} // namespace

PageRenderer::PageRenderer(const QString &appDir)
{
    m_art.rememberPresence(true);
    setAppDir(appDir);
}

PageRenderer::~PageRenderer() = default;

void PageRenderer::setAppDir(const QString &appDir)
{
    // Cached images are keyed by file name only: those of another folder
    // must not stand in for this one's.
    if (appDir != m_appDir)
        forgetCache();
    m_appDir = appDir;
    m_art.setAppDir(appDir);
    m_pieces.clear();
    rebuildTextIndex();
}

void PageRenderer::setClientArt(std::shared_ptr<const GumpArt> client)
{
    m_client.gumps = client;
    m_art.setClientArt(std::move(client));
    forgetCache();
}

void PageRenderer::setGameClient(GameClient client)
{
    m_client = std::move(client);
    m_art.setClientArt(m_client.gumps);
    forgetCache();
}

void PageRenderer::rebuildTextIndex()
{
    m_textIndex.rebuild(m_appDir);
}

bool PageRenderer::loadFont(const QString &path)
{
    const std::optional<BitmapFont> font = BitmapFontFile::load(path);
    if (!font)
        return false;
    m_converter.setFont(*font);
    return true;
}

void PageRenderer::cleanUpCache(const QStringList &lines)
{
    m_cache.cleanUp(lines);
    m_pieces.clear();   // read again when next wanted, so changed art shows
}

void PageRenderer::forgetCache()
{
    m_art.forgetPresence();
    m_cache.forgetAll();
    m_pieces.clear();
}

const ResizepicPieces &PageRenderer::piecesOf(const QString &fileName)
{
    if (const auto found = m_pieces.constFind(fileName); found != m_pieces.cend())
        return *found;
    if (m_pieces.size() >= MaxHeldPieces)
        m_pieces.clear();
    return *m_pieces.insert(fileName, m_art.resizepicPieces(fileName));
}

ElementBitmap PageRenderer::bitmapOf(const QStringList &lines, const ElementRecord &record,
                                     const RenderOptions &options, const HueColors &colors, const QRect &part)
{
    const QString &file = record.fileName;
    if (ElementRecord::hasArtFile(record.kind) && !ArtStore::isArtName(file))
        throw RuntimeError(QStringLiteral("'%1' is not a name inside the DATA folder").arg(file));
    const TextConverter::Mode mode = options.perfectText ? TextConverter::Mode::Perfect : TextConverter::Mode::Plain;
    if (ControlBitmaps::handles(record.kind)) {
        return m_cache.obtain(CacheKey::forRecord(record.kind, lines, record.line), [&] {
            const ControlContext context{m_art, m_converter, mode, colors, m_client,
                                         ColorText::toRgb(options.backgroundColor)};
            return ControlBitmaps::bitmap(record, context);
        });
    }
    // Art not found is not kept: the art store's listing answers for it at
    // once, and a design of many thousands of missing names filled the
    // cache's index with empty entries that cost more than the answer.
    const auto art = [this](const QString &key, const auto &load) {
        if (const auto hit = m_cache.lookup(key))
            return hit->bitmap;
        const QImage image = load();
        if (image.isNull())
            return ElementBitmap();
        ElementBitmap made(image, TransparentColor::Art);
        m_cache.add(key, made);
        return made;
    };
    switch (record.kind) {
    case ElementKind::Gumppic:
        return art(CacheKey::gumppic(file), [&] { return m_art.gumppic(file); });
    case ElementKind::Button:
        return art(CacheKey::button(file), [&] { return ControlBitmaps::buttonArt(m_art, file); });
    case ElementKind::Resizepic: {
        const QString key = CacheKey::resizepic(record.widthText, record.heightText, file);
        const QSize whole(std::clamp(record.width, 0, ResizepicComposer::MaxSide),
                          std::clamp(record.height, 0, ResizepicComposer::MaxSide));
        // A part is composed afresh each time and not kept: it changes with
        // every scroll, and costs no more than the canvas it covers.
        if (part.isValid() && part.size() != whole && !m_cache.lookup(key)) {
            const QImage composed = options.cacheImages
                                        ? ResizepicComposer::compose(piecesOf(file), record.width, record.height, part)
                                        : m_art.resizepic(file, record.width, record.height, part);
            return ElementBitmap(composed, TransparentColor::Art);
        }
        // The pieces are read once per background file, not once per background.
        return m_cache.obtain(key, [&] {
            const QImage composed = options.cacheImages
                                        ? ResizepicComposer::compose(piecesOf(file), record.width, record.height)
                                        : m_art.resizepic(file, record.width, record.height);
            return ElementBitmap(composed, TransparentColor::Art);
        });
    }
    case ElementKind::Text:
        return TextElement::bitmap(m_cache, m_converter, mode, colors, record.hue, record.text);
    default:
        break;
    }
    return ElementBitmap();
}

bool PageRenderer::backgroundMissing(const QString &fileName)
{
    const ResizepicPieces &pieces = piecesOf(fileName);
    return std::all_of(pieces.cbegin(), pieces.cend(), [](const QImage &piece) { return piece.isNull(); });
}

ElementBitmap PageRenderer::orPlaceholder(const ElementRecord &record, const ElementBitmap &bitmap,
                                          const RenderOptions &options)
{
    if (!options.placeholders || !ElementRecord::hasArtFile(record.kind))
        return bitmap;
    const bool background = record.kind == ElementKind::Resizepic;
    if (background ? !backgroundMissing(record.fileName) : !bitmap.isEmpty())
        return bitmap;
    // The size the record gives, or a small square; named as the script names it.
    const QSize box = ElementRecord::hasBox(record.kind)
                          ? QSize(record.width, record.height)
                          : QSize(ControlDrawing::PlaceholderSide, ControlDrawing::PlaceholderSide);
    const QString label = record.kind == ElementKind::Gumppic && record.gumpNumberRead
                              ? QString::number(record.gumpNumber)
                              : FileNameText::artName(record.fileName);
    const TextConverter::Mode mode = options.perfectText ? TextConverter::Mode::Perfect : TextConverter::Mode::Plain;
    return ControlDrawing::missingArt(box, label, m_converter, mode);
}

ElementBitmap PageRenderer::elementBitmap(const QStringList &lines, int line, const RenderOptions &options)
{
    m_cache.setEnabled(options.cacheImages);
    RecordWalker walker(lines);
    while (walker.next() && walker.line() <= line) {
        if (walker.line() != line || walker.item() != RecordWalker::Item::Element)
            continue;
        try {
            const HueColors colors(m_textIndex, m_appDir);
            const ElementRecord record = ElementRecord::read(walker);
            return orPlaceholder(record, bitmapOf(lines, record, options, colors), options);
        } catch (const RuntimeError &) {
            break;
        }
    }
    return ElementBitmap();
}

namespace {

struct DragPiece
{
    QPoint at;      // document position
    QImage image;
};

bool isSelected(const RenderOptions &options, int line)
{
    return line == options.selectedLine
           || std::binary_search(options.alsoSelected.cbegin(), options.alsoSelected.cend(), line);
}

// One picture of all dragged elements, so a drag frame costs one copy
// whatever the selection holds; a single element is handed over as it is.
void composeDragImage(const QList<DragPiece> &pieces, RenderResult &r)
{
    if (pieces.isEmpty())
        return;
    if (pieces.size() == 1) {
        r.dragOrigin = pieces.first().at;
        r.dragImage = pieces.first().image;
        return;
    }
    QRect bounds;
    for (const DragPiece &piece : pieces)
        bounds |= QRect(piece.at, piece.image.size());
    bounds = bounds.intersected(QRect(bounds.topLeft(), QSize(PageRenderer::MaxCanvasSide, PageRenderer::MaxCanvasSide)));
    r.dragOrigin = bounds.topLeft();
    r.dragImage = QImage(bounds.size(), QImage::Format_ARGB32_Premultiplied);
    r.dragImage.fill(Qt::transparent);
    QPainter painter(&r.dragImage);
    for (const DragPiece &piece : pieces)
        painter.drawImage(piece.at - bounds.topLeft(), piece.image);
}

} // namespace

RenderResult PageRenderer::render(const QStringList &lines, const RenderOptions &options)
{
    m_cache.setEnabled(options.cacheImages);
    m_art.revalidatePresence();   // a library changed since the last page is listed again
    const HueColors colors(m_textIndex, m_appDir);
    const SelectionFrame::Colors frameColors =
        SelectionFrame::colorsFor(options.blackColorBlack, options.selectionColor);

    RenderResult r;
    const QSize size = bufferSize(options.canvasSize);
    r.page = QImage(size, QImage::Format_RGB32);
    r.page.fill(ColorText::toRgb(options.backgroundColor));
    QPainter painter(&r.page);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRect(0, 0, size.width(), 1);
    painter.drawRect(0, size.height() - 1, size.width(), 1);
    painter.drawRect(0, 0, 1, size.height());
    painter.drawRect(size.width() - 1, 0, 1, size.height());

    QList<DragPiece> dragged;
    const LogicView logic(lines, options.branches);
    const bool hasLogic = logic.nesting().hasStatements();
    RecordWalker walker(lines);
    while (walker.next()) {
        switch (walker.item()) {
        case RecordWalker::Item::Location: r.locationLine = walker.line(); continue;
        case RecordWalker::Item::Misc: r.miscLine = walker.line(); continue;
        case RecordWalker::Item::Element: break;
        default: continue;
        }
        const int depth = hasLogic ? logic.depthOf(walker.line()) : 0;
        // Script lines are listed in their order, never drawn.
        if (Records::isScript(walker.kind())) {
            if (walker.page() == options.page) {
                r.lineList << walker.line();
                r.selectEntries << indented(depth, walker.field(Records::ScriptLineField).trimmed());
                r.boxes << QRect();
            }
            continue;
        }
        if (!isShown(walker.kind(), options) || !isVisible(walker.page(), options))
            continue;
        // An element of a branch not chosen is listed under its condition, not drawn.
        if (hasLogic && logic.hidden(walker.line())) {
            if (walker.page() == options.page) {
                r.lineList << walker.line();
                QString entry;
                try {
                    entry = ElementRecord::read(walker).selectEntry();
                } catch (const RuntimeError &) {
                    entry = ElementRecord::fields(walker).selectEntry();
                }
                r.selectEntries << indented(depth, entry + QStringLiteral(" (branch not shown)"));
                r.boxes << QRect();
            }
            continue;
        }

        ElementRecord record;
        ElementBitmap bitmap;
        QRect part;    // the part of a background composed, when not the whole
        QSize whole;
        try {
            record = ElementRecord::read(walker);
            // Of a background only the part on the canvas is composed, and
            // nothing of a boxed element wholly off it; the dragged one is taken whole.
            const bool dragged = options.dragging && isSelected(options, record.line);
            const bool framed = options.placeholders && record.kind == ElementKind::Resizepic
                                && backgroundMissing(record.fileName);
            if (framed) {
                if (dragged || !isOffCanvas(record, options, size))
                    bitmap = orPlaceholder(record, bitmap, options);
            } else if (record.kind == ElementKind::Resizepic && !dragged) {
                part = visiblePart(record, options, size);
                whole = QSize(std::clamp(record.width, 0, ResizepicComposer::MaxSide),
                              std::clamp(record.height, 0, ResizepicComposer::MaxSide));
                if (!part.isEmpty())
                    bitmap = bitmapOf(lines, record, options, colors, part);
            } else if (dragged || !isOffCanvas(record, options, size)) {
                bitmap = orPlaceholder(record, bitmapOf(lines, record, options, colors), options);
            }
        } catch (const RuntimeError &e) {
            record = ElementRecord::fields(walker);
            r.problems << problemText(record, e.message());
            r.problemLines << record.line + 1;
            // Still listed, so the user can select the record to mend or remove it.
            if (walker.page() == options.page) {
                r.lineList << record.line;
                r.selectEntries << indented(depth, record.selectEntry());
                r.boxes << QRect();
            }
            continue;
        }
        // A composed part lies at its own corner inside the element.
        const bool isPart = !part.isEmpty() && part.size() != whole && bitmap.size() == part.size();
        const QPoint origin = isPart ? part.topLeft() : QPoint();
        // Page 0 beneath another page is drawn but not listed.
        if (walker.page() == options.page) {
            r.lineList << record.line;
            r.selectEntries << indented(depth, record.placedByServer
                                                   ? record.selectEntry() + QStringLiteral(" (placed by the server)")
                                                   : record.selectEntry());
            if (isPart)
                r.boxes << boxAt(record.x, record.y, whole.width(), whole.height());
            else if (!bitmap.isEmpty())
                r.boxes << boxAt(record.x, record.y, bitmap.width(), bitmap.height());
            else if (ElementRecord::hasBox(record.kind))
                r.boxes << boxAt(record.x, record.y, record.width, record.height);
            else
                r.boxes << QRect();
        }

        const bool seeThrough = ControlBitmaps::isTextKind(record.kind) || options.transparent;
        if (options.dragging && isSelected(options, record.line)) {
            if (!bitmap.isEmpty())
                dragged.append({QPoint(record.x, record.y), bitmap.forDrawing(options.transparent)});
            continue;
        }
        if (bitmap.isEmpty())
            continue;
        const qint64 left = qint64(record.x) - options.scrollX + origin.x();
        const qint64 top = qint64(record.y) - options.scrollY + origin.y();
        if (left >= size.width() || top >= size.height() || left + bitmap.width() <= 0
            || top + bitmap.height() <= 0)
            continue;
        const QPoint at{int(left), int(top)};
        if (options.highlightSelected && isSelected(options, record.line))
            painter.drawImage(at, SelectionFrame::framed(bitmap.forDrawing(seeThrough), frameColors, origin,
                                                         isPart ? whole : bitmap.size()));
        else if (const ElementBitmap::Parts *parts = bitmap.parts(); parts && seeThrough)
            ElementBitmap::drawParts(painter, at, *parts);   // no picture per missing one
        else
            painter.drawImage(at, bitmap.forDrawing(seeThrough));
        if (options.markLogic && (depth > 0 || record.placedByServer))
            markLogic(painter, QRect(at - origin, isPart ? whole : bitmap.size()), depth > 0,
                      record.placedByServer);
    }
    painter.end();
    composeDragImage(dragged, r);
    return r;
}
