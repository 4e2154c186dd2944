// Damaged and hostile update lists. One input is the bytes of a list as the
// server sends it. Built as a libFuzzer target with Clang, and with any
// compiler as a program that feeds randomised lists for QM_FUZZ_SECONDS
// (default 3) under the sanitizers.
#include "net/UpdateList.h"
#include "platform/TextFile.h"

#include <QByteArray>
#include <QElapsedTimer>

#include <cstdint>
#include <cstdio>
#include <random>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (bytes.size() > UpdateList::MaxBytes)
        return 0;
    const UpdateList list = UpdateList::fromLines(TextFile::splitLines(bytes));
    const qsizetype lines = list.lines().size();
    if (qsizetype(list.files().size()) != (lines > 1 ? (lines - 1) / 2 : 0))
        __builtin_trap();
    const int unsafe = list.firstUnsafeLine();
    if (unsafe < 0 || unsafe > lines || (unsafe != 0 && unsafe < 2))
        __builtin_trap();
    if (unsafe == 0)
        for (const UpdateFile &f : list.files())
            for (const QString &name : {f.local, f.remote})
                if (name.contains(u"..") && QString(name).replace(u'\\', u'/').split(u'/').contains(u".."))
                    __builtin_trap();
    (void)list.isNewerThan(141);
    return 0;
}

#ifndef QM_LIBFUZZER
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
#endif
