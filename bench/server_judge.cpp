// How fast the Sphere server judges designs in the differential run: random
// designs exported, laid out by a server on loopback for one login, and
// compared with the designer's model. The figure is designs per second,
// server start and login included. Skipped when the server was not built.
#include "DesignGenerator.h"
#include "DifferentialRun.h"
#include "support/SphereTestServer.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void judgeDesigns(benchmark::State &state)
{
    if (SphereTestServer::binary().isEmpty()) {
        state.SkipWithError("no Sphere server built");
        return;
    }
    QTemporaryDir dir;
    const QString appDir = dir.path() + u'/';
    DesignGenerator::writeButtonDecoders(appDir);
    const int count = int(state.range(0));
    QList<QStringList> designs;
    for (int i = 0; i < count; ++i)
        designs << DesignGenerator(unsigned(i)).design();
    for (auto _ : state) {
        QString error;
        const QList<JudgedDesign> judged = DifferentialRun(appDir).judge(designs, &error);
        if (!error.isEmpty()) {
            state.SkipWithError(qPrintable(error));
            return;
        }
        benchmark::DoNotOptimize(judged.size());
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(judgeDesigns)->Arg(50)->Arg(250)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
