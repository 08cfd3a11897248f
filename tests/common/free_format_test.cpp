#include "common/free_format.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace korval {
namespace {

LineSource FromLines(std::vector<std::string> lines) {
  auto shared = std::make_shared<std::vector<std::string>>(std::move(lines));
  auto next = std::make_shared<size_t>(0);
  return [shared, next]() -> std::optional<std::string> {
    if (*next >= shared->size()) return std::nullopt;
    return (*shared)[(*next)++];
  };
}

TEST(FreeFormat, CommaAndBlankSeparateValues) {
  double values[2] = {0, 0};
  const ListResult result = ReadListFromText("0.02, 10", values);
  EXPECT_EQ(result.status, ListStatus::kOk);
  EXPECT_DOUBLE_EQ(values[0], 0.02);
  EXPECT_DOUBLE_EQ(values[1], 10.0);
}

TEST(FreeFormat, ValuesRunOverSeveralLinesAndTheRestOfTheLastIsPassedOver) {
  double values[3] = {0, 0, 0};
  const LineSource source = FromLines({"1", "", "2 3 4", "5"});
  EXPECT_EQ(ReadList(source, values).status, ListStatus::kOk);
  EXPECT_DOUBLE_EQ(values[2], 3.0);
  double next[1] = {0};
  EXPECT_EQ(ReadList(source, next).status, ListStatus::kOk);
  EXPECT_DOUBLE_EQ(next[0], 5.0);
}

TEST(FreeFormat, LettersAreUnreadableAndEndOfInputIsReported) {
  double values[2] = {0.01, 10};
  EXPECT_EQ(ReadListFromText("ABC", values).status, ListStatus::kUnreadable);
  EXPECT_EQ(ReadListFromText("0.5", values).status, ListStatus::kEnd);
  EXPECT_DOUBLE_EQ(values[0], 0.5);  // read before the input ended
}

TEST(FreeFormat, NullsAndSlashKeepPresets) {
  double values[3] = {0.01, 10, 7};
  EXPECT_EQ(ReadListFromText(",20", values).status, ListStatus::kEnd);
  EXPECT_DOUBLE_EQ(values[0], 0.01);
  EXPECT_DOUBLE_EQ(values[1], 20.0);
  double more[3] = {1, 2, 3};
  EXPECT_EQ(ReadListFromText("9 /", more).status, ListStatus::kOk);
  EXPECT_DOUBLE_EQ(more[0], 9.0);
  EXPECT_DOUBLE_EQ(more[1], 2.0);
  double repeated[3] = {0, 0, 0};
  EXPECT_EQ(ReadListFromText("3*1.5", repeated).status, ListStatus::kOk);
  EXPECT_DOUBLE_EQ(repeated[2], 1.5);
}

TEST(FreeFormat, IntegerItemsRefuseReals) {
  double values[2] = {0, 0};
  const ListKind kinds[2] = {ListKind::kInteger, ListKind::kReal};
  EXPECT_EQ(ReadListFromText("2 0.0001", values, kinds).status, ListStatus::kOk);
  EXPECT_EQ(ReadListFromText("2.5 1", values, kinds).status, ListStatus::kUnreadable);
}

}  // namespace
}  // namespace korval
