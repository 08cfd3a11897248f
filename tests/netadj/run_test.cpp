// The course of an adjustment run: what reaches the console and the report,
// in which order, and where a run stops.
#include "netadj/run.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/fields.hpp"
#include "tests/netadj/end_to_end_support.hpp"
#include "tests/support/project.hpp"

namespace korval::netadj {
namespace {

using korval::testing::RunResult;
using korval::testing::TempProject;

// Index of the first console line that holds `text` at or after `from`.
size_t Find(const std::vector<std::string>& lines, const std::string& text, size_t from = 0) {
  for (size_t i = from; i < lines.size(); ++i) {
    if (lines[i].find(text) != std::string::npos) return i;
  }
  return lines.size();
}

RunResult RunProject(const TempProject& project, const std::vector<std::string>& info_vec,
                     const std::string& korval_inf, const std::vector<std::string>& answers) {
  project.Write("INFO.VEC", info_vec);
  project.Write("KORVAL.INF", {korval_inf});
  return korval::testing::RunWithAnswers(project, korval::netadj::Run, answers);
}

TEST(RunTest, ConsoleShowsTheRunInItsOrder) {
  TempProject project;
  auto info = e2e::MakeProject(6, 2, 5, 41);
  std::string set_aside = info[4];
  set_aside[0] = '*';
  info.insert(info.begin() + 4, set_aside);  // a vector set aside
  const RunResult run = RunProject(project, info, e2e::KorvalInf(2, 2, 1, 0, 1, 1, 0.0001), {"", "n", ""});
  ASSERT_EQ(run.exit_status, 0) << run.console;
  EXPECT_TRUE(korval::testing::AllLinesEndWithCrLf(run.console));

  const auto& lines = run.lines;
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], " COMPUTER PROGRAM \"KORVAL THE VECTOR\" VER. 1.02 04-10-99");
  EXPECT_EQ(lines[1], "");
  const size_t menu = Find(lines, "KORVAL PARAMETERS");
  const size_t ignored = Find(lines, "LINE IGNORED IN INPUT FILE");
  const size_t band = Find(lines, " BAND IS ");
  const size_t block = Find(lines, " GPS NETWORK ADJUSTMENT");
  const size_t rms = Find(lines, " RMS ERROR IN X = ");
  const size_t largest = Find(lines, " LARGEST 3-RESIDUAL ON VECTOR ");
  const size_t sigma0 = Find(lines, "     STANDARD ERROR OF UNIT WEIGHT IS ");
  const size_t vectors = Find(lines, "DO YOU WANT TO RE-WEIGHT (ROBUST) YOUR VECTORS");
  const size_t control = Find(lines, "DO YOU WANT TO RE-WEIGHT (ROBUST) CONTROL COOR.");
  EXPECT_LT(1u, menu);
  EXPECT_LT(menu, ignored);
  EXPECT_LT(ignored, band);
  EXPECT_LT(band, block);
  EXPECT_LT(block, rms);
  EXPECT_LT(rms, largest);
  EXPECT_LT(largest, sigma0);
  EXPECT_LT(sigma0, vectors);
  EXPECT_LT(vectors, control);
  EXPECT_LT(control, lines.size());
  EXPECT_EQ(lines.back(), "Stop - Program terminated.");

  // The console blocks are the report's blocks, line for line.
  const auto report = project.Lines("OUT.VEC");
  const size_t in_report = Find(report, " GPS NETWORK ADJUSTMENT");
  for (size_t k = 0; k < 8; ++k) EXPECT_EQ(lines[block + k], report[in_report + k]);
  const size_t sigma0_in_report = Find(report, "     STANDARD ERROR OF UNIT WEIGHT IS ");
  EXPECT_EQ(lines[sigma0 + 1], report[sigma0_in_report + 1]);
}

TEST(RunTest, ReportOpensWithDatumConstraintAndWarnings) {
  TempProject project;
  auto info = e2e::MakeProject(6, 2, 5, 43);
  // A spur station: connected to one other only.
  info.push_back(e2e::VectorRecord(Columns(info[2], 2, 8), "SPUR", {10.0, 20.0, 30.0}, {0.005, 0.005, 0.008}));
  const RunResult run = RunProject(project, info, e2e::KorvalInf(1, 1, 1, 0, 1, 1, 0.0001, 1), {""});
  ASSERT_EQ(run.exit_status, 0) << run.console;
  const auto report = project.Lines("OUT.VEC");
  ASSERT_GE(report.size(), 7u);
  EXPECT_EQ(report[0], "");
  EXPECT_EQ(report[1], " ANALYSIS IS PERFORMED ON THE NAD 27 DATUM ");
  EXPECT_EQ(report[2], "");
  EXPECT_EQ(report[3], " FOLLOWING ADJUSTMENT IS MINIMALLY CONSTRAINED");
  EXPECT_EQ(report[4], "");
  // The connection warnings (the ends of the chain may have some too), then
  // the network block.
  const size_t block = Find(report, " GPS NETWORK ADJUSTMENT");
  ASSERT_LT(block, report.size());
  for (size_t i = 5; i < block; ++i) EXPECT_EQ(report[i].rfind(" WARNING *** STATION ", 0), 0u) << report[i];
  EXPECT_LT(Find(report, " WARNING *** STATION SPUR     CONNECTED TO ONLY 1 STATIONS"), block);
  EXPECT_EQ(Find(report, " RESULTS OF ADJUSTMENT"), block + 8);
}

TEST(RunTest, LimitStopLeavesOnlyTheOpeningLines) {
  // The control section never ends: every record is flagged.
  TempProject project;
  const RunResult run =
      RunProject(project, {"*A        40 00  0.00000  0.0050 105  0  0.00000  0.0050   1500.0000  0.0100 1",
                           "*B        40 01  0.00000  0.0050 105  0  0.00000  0.0050   1500.0000  0.0100 1"},
                 e2e::KorvalInf(1, 1, 1, 0, 1, 1, 0.0001), {""});
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(Find(run.lines, "LINE IGNORED IN INPUT FILE"), run.lines.size() - 4);
  EXPECT_EQ(run.lines[run.lines.size() - 3], " LINE IGNORED IN INPUT FILE");
  EXPECT_EQ(run.lines[run.lines.size() - 2], " UNEXPECTED END TO DATA");
  EXPECT_EQ(run.lines.back(), "Stop - Program terminated.");
  EXPECT_EQ(project.Lines("OUT.VEC"), (std::vector<std::string>{"", " ANALYSIS IS PERFORMED ON THE NAD 83 DATUM ", "",
                                                               " FOLLOWING ADJUSTMENT IS MINIMALLY CONSTRAINED", ""}));
}

TEST(RunTest, EndOfConsoleInputAtRobustQuestionStops) {
  TempProject project;
  const auto info = e2e::MakeProject(5, 1, 4, 47);
  const RunResult run = RunProject(project, info, e2e::KorvalInf(1, 2, 1, 0, 1, 1, 0.0001), {""});
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.lines.back(), " END OF CONSOLE INPUT - STOP");
  // What the pass wrote is kept.
  EXPECT_EQ(e2e::StationLists(project.Lines("OUT.VEC")).size(), 1u);
}

}  // namespace
}  // namespace korval::netadj
