// One input is the bytes of an update list as the server sends it. Besides
// the libFuzzer run, the GCC build drives this entry point with randomised
// lists (tests/net/fuzz/UpdateListFuzz.cpp).
#include "net/UpdateList.h"
#include "platform/TextFile.h"

#include <QByteArray>

#include <cstdint>

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
