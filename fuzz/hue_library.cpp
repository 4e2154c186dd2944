// One input is a hue library (ColorLibary.INI). The picker's shown, the text
// index and the colour table are read from it as the windows read them.
#include "assets/HueLibrary.h"
#include "fuzz/FuzzInput.h"
#include "platform/RuntimeError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString dir = FuzzInput::scratchDir() + QStringLiteral("hues/");
    FuzzInput::writeFile(HueLibrary::pathIn(dir), FuzzInput::bytes(data, size));
    const HueLibrary library(dir);
    const int maximum = library.pickerMaximum();
    FuzzInput::check(maximum >= 1);
    for (const int position : {1, maximum}) {
        const QList<HueSlot> shown = library.pickerSlots(position);
        FuzzInput::check(shown.size() == HueLibrary::slotCount);
        for (int slot = 0; slot < HueLibrary::slotCount; ++slot) {
            try {
                (void)shown[slot].color();
                (void)library.selectedHue(position, slot);
            } catch (const RuntimeError &) {
                // a value that is no number is the user's to mend, named by the window
            }
        }
    }
    // The index has a line per SPHERE text and one for "0": never more
    // than the input has lines, whatever TOTAL says.
    const QHash<QString, int> index = library.firstEntries();
    const QByteArray text = FuzzInput::bytes(data, size);
    FuzzInput::check(index.size() <= text.count('\n') + text.count('\r') + 2);
    for (const int entry : index)
        FuzzInput::check(entry >= 1 && entry <= HueLibrary::maxIndexedEntries);
    (void)library.colorTexts();
    return 0;
}
