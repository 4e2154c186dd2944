// One input is read as every kind of game client file (see ClientReaders.h).
#include "fuzz/ClientReaders.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    readAsClientFiles(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
