#include "core/TextRules.h"

#include <gtest/gtest.h>

using namespace miravel;

TEST(Str, ReservesTheSignPosition)
{
    EXPECT_EQ(Str(35), " 35");
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(-1), "-1");
    EXPECT_EQ(Str(-32768), "-32768");
}

TEST(LeadingNumber, ReadsTheNumberAtTheStartAndIgnoresBlanks)
{
    EXPECT_DOUBLE_EQ(LeadingNumber("85"), 85);
    EXPECT_DOUBLE_EQ(LeadingNumber(" 8 5 "), 85);
    EXPECT_DOUBLE_EQ(LeadingNumber("-1.5点"), -1.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("+3"), 3);
    EXPECT_DOUBLE_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(LeadingNumber("12-3"), 12);
    EXPECT_DOUBLE_EQ(LeadingNumber("72.3;"), 72.3);
}

TEST(LeadingNumber, TextWithoutANumberGivesZero)
{
    EXPECT_DOUBLE_EQ(LeadingNumber(""), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("   "), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("abc"), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("-"), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("*72"), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("--3"), 0);
    EXPECT_FALSE(HasLeadingNumber("*"));
    EXPECT_TRUE(HasLeadingNumber(" 0"));
}

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundToInteger(7.5), 8);
    EXPECT_EQ(RoundToInteger(6.5), 6);
    EXPECT_EQ(RoundToInteger(72.5), 72);
    EXPECT_EQ(RoundToInteger(73.5), 74);
    EXPECT_EQ(RoundToInteger(-2.5), -2);
    EXPECT_EQ(RoundToInteger(72.51), 73);
}

TEST(Rounding, SixteenBitRangeIsChecked)
{
    EXPECT_EQ(ToInt16(32767.4), std::optional<std::int16_t>(32767));
    EXPECT_EQ(ToInt16(-32768.5), std::optional<std::int16_t>(-32768));
    EXPECT_FALSE(ToInt16(32767.5)); // rounds to 32768
    EXPECT_FALSE(ToInt16(-40000));
    EXPECT_EQ(RoundToInteger(1e9), 32767);
}

TEST(OneDecimal, WritesExactlyOneDecimal)
{
    EXPECT_EQ(OneDecimal(-1), "-1.0");
    EXPECT_EQ(OneDecimal(85), "85.0");
    EXPECT_EQ(OneDecimal(0.5), "0.5");
    EXPECT_EQ(OneDecimal(10072.5f), "10072.5");
    EXPECT_EQ(OneDecimal(1234.56), "1234.6"); // no digit grouping
    EXPECT_EQ(OneDecimal(-0.04), "0.0");
}

TEST(OneDecimal, ExactHalvesGoToTheEvenDigit)
{
    EXPECT_EQ(OneDecimal(72.25f), "72.2");
    EXPECT_EQ(OneDecimal(72.75f), "72.8");
    // 72.35 in single precision is 72.3499984…, below the half.
    EXPECT_EQ(OneDecimal(72.35f), "72.3");
}
