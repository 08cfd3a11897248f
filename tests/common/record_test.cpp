#include "common/record.hpp"

#include <gtest/gtest.h>

namespace korval {
namespace {

// The vector record of the project file, as its column table reads.
const Layout kVector = {
    Character(), Text(8), Skip(1), Text(8),  //
    Decimal(13, 4), Decimal(7, 4), Decimal(13, 4), Decimal(7, 4), Decimal(13, 4), Decimal(7, 4),
};

TEST(RecordEngine, WritesAndReadsBackAVectorRecord) {
  const std::string line =
      FormatLine(kVector, {' ', "BASE1", "ROVER22", 1234.5678, 0.0012, -876.5, 0.002, 3.25, 0.0031});
  EXPECT_EQ(line.size(), 78u);
  EXPECT_EQ(line.substr(0, 18), " BASE1    ROVER22 ");
  EXPECT_EQ(line.substr(18, 13), "    1234.5678");
  Values values;
  ASSERT_EQ(ParseLine(kVector, line, values), ReadStatus::kOk);
  EXPECT_EQ(values.Text(1), "BASE1   ");
  EXPECT_EQ(values.Text(2), "ROVER22 ");
  EXPECT_DOUBLE_EQ(values.Real(5), -876.5);
  EXPECT_DOUBLE_EQ(values.Real(8), 0.0031);
}

TEST(RecordEngine, ShortLinesReadAsBlanks) {
  Values values;
  ASSERT_EQ(ParseLine(kVector, " ABC", values), ReadStatus::kOk);
  EXPECT_EQ(values.Text(1), "ABC     ");
  EXPECT_EQ(values.Text(2), "        ");
  EXPECT_DOUBLE_EQ(values.Real(3), 0.0);
}

TEST(RecordEngine, UnreadableNumericFieldIsReportedAsSuch) {
  Values values;
  EXPECT_EQ(ParseLine(kVector, " A        B          12XX.0", values), ReadStatus::kUnreadable);
}

TEST(RecordEngine, FixedTextNewLineAndRepeatedGroups) {
  const Layout layout = {Fixed(" N = "), Integer(3), NewLine(), Repeat(3, {Skip(1), Text(4)})};
  const std::vector<std::string> lines = FormatRecord(layout, {7, "AB", "CDEFG"});
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], " N =   7");
  EXPECT_EQ(lines[1], " AB   CDEF");  // the group stops with the values
  EXPECT_EQ(LineCount(layout), 2);
  Values values;
  const std::vector<std::string_view> in{lines[0], lines[1]};
  ASSERT_EQ(ParseRecord(layout, in, values), ReadStatus::kOk);
  EXPECT_EQ(values.Int(0), 7);
  EXPECT_EQ(values.Text(2), "CDEF");
  EXPECT_EQ(values.Text(3), "    ");
}

TEST(RecordEngine, OverflowFillsOnlyItsOwnField) {
  const Layout layout = {Skip(1), Decimal(8, 4), Integer(2)};
  EXPECT_EQ(FormatLine(layout, {123456.7, 5}), " ******** 5");
}

}  // namespace
}  // namespace korval
