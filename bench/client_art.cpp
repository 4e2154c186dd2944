// The game client's gump art: opening a client of 65,536 gumps (the index
// only), decoding one gump, and a view scrolling the gump browser's model
// over every row with its thumbnails.
#include "GuiBenchmarkMain.h"
#include "assets/client/GumpArt.h"
#include "assets/client/GumpBrowserModel.h"
#include "support/SyntheticClient.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr int GumpCount = 65536;
constexpr int LargeGump = 1000;   // 200 × 200; the rest are small

// A picture with a few runs a row, as drawn art has.
SyntheticClient::Gump gumpOf(int id, int side)
{
    SyntheticClient::Gump g{id, side, side, {}};
    g.pixels.reserve(side * side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            g.pixels.append(quint16((x / 16 + y / 8 + id) % 3 == 0 ? 0 : 0x0421 * ((x / 16 + id) % 31 + 1)));
    return g;
}

QList<SyntheticClient::Gump> client()
{
    QList<SyntheticClient::Gump> gumps;
    gumps.reserve(GumpCount);
    for (int id = 0; id < GumpCount; ++id)
        gumps.append(gumpOf(id, id == LargeGump ? 200 : 16 + id % 24));
    return gumps;
}

// The client written once into a folder: the mul pair, and beside it a
// folder with the packed archive.
struct ClientFolders
{
    QTemporaryDir mul, uop;
    ClientFolders()
    {
        const auto gumps = client();
        const auto [index, data] = SyntheticClient::mul(gumps);
        write(mul.filePath(GumpArt::IndexName), index);
        write(mul.filePath(GumpArt::DataName), data);
        write(uop.filePath(GumpArt::UopName), SyntheticClient::uop(gumps, 1000));
    }
    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
    }
};

const ClientFolders &folders()
{
    static const ClientFolders made;
    return made;
}

void openClient(benchmark::State &state, const QString &dir)
{
    for (auto _ : state) {
        const auto art = GumpArt::open(dir);
        if (!art || !art->contains(GumpCount - 1))
            state.SkipWithError("client not read");
        benchmark::DoNotOptimize(art);
    }
    state.counters["gumps"] = GumpCount;
}

void BM_OpenMulClient(benchmark::State &state) { openClient(state, folders().mul.path()); }
void BM_OpenUopClient(benchmark::State &state) { openClient(state, folders().uop.path()); }

void decodeLarge(benchmark::State &state, const QString &dir)
{
    const auto art = GumpArt::open(dir);
    for (auto _ : state) {
        const QImage image = art->decode(LargeGump);
        if (image.width() != 200)
            state.SkipWithError("gump not decoded");
        benchmark::DoNotOptimize(image);
    }
}

void BM_Decode200x200Mul(benchmark::State &state) { decodeLarge(state, folders().mul.path()); }
void BM_Decode200x200Uop(benchmark::State &state) { decodeLarge(state, folders().uop.path()); }

// What a list view asks while scrolled from the first row to the last: the
// caption and the thumbnail of every row, with a cold cache each time.
void BM_ScrollBrowserModel(benchmark::State &state)
{
    const auto art = GumpArt::open(folders().mul.path());
    for (auto _ : state) {
        GumpBrowserModel model;
        model.setArt(art);
        for (int row = 0; row < model.rowCount(); ++row) {
            const QModelIndex index = model.index(row);
            benchmark::DoNotOptimize(model.data(index, Qt::DisplayRole));
            benchmark::DoNotOptimize(model.data(index, Qt::DecorationRole));
        }
    }
    state.counters["rows"] = GumpCount;
    state.counters["s_per_row"] =
        benchmark::Counter(GumpCount, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert,
                           benchmark::Counter::kIs1000);
}

// A search narrowing all 65,536 rows, as each keystroke in the box does.
void BM_SearchBrowserModel(benchmark::State &state)
{
    GumpBrowserModel model;
    model.setArt(GumpArt::open(folders().mul.path()));
    for (auto _ : state) {
        model.setSearch(QStringLiteral("1F"));
        benchmark::DoNotOptimize(model.rowCount());
    }
}

} // namespace

BENCHMARK(BM_OpenMulClient)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenUopClient)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decode200x200Mul)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Decode200x200Uop)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrollBrowserModel)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SearchBrowserModel)->Unit(benchmark::kMillisecond);

QUILLMARK_GUI_BENCHMARK_MAIN();
