// Merging a solution into an existing INFO.VEC: what stays, what moves, and a
// rewrite that fails half-way.
#include "solnimp/project_merge.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/record_file.hpp"
#include "solnimp/run.hpp"
#include "tests/support/project.hpp"

namespace korval::solnimp {
namespace {

ControlRecord Control(const std::string& name, double height, int mark) {
  ControlRecord c;
  c.name = name;
  c.latitude_degrees = 40;
  c.latitude_minutes = 10;
  c.latitude_seconds = 1.5;
  c.latitude_sd = 0.0001;
  c.longitude_degrees = 105;
  c.longitude_minutes = 20;
  c.longitude_seconds = 2.5;
  c.longitude_sd = 0.0001;
  c.height = height;
  c.height_sd = 0.0001;
  c.last_control_mark = mark;
  return c;
}

VectorRecord Vector(const std::string& from, const std::string& to, double dx) {
  VectorRecord v;
  v.from = from;
  v.to = to;
  v.dx = dx;
  v.sx = v.sy = v.sz = 0.005;
  return v;
}

const std::string kEndMark = FormatVectorRecord(Vector("0", "END", 0.0));

TEST(ProjectMerge, NewStationsFollowTheControlSectionAndTakeTheMark) {
  const std::vector<std::string> lines = {FormatControlRecord(Control("OLD", 1.0, 1))};
  const auto merged = MergeIntoProject(lines, {Control("NEW1", 2.0, 0), Control("NEW2", 3.0, 1)},
                                       {Vector("NEW1", "S", 1.0), Vector("NEW2", "S", 2.0)});
  ASSERT_EQ(merged.size(), 5u);
  EXPECT_EQ(merged[0], WithLastControlMark(lines[0], '0'));
  EXPECT_EQ(merged[1], FormatControlRecord(Control("NEW1", 2.0, 0)));
  EXPECT_EQ(merged[2], FormatControlRecord(Control("NEW2", 3.0, 1)));
  EXPECT_EQ(merged[3], FormatVectorRecord(Vector("NEW1", "S", 1.0)));
  EXPECT_EQ(merged[4], FormatVectorRecord(Vector("NEW2", "S", 2.0)));
}

TEST(ProjectMerge, KnownReferenceStationKeepsItsRecordFlagAndValues) {
  // A hand-typed record: flagged, its own standard deviations, a note after
  // column 78, and a value written without its decimal point.
  std::string known = FormatControlRecord(Control("KRV1", 1650.0, 0));
  known[0] = '*';
  known.replace(56, 12, "    16501234");  // height 1650.1234 with implied decimals
  known.replace(68, 8, "  0.0200");
  known += "  held fixed 2011";
  const std::vector<std::string> lines = {known, FormatControlRecord(Control("OTHER", 5.0, 1)),
                                          FormatVectorRecord(Vector("OTHER", "KRV1", 9.0))};
  const auto merged = MergeIntoProject(lines, {Control("KRV1", 1.0, 0), Control("PSGR", 2.0, 1)},
                                       {Vector("KRV1", "S", 1.0), Vector("PSGR", "S", 2.0)});
  ASSERT_EQ(merged.size(), 6u);
  EXPECT_EQ(merged[0], known);  // the mark was 0 already: not a character changed
  EXPECT_EQ(merged[1], WithLastControlMark(lines[1], '0'));
  EXPECT_EQ(merged[2], FormatControlRecord(Control("PSGR", 2.0, 1)));
  EXPECT_EQ(merged[3].substr(0, 78), lines[2]);
  EXPECT_EQ(merged[4], FormatVectorRecord(Vector("KRV1", "S", 1.0)));  // appended although KRV1 is known
}

TEST(ProjectMerge, MarkMovesOnlyInColumn78) {
  const std::string short_record = " A        40 10  1.50000";
  EXPECT_EQ(WithLastControlMark(short_record, '1'), short_record + std::string(53, ' ') + "1");
  const std::string long_record = FormatControlRecord(Control("A", 1.0, 1)) + " note";
  EXPECT_EQ(WithLastControlMark(long_record, '0'), long_record.substr(0, 77) + "0 note");
}

TEST(ProjectMerge, VectorsGoInFrontOfTheEndMark) {
  const std::vector<std::string> lines = {FormatControlRecord(Control("A", 1.0, 1)),
                                          FormatVectorRecord(Vector("A", "B", 1.0)), kEndMark,
                                          FormatVectorRecord(Vector("A", "C", 2.0))};
  const auto merged = MergeIntoProject(lines, {Control("A", 1.0, 1)}, {Vector("A", "S", 3.0)});
  ASSERT_EQ(merged.size(), 5u);
  EXPECT_EQ(merged[2], FormatVectorRecord(Vector("A", "S", 3.0)));
  EXPECT_EQ(merged[3].substr(0, 78), kEndMark);
  EXPECT_EQ(merged[4].substr(0, 78), lines[3]);  // set aside by the end mark, as before
}

TEST(ProjectMerge, FlaggedOrUnreadableEndMarkIsNotAnEndMark) {
  std::string flagged = kEndMark;
  flagged[0] = '*';
  std::string unreadable = kEndMark;
  unreadable.replace(20, 3, "x.y");
  const std::vector<std::string> lines = {FormatControlRecord(Control("A", 1.0, 1)), flagged, unreadable};
  const auto merged = MergeIntoProject(lines, {}, {Vector("A", "S", 3.0)});
  ASSERT_EQ(merged.size(), 4u);
  EXPECT_EQ(merged[3], FormatVectorRecord(Vector("A", "S", 3.0)));
}

TEST(ProjectMerge, NothingTheUserWroteIsDropped) {
  const std::string note = "THIS LINE IS A NOTE ABOUT THE CONTROL, NOT A RECORD";
  const std::string long_line = FormatVectorRecord(Vector("A", "B", 1.0)) + "  observed twice, see field book 7";
  const std::vector<std::string> lines = {FormatControlRecord(Control("A", 1.0, 0)), note,
                                          FormatControlRecord(Control("B", 1.0, 1)), long_line, "",
                                          FormatVectorRecord(Vector("B", "C", 1.0))};
  const auto merged = MergeIntoProject(lines, {Control("N", 1.0, 1)}, {Vector("N", "S", 3.0)});
  ASSERT_EQ(merged.size(), 8u);
  EXPECT_EQ(merged[1], note);
  EXPECT_EQ(merged[2], WithLastControlMark(lines[2], '0'));
  EXPECT_EQ(merged[3], FormatControlRecord(Control("N", 1.0, 1)));
  EXPECT_EQ(merged[4], long_line);
  EXPECT_EQ(merged[5], std::string(80, ' '));
  EXPECT_EQ(merged[6], lines[5] + "  ");
  EXPECT_EQ(merged[7], FormatVectorRecord(Vector("N", "S", 3.0)));
}

TEST(ProjectMerge, ControlSectionEndingAtTheEndOfTheFile) {
  const std::vector<std::string> lines = {FormatControlRecord(Control("A", 1.0, 0))};
  const auto merged = MergeIntoProject(lines, {Control("B", 1.0, 1)}, {Vector("B", "S", 3.0)});
  ASSERT_EQ(merged.size(), 3u);
  EXPECT_EQ(merged[0], lines[0]);
  EXPECT_EQ(merged[1], FormatControlRecord(Control("B", 1.0, 1)));
}

// A run whose rewrite of the project files fails between the temporary file
// and its rename: the old files stay whole and the run says so.
TEST(ProjectMerge, InterruptedRewriteLeavesTheOldInfoVec) {
  testing::TempProject project;
  project.CopyIn(testing::TestSource("solnimp/fixtures/BM42.TXT"), "BM42.TXT");
  const std::vector<std::string> old_info = {FormatControlRecord(Control("A", 1.0, 1)),
                                             FormatVectorRecord(Vector("A", "B", 1.0)), kEndMark};
  project.Write("INFO.VEC", old_info);
  const std::string before = project.ReadRaw("INFO.VEC");
  RecordFile::SetSaveFailureForTesting(true);
  const auto result = testing::RunWithAnswers(project, solnimp::Run, {"BM42", "", ""});
  RecordFile::SetSaveFailureForTesting(false);
  EXPECT_EQ(project.ReadRaw("INFO.VEC"), before);
  EXPECT_NE(result.console.find(" COULD NOT WRITE INFO.VEC - FILE LEFT AS IT WAS"), std::string::npos);
  EXPECT_EQ(result.exit_status, 1);
  for (const auto& entry : std::filesystem::directory_iterator(project.dir())) {
    EXPECT_EQ(entry.path().filename().string().find("tmp"), std::string::npos) << entry.path();
  }
}

}  // namespace
}  // namespace korval::solnimp
