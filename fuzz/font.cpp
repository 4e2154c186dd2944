// One input is a font file; what the reader makes of it is drawn by the
// converter in both modes.
#include "assets/BitmapFontFile.h"
#include "assets/TextConverter.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const BitmapFont font = BitmapFontFile::read(bytes);
    if (font.glyphStrip.size() != QSize(BitmapFontFile::StripWidth, BitmapFontFile::StripHeight)
        || font.glyphWidths.size() > font.glyphNames.size())
        __builtin_trap();
    const TextConverter converter(font);
    static const QString texts[] = {QStringLiteral("Ab: c.d?"), QStringLiteral("{|}  <x>\\/*\""),
                                    QStringLiteral("G0G1G93 sa sb \u00e9")};
    for (const QString &text : texts)
        for (const auto mode : {TextConverter::Mode::Plain, TextConverter::Mode::Perfect})
            if (converter.render(text, 0x0000FF, mode).width() != converter.width(text, mode))
                __builtin_trap();
    return 0;
}
