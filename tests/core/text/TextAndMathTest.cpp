#include <gtest/gtest.h>

#include <stdexcept>

#include "core/text/MyMath.h"
#include "core/text/Text.h"

namespace vb {

TEST(TextHelpers, ReverseText) {
  EXPECT_EQ(ReverseText("ABC"), "CBA");
  EXPECT_EQ(ReverseText("A"), "A");
  EXPECT_EQ(ReverseText(""), "");
  EXPECT_EQ(ReverseText("TAC"), "CAT");
}

TEST(TextHelpers, TruthValuesAreUpperCaseOnly) {
  EXPECT_EQ(BoolToText(true), "TRUE");
  EXPECT_EQ(BoolToText(false), "FALSE");
  EXPECT_TRUE(TextToBool("TRUE"));
  EXPECT_FALSE(TextToBool("true"));
  EXPECT_FALSE(TextToBool("True"));
  EXPECT_FALSE(TextToBool(" TRUE"));
}

TEST(TextHelpers, TextToIntAcceptsOnlyWhole32BitDecimals) {
  EXPECT_EQ(TextToInt("30"), 30);
  EXPECT_EQ(TextToInt("-5"), -5);
  EXPECT_EQ(TextToInt("+7"), 7);
  EXPECT_EQ(TextToInt("2147483647"), 2147483647);
  EXPECT_EQ(TextToInt("-2147483648"), -2147483647 - 1);
  for (const char* bad : {"", "-", "abc", "12a", " 12", "2147483648", "-2147483649", "99999999999999999999"})
    EXPECT_THROW(TextToInt(bad), std::invalid_argument) << bad;
}

TEST(Rounding, FractionalPartsKeepOrDropTheSign) {
  EXPECT_DOUBLE_EQ(FractionalPart(-2.25), -0.25);
  EXPECT_DOUBLE_EQ(PositiveFractionalPart(-2.25), 0.75);
  EXPECT_DOUBLE_EQ(PositiveFractionalPart(2.25), 0.25);
  EXPECT_DOUBLE_EQ(PositiveFractionalPart(-3.0), 0.0);
}

TEST(Rounding, HalvesGoUpward) {
  EXPECT_EQ(RoundHalfUp(2.5), 3);
  EXPECT_EQ(RoundHalfUp(-2.5), -2);
  EXPECT_EQ(RoundHalfUp(-2.6), -3);
  EXPECT_EQ(RoundHalfUp(0.5), 1);
  EXPECT_EQ(RoundHalfUp(0.4999), 0);
  EXPECT_EQ(RoundHalfUp(1000.0), 1000);
  EXPECT_EQ(RoundHalfUp(-0.5), 0);
  EXPECT_EQ(RoundHalfUp(9.5), 10);
}

TEST(Rounding, MaxOf) {
  int zeros[40] = {};
  EXPECT_EQ(MaxOf(zeros, 40), 0);
  int values[] = {3, -7, 12, 5};
  EXPECT_EQ(MaxOf(values, 4), 12);
  EXPECT_EQ(MaxOf(values, 2), 3);
  EXPECT_EQ(MaxOf(values, 0), -2147483647 - 1);
}

}  // namespace vb
