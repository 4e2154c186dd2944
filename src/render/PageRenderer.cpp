#include "render/PageRenderer.h"
#include "app/RecordWalker.h"
#include "platform/RuntimeError.h"
#include "render/CacheKey.h"
#include "render/SelectionFrame.h"
#include "render/TextElement.h"

#include <QPainter>

namespace {

bool isShown(ElementKind kind, const RenderOptions &options)
{
    switch (kind) {
    case ElementKind::Resizepic: return options.showResizepics;
    case ElementKind::Gumppic: return options.showGumppics;
    case ElementKind::Button: return options.showButtons;
    case ElementKind::Text: return options.showText;
    case ElementKind::None: break;
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

// Only backgrounds know their size before their picture is made: the part
// of one that lies on the canvas, in the background's own coordinates
// (empty when it is wholly off the canvas).
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
    setAppDir(appDir);
}

PageRenderer::~PageRenderer() = default;

void PageRenderer::setAppDir(const QString &appDir)
{
    m_appDir = appDir;
    m_art.setAppDir(appDir);
    rebuildTextIndex();
}

void PageRenderer::setClientArt(std::shared_ptr<const GumpArt> client)
{
    m_art.setClientArt(std::move(client));
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
}

void PageRenderer::forgetCache()
{
    m_cache.forgetAll();
}

ElementBitmap PageRenderer::bitmapOf(const ElementRecord &record, const RenderOptions &options,
                                     const HueColors &colors, const QRect &part)
{
    const QString &file = record.fileName;
    if (record.kind != ElementKind::Text && !ArtStore::isArtName(file))
        throw RuntimeError(QStringLiteral("'%1' is not a name inside the DATA folder").arg(file));
    switch (record.kind) {
    case ElementKind::Gumppic:
        return m_cache.obtain(CacheKey::gumppic(file),
                              [&] { return ElementBitmap(m_art.gumppic(file), TransparentColor::Art); });
    case ElementKind::Button:
        return m_cache.obtain(CacheKey::button(file),
                              [&] { return ElementBitmap(m_art.button(file), TransparentColor::Art); });
    case ElementKind::Resizepic: {
        const QString key = CacheKey::resizepic(record.widthText, record.heightText, file);
        const QSize whole(std::clamp(record.width, 0, ResizepicComposer::MaxSide),
                          std::clamp(record.height, 0, ResizepicComposer::MaxSide));
        // A part is composed afresh each time and not kept: it changes with
        // every scroll, and costs no more than the canvas it covers.
        if (part.isValid() && part.size() != whole && !m_cache.lookup(key))
            return ElementBitmap(m_art.resizepic(file, record.width, record.height, part), TransparentColor::Art);
        return m_cache.obtain(key, [&] {
            return ElementBitmap(m_art.resizepic(file, record.width, record.height), TransparentColor::Art);
        });
    }
    case ElementKind::Text:
        return TextElement::bitmap(m_cache, m_converter,
                                   options.perfectText ? TextConverter::Mode::Perfect : TextConverter::Mode::Plain,
                                   colors, record.hue, record.text);
    case ElementKind::None:
        break;
    }
    return ElementBitmap();
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
            return bitmapOf(ElementRecord::read(walker), options, colors);
        } catch (const RuntimeError &) {
            break;
        }
    }
    return ElementBitmap();
}

RenderResult PageRenderer::render(const QStringList &lines, const RenderOptions &options)
{
    m_cache.setEnabled(options.cacheImages);
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

    RecordWalker walker(lines);
    while (walker.next()) {
        switch (walker.item()) {
        case RecordWalker::Item::Location: r.locationLine = walker.line(); continue;
        case RecordWalker::Item::Misc: r.miscLine = walker.line(); continue;
        case RecordWalker::Item::Element: break;
        default: continue;
        }
        if (!isShown(walker.kind(), options) || !isVisible(walker.page(), options))
            continue;

        ElementRecord record;
        ElementBitmap bitmap;
        QRect part;    // the part of a background composed, when not the whole
        QSize whole;
        try {
            record = ElementRecord::read(walker);
            // Of a background only the part on the canvas is composed, and
            // nothing of one wholly off it; the dragged one is taken whole.
            const bool dragged = options.dragging && record.line == options.selectedLine;
            if (record.kind == ElementKind::Resizepic && !dragged) {
                part = visiblePart(record, options, size);
                if (!part.isEmpty())
                    bitmap = bitmapOf(record, options, colors, part);
                whole = QSize(std::clamp(record.width, 0, ResizepicComposer::MaxSide),
                              std::clamp(record.height, 0, ResizepicComposer::MaxSide));
            } else {
                bitmap = bitmapOf(record, options, colors);
            }
        } catch (const RuntimeError &e) {
            record = ElementRecord::fields(walker);
            r.problems << problemText(record, e.message());
            r.problemLines << record.line + 1;
            // Still listed, so the user can select the record to mend or remove it.
            if (walker.page() == options.page) {
                r.lineList << record.line;
                r.selectEntries << record.selectEntry();
            }
            continue;
        }
        // Page 0 beneath another page is drawn but not listed.
        if (walker.page() == options.page) {
            r.lineList << record.line;
            r.selectEntries << record.selectEntry();
        }

        const bool seeThrough = record.kind == ElementKind::Text || options.transparent;
        if (options.dragging && record.line == options.selectedLine) {
            r.dragImage = bitmap.forDrawing(options.transparent);
            continue;
        }
        if (bitmap.isEmpty())
            continue;
        // A composed part lies at its own corner inside the element.
        const bool isPart = !part.isEmpty() && part.size() != whole && bitmap.image().size() == part.size();
        const QPoint origin = isPart ? part.topLeft() : QPoint();
        const qint64 left = qint64(record.x) - options.scrollX + origin.x();
        const qint64 top = qint64(record.y) - options.scrollY + origin.y();
        if (left >= size.width() || top >= size.height() || left + bitmap.width() <= 0
            || top + bitmap.height() <= 0)
            continue;
        const QPoint at{int(left), int(top)};
        if (options.highlightSelected && record.line == options.selectedLine)
            painter.drawImage(at, SelectionFrame::framed(bitmap.forDrawing(seeThrough), frameColors, origin,
                                                         isPart ? whole : bitmap.image().size()));
        else
            painter.drawImage(at, bitmap.forDrawing(seeThrough));
    }
    painter.end();
    return r;
}
