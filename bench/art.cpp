// Costs of the art pieces a redraw leans on: the image cache, its clean-up,
// nine-piece composition and the text converter.
#include "BenchFont.h"
#include "assets/ResizepicComposer.h"
#include "assets/TextConverter.h"
#include "render/CacheKey.h"
#include "render/ImageCache.h"

#include <benchmark/benchmark.h>

namespace {

ElementBitmap artOf(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(0xFF336699u);
    return ElementBitmap(image, TransparentColor::Art);
}

// A document of n elements, the four kinds in turn, spread over five pages.
QStringList documentOf(int n)
{
    QStringList lines;
    for (int i = 0; i < n; ++i) {
        if (i % 200 == 0) {
            if (i)
                lines << "}EOP";
            lines << "{BOP" << QString::number(i / 200);
        }
        const QString x = QString::number(i % 500), y = QString::number(i % 300);
        switch (i % 4) {
        case 0: lines << "gumppic" << x << y << QString::number(i % 97, 16).toUpper() + ".bmp"; break;
        case 1: lines << "resizepic" << x << y << "9200.bmp" << QString::number(100 + i % 7) << "80"; break;
        case 2: lines << "text" << x << y << "1152" << QStringLiteral("Line number %1").arg(i); break;
        case 3: lines << "button" << x << y << "okay.bmp" << "F9" << "F8" << "0" << "1"; break;
        }
    }
    lines << "}EOP" << "LOCATION" << "20" << "20";
    return lines;
}

// Fills a cache the way a render of the document would.
ImageCache cacheFor(const QStringList &lines)
{
    ImageCache cache;
    RecordWalker walker(lines);
    while (walker.next())
        if (walker.item() == RecordWalker::Item::Element) {
            const QString key = CacheKey::forRecord(walker.kind(), lines, walker.line());
            cache.obtain(key, [] { return artOf(40, 30); });
        }
    return cache;
}

void BM_CacheLookup(benchmark::State &state)
{
    const QStringList lines = documentOf(1000);
    const ImageCache cache = cacheFor(lines);
    const QString hit = CacheKey::text("1152", "Line number 998");
    const QString miss = CacheKey::text("1152", "Line number 999");
    for (auto _ : state) {
        benchmark::DoNotOptimize(cache.lookup(hit));
        benchmark::DoNotOptimize(cache.lookup(miss));
    }
    state.SetItemsProcessed(state.iterations() * 2);
    state.SetLabel("per item: one lookup (hit and miss alternate)");
}
BENCHMARK(BM_CacheLookup);

void BM_CacheAdd(benchmark::State &state)
{
    constexpr int Adds = 1000;
    QStringList keys;
    for (int i = 0; i < Adds; ++i)
        keys << CacheKey::gumppic(QString::number(i, 16) + ".bmp");
    const ElementBitmap bitmap = artOf(int(state.range(0)), int(state.range(0)));
    for (auto _ : state) {
        ImageCache cache;
        for (const QString &key : keys)
            cache.add(key, bitmap);
        benchmark::DoNotOptimize(cache.indexLines().size());
    }
    state.SetItemsProcessed(state.iterations() * Adds);
    state.SetLabel("per item: one add of a WxW image");
}
BENCHMARK(BM_CacheAdd)->Arg(20)->Arg(400);

void BM_CleanUp1000Elements(benchmark::State &state)
{
    const QStringList lines = documentOf(1000);
    ImageCache cache = cacheFor(lines);
    for (auto _ : state)
        cache.cleanUp(lines);
    state.SetLabel(QStringLiteral("%1 entries kept").arg(cache.entryCount()).toStdString());
}
BENCHMARK(BM_CleanUp1000Elements)->Unit(benchmark::kMicrosecond);

void BM_Compose600x400(benchmark::State &state)
{
    const int side = int(state.range(0));
    ResizepicPieces pieces;
    for (size_t k = 0; k < pieces.size(); ++k) {
        pieces[k] = QImage(side, side, QImage::Format_RGB32);
        pieces[k].fill(qRgb(int(k) * 20, 100, 200));
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(ResizepicComposer::compose(pieces, 600, 400));
    state.SetLabel(QStringLiteral("pieces %1x%1").arg(side).toStdString());
}
BENCHMARK(BM_Compose600x400)->Arg(8)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_RenderLine(benchmark::State &state)
{
    const TextConverter converter(benchFont());
    const QString line = QStringLiteral("Welcome to the Shard: pick a class now.!");   // 40 characters
    const auto mode = state.range(0) ? TextConverter::Mode::Perfect : TextConverter::Mode::Plain;
    for (auto _ : state)
        benchmark::DoNotOptimize(converter.render(line, 0x0000FF, mode));
    state.SetLabel(state.range(0) ? "perfect, 40 characters" : "plain, 40 characters");
}
BENCHMARK(BM_RenderLine)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
