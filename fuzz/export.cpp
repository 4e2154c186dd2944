// One input is a project file; its design is exported in both dialects
// against the sample library. A record the export cannot write stops it with
// a message naming the line; nothing else may.
#include "document/Document.h"
#include "fuzz/SampleLibrary.h"
#include "platform/RuntimeError.h"
#include "sphere/SphereExport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QStringList lines = Document::parseProjectText(FuzzInput::bytes(data, size));
    for (const QString &dialect : {SphereDialect::V55iTo99g, SphereDialect::V48eTo51a}) {
        QStringList script;
        try {
            writeSphereScript(lines, dialect, QStringLiteral("d"), SampleLibrary::appDir(), script);
        } catch (const RuntimeError &) {
            continue;
        }
        // No field of a record becomes a script line of its own.
        for (const QString &line : script)
            FuzzInput::check(!line.contains(u'\n') && !line.contains(u'\r'));
    }
    return 0;
}
