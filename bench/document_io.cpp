// Figures for big designs: project file load and save, and the Sphere export.
#include "document/Document.h"
#include "sphere/SphereExport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// pages of 50 elements each: texts, pictures and buttons with events.
QStringList bigDesign(int pages)
{
    QStringList lines;
    for (int p = 0; p < pages; ++p) {
        lines << "{BOP" << QString::number(p);
        for (int e = 0; e < 50; ++e) {
            switch (e % 3) {
            case 0: lines << "text" << "10" << "20" << "1152" << "Some line of text"; break;
            case 1: lines << "gumppic" << "5" << "5" << "1F4.bmp"; break;
            default: lines << "button" << "1" << "2" << "okay.bmp" << "1" << "0" << "1" << "dialogclose\r\nsay x";
            }
        }
        lines << "}EOP";
    }
    lines << "LOCATION" << "50" << "50" << "MISC" << "0" << "1";
    return lines;
}

class NoQuestions : public ExportHost
{
public:
    void runLocationCommand() override {}
    void runMiscCommand() override {}
    std::optional<QString> askDialogName() override { return QStringLiteral("bench"); }
};

void BM_SaveProjectFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QStringList lines = bigDesign(int(state.range(0)));
    for (auto _ : state)
        Document::saveProjectFile(dir.filePath("big.SDF"), lines);
    state.counters["lines"] = double(lines.size());
}

void BM_LoadProjectFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QStringList lines = bigDesign(int(state.range(0)));
    Document::saveProjectFile(dir.filePath("big.SDF"), lines);
    for (auto _ : state)
        benchmark::DoNotOptimize(Document::loadProjectFile(dir.filePath("big.SDF")));
    state.counters["lines"] = double(lines.size());
}

void BM_SphereExport(benchmark::State &state)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("DATA/buttons");
    QFile cs(dir.filePath("DATA/buttons/okay.cs"));
    cs.open(QIODevice::WriteOnly);
    cs.write("F7\r\nF8\r\n");
    cs.close();
    Document doc(bigDesign(int(state.range(0))));
    NoQuestions host;
    QStringList memo;
    for (auto _ : state)
        runSphereExport(doc, SphereDialect::V55iTo99g, dir.path() + "/", host, memo);
    state.counters["script lines"] = double(memo.size());
}

} // namespace

BENCHMARK(BM_SaveProjectFile)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadProjectFile)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SphereExport)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
