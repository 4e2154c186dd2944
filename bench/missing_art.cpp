// A hostile design: 250,000 pictures whose names are all different and none
// of which the art library holds. A render must not ask the disk about each
// name (target: the first render under 1 s).
#include "BenchData.h"
#include "BenchFont.h"
#include "render/PageRenderer.h"

#include <QElapsedTimer>
#include "GuiBenchmarkMain.h"

namespace {

constexpr int MissingPictures = 250'000;

// The benchmarks' shared library: the folders exist, and none of its names is asked for.
using BenchData::dataDir;

QStringList missingPictures()
{
    QStringList lines{"{BOP", "0", "}EOP", "{BOP", "1"};
    lines.reserve(5 + MissingPictures * 4 + 1);
    for (int i = 0; i < MissingPictures; ++i)
        lines << "gumppic" << QString::number((i * 37) % 1000) << QString::number((i * 11) % 700)
              << QStringLiteral("%1.bmp").arg(0x100000 + i, 0, 16).toUpper();
    return lines << "}EOP";
}

void renderMissing(benchmark::State &state, bool placeholders)
{
    const QStringList lines = missingPictures();
    RenderOptions options;
    options.page = "1";
    options.canvasSize = QSize(1024, 768);
    options.placeholders = placeholders;
    for (auto _ : state) {
        // A fresh renderer each time: nothing learnt by an earlier render helps.
        state.PauseTiming();
        auto renderer = std::make_unique<PageRenderer>(dataDir());
        renderer->textConverter().setFont(benchFont());
        state.ResumeTiming();
        benchmark::DoNotOptimize(renderer->render(lines, options).page.constBits());
    }
    state.counters["pictures"] = MissingPictures;
}

void BM_RenderMissingPictures(benchmark::State &state)
{
    renderMissing(state, false);
}
BENCHMARK(BM_RenderMissingPictures)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RenderMissingPicturesWithPlaceholders(benchmark::State &state)
{
    renderMissing(state, true);
}
BENCHMARK(BM_RenderMissingPicturesWithPlaceholders)->Unit(benchmark::kMillisecond)->Iterations(3);

// The art store alone, asking for each name: with the folders' listing
// (argument 1, as the canvas's renderer draws) and asking the disk (0).
void BM_ArtStoreMissingNames(benchmark::State &state)
{
    QStringList names;
    for (int i = 0; i < MissingPictures; ++i)
        names << QStringLiteral("%1.bmp").arg(0x100000 + i, 0, 16).toUpper();
    for (auto _ : state) {
        ArtStore art(dataDir());
        art.rememberPresence(state.range(0) != 0);
        for (const QString &name : std::as_const(names))
            benchmark::DoNotOptimize(art.gumppic(name).isNull());
    }
    state.counters["names"] = MissingPictures;
}
BENCHMARK(BM_ArtStoreMissingNames)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

QUILLMARK_GUI_BENCHMARK_MAIN()
