#include "common/fields.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace korval {
namespace {

TEST(DecimalField, ReadsImpliedDecimalsOnlyWithoutAPoint) {
  EXPECT_DOUBLE_EQ(*ParseDecimal("12345", 3), 12.345);
  EXPECT_DOUBLE_EQ(*ParseDecimal(" 12.5", 3), 12.5);
  EXPECT_DOUBLE_EQ(*ParseDecimal("-12345", 3), -12.345);
  EXPECT_DOUBLE_EQ(*ParseDecimal("1 2.5", 3), 12.5);  // blanks inside ignored
  EXPECT_DOUBLE_EQ(*ParseDecimal("        ", 4), 0.0);
  EXPECT_DOUBLE_EQ(*ParseDecimal("   .5", 4), 0.5);
  EXPECT_DOUBLE_EQ(*ParseDecimal("  -.5", 4), -0.5);
}

TEST(DecimalField, AcceptsExponentsWithEOrD) {
  EXPECT_DOUBLE_EQ(*ParseDecimal("1.5E3", 4), 1500.0);
  EXPECT_DOUBLE_EQ(*ParseDecimal("1.5D-2", 4), 0.015);
  EXPECT_DOUBLE_EQ(*ParseDecimal("2.5e+1", 4), 25.0);
  EXPECT_DOUBLE_EQ(*ParseDecimal("15E2", 1), 150.0);  // implied decimal, then the power
  EXPECT_DOUBLE_EQ(*ParseDecimal("1.5+3", 4), 1500.0);
}

TEST(DecimalField, RefusesWhatIsNotANumber) {
  EXPECT_FALSE(ParseDecimal("ABC", 4));
  EXPECT_FALSE(ParseDecimal("1.2.3", 4));
  EXPECT_FALSE(ParseDecimal("12-", 4));
  EXPECT_FALSE(ParseDecimal("1E", 4));
  EXPECT_FALSE(ParseDecimal("1E400", 4));  // not finite
  EXPECT_FALSE(ParseDecimal(".", 4));
  EXPECT_FALSE(ParseDecimal("NAN", 4));
}

TEST(IntegerField, IgnoresBlanksAndReadsBlankAsZero) {
  EXPECT_EQ(*ParseInteger("1 2"), 12);
  EXPECT_EQ(*ParseInteger("   "), 0);
  EXPECT_EQ(*ParseInteger(" -7"), -7);
  EXPECT_FALSE(ParseInteger("1.0"));
  EXPECT_FALSE(ParseInteger("A1"));
  EXPECT_FALSE(ParseInteger("99999999999999999999999"));
}

TEST(DecimalOutput, RightAlignsRoundsAndFillsOverflowWithAsterisks) {
  EXPECT_EQ(FormatDecimal(123456.7, 8, 4), "********");
  EXPECT_EQ(FormatDecimal(12.34567, 9, 4), "  12.3457");
  EXPECT_EQ(FormatDecimal(-12.34567, 9, 4), " -12.3457");
  EXPECT_EQ(FormatDecimal(0.5, 7, 4), " 0.5000");
  EXPECT_EQ(FormatDecimal(0.5, 5, 4), ".5000");     // no room for the zero
  EXPECT_EQ(FormatDecimal(-0.5, 6, 4), "-.5000");
  EXPECT_EQ(FormatDecimal(-0.00001, 8, 4), "  0.0000");  // no minus on a zero
  EXPECT_EQ(FormatDecimal(12345.4, 12, 0), "      12345.");
  EXPECT_EQ(FormatDecimal(std::nan(""), 6, 2), "******");
  EXPECT_EQ(FormatDecimal(std::numeric_limits<double>::infinity(), 6, 2), "******");
  EXPECT_EQ(FormatDecimal(1e40, 10, 2), "**********");
}

TEST(IntegerAndTextOutput, AlignAndCut) {
  EXPECT_EQ(FormatInteger(27, 2), "27");
  EXPECT_EQ(FormatInteger(-5, 3), " -5");
  EXPECT_EQ(FormatInteger(1000, 3), "***");
  EXPECT_EQ(FormatText("ABC", 8), "ABC     ");
  EXPECT_EQ(FormatText("ABCDEFGHIJ", 8), "ABCDEFGH");
}

TEST(Columns, ReadsBeyondTheLineAsBlanks) {
  EXPECT_EQ(Columns("ABCDE", 3, 8), "CDE     ");
  EXPECT_EQ(Columns("AB", 5, 3), "   ");
  EXPECT_EQ(TrimRight("VECTOR  "), "VECTOR");
}

}  // namespace
}  // namespace korval
