#include "render/PageRenderer.h"
#include "app/RecordWalker.h"

#include <QPainter>

PageRenderer::PageRenderer(const QString &appDir) : m_appDir(appDir) {}

PageRenderer::~PageRenderer() = default;

void PageRenderer::setAppDir(const QString &appDir)
{
    m_appDir = appDir;
}

// Interim render: background, frame, lists and records. Element drawing
// arrives with the art store.
RenderResult PageRenderer::render(const QStringList &lines, const RenderOptions &options)
{
    RenderResult r;
    const QSize size = options.canvasSize.isValid() ? options.canvasSize : QSize(1, 1);
    r.page = QImage(size, QImage::Format_RGB32);
    r.page.fill(ColorText::toRgb(options.backgroundColor));
    {
        QPainter p(&r.page);
        p.setPen(Qt::black);
        p.drawRect(0, 0, size.width() - 1, size.height() - 1);
    }
    RecordWalker w(lines);
    while (w.next()) {
        if (w.item() == RecordWalker::Item::Location)
            r.locationLine = w.line();
        else if (w.item() == RecordWalker::Item::Misc)
            r.miscLine = w.line();
        else if (w.item() == RecordWalker::Item::Element && w.page() == options.page) {
            r.lineList.append(w.line());
            r.selectEntries.append(Records::wordOf(w.kind()) + QStringLiteral(" at ") + w.field(1) + u' ' + w.field(2));
        }
    }
    return r;
}
