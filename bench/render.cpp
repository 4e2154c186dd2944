// Cost of a full render of a busy page (LQUICKTimer) with the image cache
// warm and cold, and of the unchanged check that spares a redraw.
#include "BenchData.h"
#include "BenchFont.h"
#include "render/PageRenderer.h"
#include "render/RenderCache.h"

#include <QGuiApplication>
#include "GuiBenchmarkMain.h"

namespace {

using BenchData::Pictures, BenchData::Buttons, BenchData::Backgrounds, BenchData::dataDir;
constexpr QSize Canvas(1024, 768);

// Page 1 of 500 elements over the canvas: 20 backgrounds first, then
// pictures, buttons and 50 texts mixed; an empty page 0 before it.
QStringList busyPage()
{
    QStringList lines{"{BOP", "0", "}EOP", "{BOP", "1"};
    for (int i = 0; i < 20; ++i)
        lines << "resizepic" << QString::number((i * 211) % 800) << QString::number((i * 137) % 600)
              << QStringLiteral("%1.bmp").arg(9200 + i % Backgrounds) << QString::number(150 + (i * 37) % 200)
              << QString::number(100 + (i * 53) % 150);
    int texts = 0;
    for (int i = 0; i < 480; ++i) {
        const QString x = QString::number((i * 97) % 960), y = QString::number((i * 61) % 740);
        if (i % 48 == 5 || (i % 10 == 3 && texts < 50)) {
            ++texts;
            lines << "text" << x << y << (i % 2 ? "95" : "1152") << QStringLiteral("Quest line %1: go north").arg(i);
        } else if (i % 4 == 1) {
            lines << "button" << x << y << QStringLiteral("btn%1.bmp").arg(i % Buttons) << "1" << "0" << "0" << "";
        } else {
            lines << "gumppic" << x << y << QStringLiteral("%1.bmp").arg(0xA00 + i % Pictures, 0, 16).toUpper();
        }
    }
    return lines << "}EOP";
}

RenderOptions busyOptions()
{
    RenderOptions options;
    options.page = "1";
    options.canvasSize = Canvas;
    return options;
}

// Pixels a render writes: the canvas fill and every element's picture,
// clipped to the canvas.
qint64 pixelsDrawn(PageRenderer &renderer, const QStringList &lines, const RenderOptions &options)
{
    qint64 pixels = qint64(Canvas.width()) * Canvas.height();
    RecordWalker walker(lines);
    const QRect canvas(QPoint(0, 0), Canvas);
    while (walker.next())
        if (walker.item() == RecordWalker::Item::Element) {
            const ElementBitmap bitmap = renderer.elementBitmap(lines, walker.line(), options);
            const QRect at(walker.field(1).toInt(), walker.field(2).toInt(), bitmap.width(), bitmap.height());
            const QRect shown = at & canvas;
            pixels += qint64(shown.width()) * shown.height();
        }
    return pixels;
}

int elementCount(const QStringList &lines)
{
    int n = 0;
    RecordWalker walker(lines);
    while (walker.next())
        n += walker.item() == RecordWalker::Item::Element;
    return n;
}

void report(benchmark::State &state, PageRenderer &renderer, const QStringList &lines, const RenderOptions &options)
{
    const qint64 pixels = pixelsDrawn(renderer, lines, options);
    state.counters["elements"] = elementCount(lines);
    state.counters["px_per_render"] = double(pixels);
    // Pixels per millisecond: the rate counter divides by seconds.
    state.counters["px_per_ms"] =
        benchmark::Counter(double(pixels) * double(state.iterations()) / 1000.0, benchmark::Counter::kIsRate);
}

void BM_RenderWarmCache(benchmark::State &state)
{
    PageRenderer renderer(dataDir());
    renderer.textConverter().setFont(benchFont());
    const QStringList lines = busyPage();
    const RenderOptions options = busyOptions();
    renderer.render(lines, options);
    for (auto _ : state)
        benchmark::DoNotOptimize(renderer.render(lines, options).page.constBits());
    report(state, renderer, lines, options);
}
BENCHMARK(BM_RenderWarmCache)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// Every picture read, composed or converted again, as after "Ok" in the options.
void BM_RenderColdCache(benchmark::State &state)
{
    PageRenderer renderer(dataDir());
    renderer.textConverter().setFont(benchFont());
    const QStringList lines = busyPage();
    const RenderOptions options = busyOptions();
    for (auto _ : state) {
        renderer.forgetCache();
        benchmark::DoNotOptimize(renderer.render(lines, options).page.constBits());
    }
    report(state, renderer, lines, options);
}
BENCHMARK(BM_RenderColdCache)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// A design of 5,000 lines and its copy from the last render, equal line by
// line but sharing no string data (the worst case).
std::pair<QStringList, QStringList> bigDocumentAndCopy()
{
    QStringList lines = busyPage();
    while (lines.size() < 5000)
        lines << "gumppic" << QString::number(lines.size() % 900) << "17" << "A05.bmp";
    lines = lines.mid(0, 4999) << "}EOP";
    QStringList copy;
    for (const QString &line : std::as_const(lines))
        copy << QString(line.constData(), line.size());
    return {lines, copy};
}

void BM_UnchangedCheck5000Lines(benchmark::State &state)
{
    const auto [lines, copy] = bigDocumentAndCopy();
    RenderCache cache;
    cache.remember(copy);
    for (auto _ : state)
        benchmark::DoNotOptimize(cache.isUnchanged(lines));
    state.counters["lines"] = double(lines.size());
}
BENCHMARK(BM_UnchangedCheck5000Lines)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// For comparison: joining both into one text and comparing the texts.
void BM_UnchangedCheckByJoinedText(benchmark::State &state)
{
    const auto [lines, copy] = bigDocumentAndCopy();
    for (auto _ : state)
        benchmark::DoNotOptimize(lines.join(QStringLiteral("\r\n")) == copy.join(QStringLiteral("\r\n")));
}
BENCHMARK(BM_UnchangedCheckByJoinedText)->Unit(benchmark::kMicrosecond);

} // namespace

QUILLMARK_GUI_BENCHMARK_MAIN()
