#include "platform/SphereNumber.h"

#include <QString>

#include <gtest/gtest.h>

TEST(SphereNumber, ReadsAsTheServerReads)
{
    const struct { const char *text; std::optional<int> value; } cases[] = {
        {"1152", 1152}, {"0480", 1152}, {"09d36", 0x9D36}, {"010", 16}, {"0", 0}, {"00", 0},
        {"0x1F4", 500}, {"0X1f4", 500}, {"-5", -5}, {"+7", 7}, {" 42 ", 42},
        {"0FFFFFFFF", -1}, {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt}, {"012345678A", std::nullopt}, {"", std::nullopt}, {"-", std::nullopt},
        {"0x", std::nullopt}, {"12a", std::nullopt}, {"1 2", std::nullopt}, {"<eval 5>", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SphereNumber::tryParse(QString::fromLatin1(c.text)), c.value) << c.text;
}
