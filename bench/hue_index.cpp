// Cost of the hue lookups a render makes: rebuilding the text index from a
// large library, the first colour lookup of a render (one read of the file)
// and each further lookup, and drawing both rulers.
#include "assets/HueLibrary.h"
#include "render/Rulers.h"
#include "render/TextIndex.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include "GuiBenchmarkMain.h"

namespace {

constexpr int libraryEntries = 2000;

const QString &libraryDir()
{
    static QTemporaryDir dir;
    static const QString appDir = [] {
        QString text = QStringLiteral("[NORMALS]\r\nTOTAL=%1\r\n").arg(libraryEntries);
        for (int n = 1; n <= libraryEntries; ++n)
            text += QStringLiteral("[%1]\r\nNAME=Hue %1\r\nCOLOR=$%2\r\nSPHERE=%3\r\n")
                        .arg(n).arg(n * 997, 8, 16, QChar(u'0')).arg(n + 100);
        const QString result = dir.path() + u'/';
        QFile f(HueLibrary::pathIn(result));
        if (f.open(QIODevice::WriteOnly))
            f.write(text.toLatin1());
        return result;
    }();
    return appDir;
}

void BM_RebuildIndex(benchmark::State &state)
{
    TextIndex index;
    for (auto _ : state) {
        index.rebuild(libraryDir());
        benchmark::DoNotOptimize(index.entryOf(QStringLiteral("95")));
    }
}
BENCHMARK(BM_RebuildIndex)->Unit(benchmark::kMillisecond);

// A render's 50 text elements: the file is read at the first lookup only.
void BM_FiftyLookupsPerRender(benchmark::State &state)
{
    TextIndex index;
    index.rebuild(libraryDir());
    for (auto _ : state) {
        const HueColors colors(index, libraryDir());
        for (int i = 0; i < 50; ++i)
            benchmark::DoNotOptimize(colors.colorOf(QString::number(100 + (i * 37) % libraryEntries)));
    }
}
BENCHMARK(BM_FiftyLookupsPerRender)->Unit(benchmark::kMillisecond);

void BM_LookupAfterFirst(benchmark::State &state)
{
    TextIndex index;
    index.rebuild(libraryDir());
    const HueColors colors(index, libraryDir());
    colors.colorOf(QStringLiteral("101"));
    int i = 0;
    const QStringList hues{"101", "1152", "1999", "7", "550"};
    for (auto _ : state)
        benchmark::DoNotOptimize(colors.colorOf(hues[i++ % hues.size()]));
}
BENCHMARK(BM_LookupAfterFirst);

void BM_DrawRulers(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(drawRulers(1060, 768, RulerStyle{}));
}
BENCHMARK(BM_DrawRulers)->Unit(benchmark::kMicrosecond);

} // namespace

QUILLMARK_GUI_BENCHMARK_MAIN()
