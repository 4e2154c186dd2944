// Figures of the Sphere check on a 5,000-element design, which the designer
// runs after every change: it must stay well under 5 ms.
#include "sphere/ArtCatalog.h"
#include "sphere/DesignCheck.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// 100 pages of 50 elements: texts, pictures, buttons with events and page
// buttons, each at a place of its own. With faulty, every element carries a
// problem (a leading zero, an empty text, a missing picture, a missing page).
QStringList bigDesign(bool faulty)
{
    QStringList lines;
    for (int p = 0; p < 100; ++p) {
        lines << "{BOP" << QString::number(p);
        for (int e = 0; e < 50; ++e) {
            const QString x = QString::number(10 + (e % 10) * 60), y = QString::number(10 + (e / 10) * 90);
            switch (e % 4) {
            case 0: lines << "text" << (faulty ? "0" + x : x) << y << "1152" << "Some line of text"; break;
            case 1: lines << "gumppic" << x << y << (faulty ? "ABC.bmp" : "1F4.bmp"); break;
            case 2:
                lines << "button" << x << y << "okay.bmp" << "1" << "0" << "1" << "dialogclose\r\nsay x";
                break;
            default:
                lines << "button" << x << y << "okay.bmp" << "0" << QString::number(faulty ? p + 500 : (p + 1) % 100)
                      << "0" << "";
            }
        }
        lines << "}EOP";
    }
    lines << "LOCATION" << "50" << "50" << "MISC" << "0" << "1";
    return lines;
}

void writeArt(const QString &root)
{
    QDir(root).mkpath("DATA/buttons");
    QImage(40, 30, QImage::Format_RGB32).save(root + "/DATA/1F4.bmp", "BMP");
    QImage(20, 10, QImage::Format_RGB32).save(root + "/DATA/buttons/okay.bmp", "BMP");
    QFile cs(root + "/DATA/buttons/okay.cs");
    cs.open(QIODevice::WriteOnly);
    cs.write("F7\r\nF8\r\n");
}

void BM_DesignCheck(benchmark::State &state)
{
    QTemporaryDir dir;
    writeArt(dir.path());
    const QStringList lines = bigDesign(state.range(0) != 0);
    ArtCatalog art(dir.path() + "/");
    qsizetype problems = 0;
    for (auto _ : state) {
        art.refreshIfChanged();
        problems = DesignCheck::run(lines, &art).size();
    }
    state.counters["problems"] = double(problems);
}

} // namespace

// Arg 0: a clean design; 1: a problem on every element.
BENCHMARK(BM_DesignCheck)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
