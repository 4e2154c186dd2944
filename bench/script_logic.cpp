// A big imported dialog as shards write them: 5,000 elements with 2,000
// script lines among them (conditions, loops, assignments) and fields the
// server computes. Its render, save and load should cost what the same
// elements cost without the logic (argument 0 below), within their targets.
#include "BenchData.h"
#include "BenchFont.h"
#include "document/Document.h"
#include "render/PageRenderer.h"

#include <QTemporaryDir>
#include "GuiBenchmarkMain.h"

namespace {

constexpr int Elements = 5'000;
constexpr int ScriptLines = 2'000;

// The shared library holds the picture and the button the design names.
using BenchData::dataDir;

// Five elements to every two script lines when withLogic, in the forms an
// import keeps: plain numbers, relative places and computed fields.
QStringList bigDialog(bool withLogic)
{
    static const char *const logic[] = {"IF (<src.isgm>)", "ELSE", "ENDIF", "FOR 5",
                                        "  LOCAL.y=<eval <local.y>+20>", "ENDFOR", "dorigin 10 20"};
    QStringList lines{"{BOP", "0", "}EOP", "{BOP", "1"};
    lines.reserve(Elements * 5 + ScriptLines * 2 + 8);
    int script = 0;
    for (int e = 0; e < Elements; ++e) {
        if (withLogic && script < ScriptLines && e % 5 < 2)
            lines << "script" << QString::fromLatin1(logic[script++ % std::size(logic)]);
        const QString x = QString::number((e * 37) % 900), y = QString::number((e * 11) % 650);
        switch (e % 4) {
        case 0: lines << "gumppic" << x << y << "1F4.bmp"; break;
        case 1: lines << "text" << (withLogic ? QStringLiteral("+20") : x) << y << "1152" << "A line of text"; break;
        case 2:
            lines << "gumppic" << (withLogic ? QStringLiteral("<eval 30+<local.i>*20>") : x) << y << "1F4.bmp";
            break;
        default: lines << "button" << x << y << "okay.bmp" << "1" << "0" << "1" << "dialogclose";
        }
    }
    return lines << "}EOP" << "LOCATION" << "50" << "50";
}

void report(benchmark::State &state, const QStringList &lines)
{
    state.counters["design lines"] = double(lines.size());
    state.SetLabel(state.range(0) ? "with 2,000 script lines" : "the same elements without logic");
}

void BM_RenderBigDialog(benchmark::State &state)
{
    const QStringList lines = bigDialog(state.range(0) != 0);
    PageRenderer renderer(dataDir());
    renderer.textConverter().setFont(benchFont());
    RenderOptions options;
    options.page = "1";
    options.canvasSize = QSize(1024, 768);
    for (auto _ : state)
        benchmark::DoNotOptimize(renderer.render(lines, options).page.constBits());
    report(state, lines);
}

void BM_SaveBigDialog(benchmark::State &state)
{
    QTemporaryDir dir;
    const QStringList lines = bigDialog(state.range(0) != 0);
    for (auto _ : state)
        Document::saveProjectFile(dir.filePath("big.SDF"), lines);
    report(state, lines);
}

void BM_LoadBigDialog(benchmark::State &state)
{
    QTemporaryDir dir;
    const QStringList lines = bigDialog(state.range(0) != 0);
    Document::saveProjectFile(dir.filePath("big.SDF"), lines);
    for (auto _ : state)
        benchmark::DoNotOptimize(Document::loadProjectFile(dir.filePath("big.SDF")));
    report(state, lines);
}

} // namespace

BENCHMARK(BM_RenderBigDialog)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveBigDialog)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadBigDialog)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
QUILLMARK_GUI_BENCHMARK_MAIN()
