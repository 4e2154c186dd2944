// One input is a settings file. Every option is read from it; a value that
// cannot be read gives its default and names its key, never a failure.
#include "editor/Settings.h"
#include "fuzz/FuzzInput.h"
#include "platform/IniFile.h"
#include "platform/RuntimeError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = FuzzInput::scratchDir() + QStringLiteral("Quillmark.INI");
    FuzzInput::writeFile(path, FuzzInput::bytes(data, size));
    const IniFile file(path);
    QStringList problems;
    const Settings s = Settings::read(file, &problems);
    FuzzInput::check(Settings::mouseActions().contains(s.leftAction));
    FuzzInput::check(Settings::exportVersions().contains(s.exportVersion));
    FuzzInput::check(Settings::drawEngines().contains(s.drawEngine));
    (void)file.valuesBySection(QStringLiteral("COLOR"));
    (void)file.sectionExists(QStringLiteral("Ruler"));
    return 0;
}
