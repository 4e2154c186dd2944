#include "platform/NumberText.h"
#include "platform/RuntimeError.h"

#include <gtest/gtest.h>

TEST(NumberText, AcceptsDecimalAndPrefixedHex)
{
    EXPECT_EQ(NumberText::parse("0"), 0);
    EXPECT_EQ(NumberText::parse("-15"), -15);
    EXPECT_EQ(NumberText::parse("+7"), 7);
    EXPECT_EQ(NumberText::parse("  42"), 42);
    EXPECT_EQ(NumberText::parse("0x1F4"), 500);
    EXPECT_EQ(NumberText::parse("0XfF"), 255);
    EXPECT_EQ(NumberText::parse("$10"), 16);
    EXPECT_EQ(NumberText::parse("2147483647"), 2147483647);
    EXPECT_EQ(NumberText::parse("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(NumberText::parse("$FFFFFFFF"), -1);
    EXPECT_EQ(NumberText::parseHex("F7"), 247);
}

TEST(NumberText, RejectsEverythingElseWithTheRuntimeMessage)
{
    for (const char *bad : {"", " ", "12a", "1 ", "0x", "$", "2147483648", "1.5", "0x1G", "--1"}) {
        EXPECT_FALSE(NumberText::tryParse(QString::fromLatin1(bad)).has_value()) << bad;
    }
    try {
        NumberText::parse("abc");
        FAIL();
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("'abc' is not a valid integer value"));
    }
    EXPECT_THROW(NumberText::parseHex(""), RuntimeError);
    EXPECT_EQ(NumberText::parseOr("x", 9), 9);
}

TEST(NumberText, SecondsInGeneralNotation)
{
    EXPECT_EQ(NumberText::secondsText(47), QStringLiteral("0.047"));
    EXPECT_EQ(NumberText::secondsText(0), QStringLiteral("0"));
    EXPECT_EQ(NumberText::secondsText(1500), QStringLiteral("1.5"));
}
