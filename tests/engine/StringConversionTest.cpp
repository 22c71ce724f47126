#include "engine/StringConversion.h"

#include <gtest/gtest.h>

#include <climits>

TEST(StringConversion, WritesDecimalTextWithASignForNegatives)
{
    EXPECT_EQ(intToString(-5), "-5");
    EXPECT_EQ(intToString(0), "0");
    EXPECT_EQ(intToString(599), "599");
    EXPECT_EQ(intToString(INT_MIN), "-2147483648");
}

TEST(StringConversion, ReadsTheNumberAtTheStartOfTheText)
{
    EXPECT_EQ(stringToInt("599"), 599);
    EXPECT_EQ(stringToInt("-27"), -27);
    EXPECT_EQ(stringToInt("  12 and more"), 12);
    EXPECT_EQ(stringToInt("12abc"), 12);
    EXPECT_EQ(stringToInt(intToString(INT_MAX)), INT_MAX);
}

TEST(StringConversion, TextThatDoesNotBeginWithANumberIsZero)
{
    EXPECT_EQ(stringToInt(""), 0);
    EXPECT_EQ(stringToInt("abc"), 0);
    EXPECT_EQ(stringToInt("-"), 0);
}
