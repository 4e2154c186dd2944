#include "platform/ColorText.h"
#include "platform/NumberText.h"
#include "platform/RuntimeError.h"

#include <array>

namespace ColorText {

namespace {

struct NamedColor { const char *name; ColorValue value; };

constexpr std::array<NamedColor, 16> basicColors{{
    {"clBlack", 0x000000}, {"clMaroon", 0x000080}, {"clGreen", 0x008000},
    {"clOlive", 0x008080}, {"clNavy", 0x800000}, {"clPurple", 0x800080},
    {"clTeal", 0x808000}, {"clGray", 0x808080}, {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF}, {"clLime", 0x00FF00}, {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000}, {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
}};

// System colours 0x80000000 .. 0x80000018, in order.
constexpr std::array<const char *, 25> systemColorNames{{
    "clScrollBar", "clBackground", "clActiveCaption", "clInactiveCaption",
    "clMenu", "clWindow", "clWindowFrame", "clMenuText", "clWindowText",
    "clCaptionText", "clActiveBorder", "clInactiveBorder", "clAppWorkSpace",
    "clHighlight", "clHighlightText", "clBtnFace", "clBtnShadow", "clGrayText",
    "clBtnText", "clInactiveCaptionText", "clBtnHighlight", "cl3DDkShadow",
    "cl3DLight", "clInfoText", "clInfoBk",
}};

// A classic light desktop palette for the system colours, as 0x00BBGGRR.
constexpr std::array<ColorValue, 25> systemColorValues{{
    0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464,
    0x000000, 0x000000, 0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xD77800,
    0xFFFFFF, 0xF0F0F0, 0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF,
    0x696969, 0xE3E3E3, 0x000000, 0xE1FFFF,
}};

} // namespace

QString toText(ColorValue value)
{
    for (const auto &c : basicColors)
        if (c.value == value)
            return QString::fromLatin1(c.name);
    return QStringLiteral("$%1").arg(value, 8, 16, QLatin1Char('0'));
}

ColorValue fromText(const QString &text)
{
    for (const auto &c : basicColors)
        if (text.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0)
            return c.value;
    for (size_t i = 0; i < systemColorNames.size(); ++i)
        if (text.compare(QLatin1String(systemColorNames[i]), Qt::CaseInsensitive) == 0)
            return ColorValue(0x80000000u + i);
    return ColorValue(NumberText::parse(text));
}

QRgb toRgb(ColorValue value)
{
    if (value & 0x80000000u) {
        const quint32 index = value & 0xFFu;
        value = index < systemColorValues.size() ? systemColorValues[index] : 0;
    }
    const int r = value & 0xFF, g = (value >> 8) & 0xFF, b = (value >> 16) & 0xFF;
    return qRgb(r, g, b);
}

QColor toQColor(ColorValue value)
{
    return QColor::fromRgb(toRgb(value));
}

ColorValue fromQColor(const QColor &color)
{
    return ColorValue(color.red()) | (ColorValue(color.green()) << 8) | (ColorValue(color.blue()) << 16);
}

} // namespace ColorText
