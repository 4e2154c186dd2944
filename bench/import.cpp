// Import of a dialog of 10,000 elements (target: under 20 ms).
#include "sphere/ButtonArtMatcher.h"
#include "sphere/SphereImport.h"

#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QStringList largeDialog(int elements)
{
    QStringList script = {"[DIALOG d_large]", "50, 50", "nomove", "page 0"};
    QStringList texts = {"[DIALOG d_large TEXT]"};
    QStringList blocks = {"[DIALOG d_large BUTTON]"};
    for (int i = 0; i < elements; ++i) {
        if (i % 500 == 0)
            script << QStringLiteral("page %1").arg(i / 500);
        const QString at = QStringLiteral("%1 %2").arg(i % 640).arg(i % 480);
        switch (i % 4) {
        case 0: script << "resizepic " + at + " 9200 120 80"; break;
        case 1: script << "gumppic " + at + " 0" + QString::number(0x1F4 + i % 50, 16); break;
        case 2:
            script << "text " + at + " 1152 " + QString::number(texts.size() - 1);
            texts << QStringLiteral("Text number %1").arg(i);
            break;
        default:
            script << "button " + at + " 247 248 1 0 " + QString::number(i);
            blocks << "on=" + QString::number(i) << "src.sysmessage pressed";
        }
    }
    return script + texts + blocks;
}

void BM_ImportTenThousandElements(benchmark::State &state)
{
    const QStringList script = largeDialog(10000);
    QTemporaryDir library;
    for (auto _ : state) {
        ButtonArtMatcher buttons(library.path() + u'/');
        const ImportResult r = SphereImport::importLines(script, QStringLiteral("d_large"), buttons);
        benchmark::DoNotOptimize(r.lines.size());
    }
    state.counters["lines"] = double(script.size());
}
BENCHMARK(BM_ImportTenThousandElements)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
