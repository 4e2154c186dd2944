// One input is a script file; the first dialog it names is imported, and
// so is a fixed name.
#include "platform/TextFile.h"
#include "sphere/ButtonArtMatcher.h"
#include "sphere/SphereImport.h"
#include "sphere/SphereScript.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = TextFile::splitLines(bytes);
    QStringList names = {QStringLiteral("d")};
    for (const SphereScript::Section &s : SphereScript::sections(lines))
        if (s.header.size() == 2) {
            names << s.header[1];
            break;
        }
    for (const QString &name : names) {
        ButtonArtMatcher buttons(QStringLiteral("/nonexistent-library/"));
        const ImportResult r = SphereImport::importLines(lines, name, buttons);
        if (r.imported && (r.lines.size() < 6 || r.lines.first() != u"{BOP"))
            __builtin_trap();
    }
    return 0;
}
