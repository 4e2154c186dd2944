#include "platform/ColorText.h"
#include "platform/RuntimeError.h"

#include <gtest/gtest.h>

TEST(ColorText, WritesBasicNamesAndDollarHex)
{
    EXPECT_EQ(ColorText::toText(0x0000FF), QStringLiteral("clRed"));
    EXPECT_EQ(ColorText::toText(0xFFFFFF), QStringLiteral("clWhite"));
    EXPECT_EQ(ColorText::toText(0x00FF00), QStringLiteral("clLime"));
    EXPECT_EQ(ColorText::toText(0x00A0B0C0), QStringLiteral("$00a0b0c0"));
    EXPECT_EQ(ColorText::toText(0x80000005), QStringLiteral("$80000005"));
}

TEST(ColorText, ReadsNamesIgnoringCaseSystemNamesAndNumbers)
{
    EXPECT_EQ(ColorText::fromText("clred"), 0x0000FFu);
    EXPECT_EQ(ColorText::fromText("CLAQUA"), 0xFFFF00u);
    EXPECT_EQ(ColorText::fromText("clScrollBar"), 0x80000000u);
    EXPECT_EQ(ColorText::fromText("clInfoBk"), 0x80000018u);
    EXPECT_EQ(ColorText::fromText("clBtnFace"), 0x8000000Fu);
    EXPECT_EQ(ColorText::fromText("$00a0b0c0"), 0x00A0B0C0u);
    EXPECT_EQ(ColorText::fromText("255"), 255u);
    EXPECT_THROW(ColorText::fromText("reddish"), RuntimeError);
    EXPECT_THROW(ColorText::fromText(""), RuntimeError);
}

TEST(ColorText, RoundTripsEveryBasicAndArbitraryValue)
{
    for (ColorValue v : {0x000000u, 0x808080u, 0xC0C0C0u, 0x123456u, 0xFF00FFu, 0x010101u})
        EXPECT_EQ(ColorText::fromText(ColorText::toText(v)), v);
    EXPECT_EQ(ColorText::toRgb(0x0000FF), qRgb(255, 0, 0));
    EXPECT_EQ(ColorText::fromQColor(QColor(0x10, 0x10, 0x21)), 0x211010u);
}
