// The bundled sample project, adjusted as a surveyor would run it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/fields.hpp"
#include "netadj/run.hpp"
#include "tests/netadj/end_to_end_support.hpp"
#include "tests/support/project.hpp"

namespace korval::netadj {
namespace {

using korval::testing::RunResult;
using korval::testing::TempProject;

const std::filesystem::path kSample = std::filesystem::path(KORVAL_SOURCE_DIR) / "examples" / "sample";

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(SampleProjectTest, AdjustsWithStatePlaneAndElevations) {
  TempProject project;
  project.CopyIn(kSample / "INFO.VEC", "INFO.VEC");
  project.CopyIn(kSample / "KORVAL.INF", "KORVAL.INF");
  const RunResult run = korval::testing::RunWithInput(project, korval::netadj::Run, ReadAll(kSample / "answers.txt"));
  ASSERT_EQ(run.exit_status, 0) << run.console;
  EXPECT_EQ(run.lines.back(), "Stop - Program terminated.");
  EXPECT_EQ(e2e::CountLines(run.lines, "LINE IGNORED IN INPUT FILE"), 1);  // the vector set aside

  const auto info = project.Lines("INFO.VEC");
  const auto report = project.Lines("OUT.VEC");
  e2e::DenseAdjustment dense(info);
  dense.Solve(false);
  EXPECT_GE(dense.names().size(), 10u);
  EXPECT_LE(dense.names().size(), 20u);
  EXPECT_GE(dense.vector_count(), 30u);
  EXPECT_LE(dense.vector_count(), 60u);

  EXPECT_NEAR(e2e::FiguresAfter(report, "STANDARD ERROR OF UNIT WEIGHT IS").at(0), dense.sigma0(), 0.00051);
  EXPECT_EQ(e2e::FiguresAfter(report, "     WITH ").at(0), dense.dof());
  EXPECT_EQ(e2e::CountLines(report, " PASSES AT THE 5 % SIGNIFICANCE LEVEL"), 1);
  const auto lists = e2e::StationLists(report);
  ASSERT_EQ(lists.size(), 1u);
  const double multiplier = e2e::FiguresAfter(report, " D.F. IS ").at(0);
  for (const auto& s : lists[0]) {
    const size_t i = dense.Index(s.name);
    ASSERT_LT(i, dense.names().size());
    EXPECT_NEAR(s.height, dense.Position(i).height, 0.000051);
    EXPECT_NEAR(s.north, dense.LocalErrors(i, multiplier)[0], 1e-4);
    // A well-observed survey: every mark within a few centimetres at 95 %.
    EXPECT_LT(s.north, 0.05);
    EXPECT_LT(s.east, 0.05);
    EXPECT_LT(s.up, 0.08);
  }

  // State plane listing of the zone, then the elevations with the project's
  // one separation, both in the station order of the report.
  const size_t state_plane = e2e::CountLines(report, " ALL INFORMATION IS IN THE NAD 83 DATUM");
  EXPECT_EQ(state_plane, 1u);
  const auto cor = project.Lines("VECTOR.COR");
  ASSERT_EQ(cor.size(), lists[0].size());
  for (size_t i = 0; i < cor.size(); ++i) EXPECT_EQ(Columns(cor[i], 2, 8), lists[0][i].name);
  size_t heading = 0;
  while (heading < report.size() && report[heading].find("ASSUMED GEOID HEIGHT OF  -16.9000 METERS") == std::string::npos) {
    ++heading;
  }
  ASSERT_EQ(report.size(), heading + 3 + lists[0].size());
  for (size_t i = 0; i < lists[0].size(); ++i) {
    const std::string& line = report[heading + 3 + i];
    EXPECT_EQ(Columns(line, 2, 8), lists[0][i].name);
    EXPECT_NEAR(ParseDecimal(Columns(line, 29, 10), 4).value(), lists[0][i].height + 16.9, 1.1e-4);
  }
}

}  // namespace
}  // namespace korval::netadj
