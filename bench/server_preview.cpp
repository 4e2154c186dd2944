// From the command to the preview drawn: the sample design exported, the
// user's server started in a world of its own, the stand-in logged in, the
// dialog received, compared and drawn, the world removed. Most of it is the
// server's start. Skipped when the server was not built.
#include "document/Document.h"
#include "serverworld/ServerPreview.h"
#include "sphere/SphereDialect.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void previewSample(benchmark::State &state)
{
    const QString sample = QStringLiteral(QM_SAMPLE_DIR) + u'/';
    ServerSetup setup;
    setup.program = QStringLiteral(QM_SPHERE_SERVER_BINARY);
    QTemporaryDir records;
    setup.recordFolder = records.path();
    const QStringList lines = Document::loadProjectFile(sample + "sample.SDF");
    for (auto _ : state) {
        const ServerPreview::Preview p = ServerPreview::preview(lines, SphereDialect::V55iTo99g, sample, setup);
        if (!p.answer.asked) {
            state.SkipWithError(qPrintable(p.answer.error));
            return;
        }
        benchmark::DoNotOptimize(ServerPreview::draw(p.received, sample, 0).size());
        state.counters["differences"] = double(p.differences.size());
    }
}
BENCHMARK(previewSample)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
