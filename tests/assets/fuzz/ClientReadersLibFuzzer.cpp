// libFuzzer entry point for the client readers (target
// quillmark_client_libfuzzer, Clang only); run e.g.
//   quillmark_client_libfuzzer -max_total_time=60 corpus/
#include "fuzz/ClientReaders.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    readAsClientFiles(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
