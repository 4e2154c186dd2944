// Randomised hostile update lists fed to the update list's fuzz entry point
// (fuzz/update_list.cpp) for QM_FUZZ_SECONDS (default 3), built with the
// sanitizers by any compiler.
#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <random>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main()
{
    bool ok = false;
    const double seconds = qEnvironmentVariable("QM_FUZZ_SECONDS").toDouble(&ok);
    const qint64 budget = qint64((ok && seconds > 0 ? seconds : 3.0) * 1000);
    std::mt19937 random(std::random_device{}());
    const auto below = [&](int n) { return n <= 0 ? 0 : int(random() % unsigned(n)); };
    static const char *const pieces[] = {"150", "141", "-1", "99999999999", "0x20", "<html>", "Brindle.exe",
                                         "../", "..\\", "/", "\\", "C:", "http://h/", "//h/", ".", "a", "\r\n",
                                         "\n", "\r", "\0", "\x7f", "\xff", " ", "?", "#"};
    QElapsedTimer clock;
    clock.start();
    long inputs = 0;
    while (clock.elapsed() < budget) {
        QByteArray bytes;
        for (int n = below(40); n > 0; --n) {
            if (below(4) == 0)
                bytes.append(char(random()));
            else {
                const char *piece = pieces[below(int(std::size(pieces)))];
                bytes.append(piece, *piece ? qsizetype(qstrlen(piece)) : 1);
            }
        }
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()));
        ++inputs;
    }
    std::printf("%ld update lists\n", inputs);
    return 0;
}
