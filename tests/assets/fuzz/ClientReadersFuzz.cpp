// Randomised damaged client files for the gump, item, archive, hue, cliloc
// and unicode font readers, built with sanitizers; runs for QM_FUZZ_SECONDS (default 4).
#include "fuzz/ClientReaders.h"
#include "support/SyntheticClient.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <random>

namespace {

QList<QByteArray> seeds()
{
    const QList<SyntheticClient::Gump> gumps = {{1, 3, 2, {0, 1, 2, 3, 4, 5}}, {7, 2, 2, {9, 9, 9, 9}}};
    const auto [index, data] = SyntheticClient::mul(gumps);
    QByteArray mythic(4 + 1024 + 3, '\0');
    mythic[4] = 3;
    mythic[5] = 1;
    return {index + data, SyntheticClient::uop(gumps, 1), mythic,
            SyntheticClient::hues({{0x7C00, "Red"}}),
            SyntheticClient::unicodeFont(u'A', 1, 2, {"#.#", ".#."}),
            SyntheticClient::unicodeFont({{u'H', 0, 2, {"#..#", "####", "#..#"}}, {u'g', -3, 40, {"##", "#"}},
                                          {u'W', 120, -100, QList<QByteArray>(40, QByteArray(60, '#'))}}),
            SyntheticClient::itemRuns({0, 3, 2, {1, 0, 2, 0, 3, 3}}), SyntheticClient::itemUop({{5, 2, 1, {7, 0}}}),
            SyntheticClient::cliloc({{1, "One"}, {2, "Two"}})};
}

} // namespace

TEST(ClientReadersFuzz, DamagedFilesNeitherCrashNorHang)
{
    bool ok = false;
    const double seconds = qEnvironmentVariable("QM_FUZZ_SECONDS").toDouble(&ok);
    const qint64 budget = qint64((ok && seconds > 0 ? seconds : 4.0) * 1000);
    std::mt19937 random(std::random_device{}());
    const auto below = [&](qsizetype n) { return n <= 0 ? qsizetype(0) : qsizetype(random() % quint32(n)); };
    const QList<QByteArray> base = seeds();
    QElapsedTimer timer;
    timer.start();
    int runs = 0;
    while (timer.elapsed() < budget) {
        QByteArray bytes = base[below(base.size())];
        for (int steps = 1 + int(below(6)); steps > 0; --steps) {
            switch (below(4)) {
            case 0:
                for (int n = int(below(8)) + 1; n > 0 && !bytes.isEmpty(); --n)
                    bytes[below(bytes.size())] = char(random());
                break;
            case 1:
                bytes.truncate(below(bytes.size() + 1));
                break;
            case 2:   // a telling 32-bit value at a word boundary
                if (bytes.size() >= 8) {
                    static const quint32 values[] = {0, 1, 0xFFFFFFFFu, 0x7FFFFFFFu, 0x80000000u, 0x10000, 0x28};
                    const qsizetype at = 4 * below(bytes.size() / 4 - 1);
                    const quint32 v = values[below(std::size(values))];
                    for (int i = 0; i < 4; ++i)
                        bytes[at + i] = char(v >> (8 * i));
                }
                break;
            default:
                bytes.remove(below(bytes.size()), below(64));
            }
        }
        readAsClientFiles(bytes);
        ++runs;
    }
    std::printf("%d inputs\n", runs);
    SUCCEED();
}
