// One input is a project file; pages 0 and 1 of its design are drawn against
// the sample library, as the canvas draws them and as picking asks for them.
#include "document/Document.h"
#include "fuzz/SampleLibrary.h"
#include "render/PageRenderer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static PageRenderer &renderer = *[] {
        auto *r = new PageRenderer(SampleLibrary::appDir());
        r->loadFont(SampleLibrary::appDir() + QStringLiteral("UO0.CORE"));
        r->imageCache().setByteBudget(qint64(8) * 1024 * 1024);
        return r;
    }();
    const QStringList lines = Document::parseProjectText(FuzzInput::bytes(data, size));
    RenderOptions options;
    options.canvasSize = QSize(160, 120);
    for (const char *page : {"0", "1"}) {
        options.page = QString::fromLatin1(page);
        options.selectedLine = int(size % 64);
        const RenderResult result = renderer.render(lines, options);
        FuzzInput::check(result.page.size() == options.canvasSize);
        FuzzInput::check(result.selectEntries.size() == result.lineList.size());
        FuzzInput::check(result.problems.size() == result.problemLines.size());
        for (const int line : result.lineList)
            (void)renderer.elementBitmap(lines, line, options);
    }
    FuzzInput::check(renderer.imageCache().bytesHeld() <= qint64(8) * 1024 * 1024);
    renderer.cleanUpCache(lines);
    return 0;
}
