// PTEXPORT on the report and state plane listing that NETADJ writes for the
// bundled sample project (NAD 83, one assumed geoid separation of -16.9 m).
#include <gtest/gtest.h>

#include "common/fields.hpp"
#include "ptexport/run.hpp"
#include "tests/support/sample_project.hpp"

namespace korval::ptexport {
namespace {

std::vector<std::string> Export(const testing::TempProject& project, const std::string& layout) {
  const testing::RunResult run = testing::RunWithAnswers(project, ptexport::Run, {"COORD.TXT", "", "", "", layout});
  EXPECT_EQ(run.exit_status, 0);
  const std::vector<std::string> lines = project.Lines("COORD.TXT");
  return std::vector<std::string>(lines.begin() + 2, lines.end());
}

TEST(PtexportOnTheSampleProject, GridCoordinatesHeightsAndElevationsOfEveryStation) {
  testing::TempProject project;
  ASSERT_EQ(testing::AdjustSample(project).exit_status, 0);
  const std::vector<std::string> grid = project.Lines("VECTOR.COR");
  ASSERT_EQ(grid.size(), 16u);

  // Layout 10: name, northing, easting, ellipsoid height, elevation, geoid height.
  const std::vector<std::string> records = Export(project, "10");
  ASSERT_EQ(records.size(), 16u);
  for (size_t k = 0; k < records.size(); ++k) {
    const std::string& record = records[k];
    SCOPED_TRACE(record);
    // Same station order as the listing; coordinates as the listing prints them.
    EXPECT_EQ(Columns(record, 1, 8), Columns(grid[k], 2, 8));
    EXPECT_EQ(Columns(record, 10, 13), Columns(grid[k], 34, 13));  // northing
    EXPECT_EQ(Columns(record, 24, 13), Columns(grid[k], 20, 13));  // easting
    const double height = *ParseDecimal(Columns(record, 38, 9), 4);
    EXPECT_EQ(Columns(record, 48, 9), FormatDecimal(height + 16.9, 9, 4));
    EXPECT_EQ(Columns(record, 58, 9), " -16.9000");
  }
}

TEST(PtexportOnTheSampleProject, SpecialtyLayoutCarriesPositionsScaleFactorsAndConvergence) {
  testing::TempProject project;
  ASSERT_EQ(testing::AdjustSample(project).exit_status, 0);
  const std::vector<std::string> grid = project.Lines("VECTOR.COR");
  const std::vector<std::string> geo = project.Lines("VECTOR.GEO");
  const std::vector<std::string> records = Export(project, "16");
  ASSERT_EQ(records.size(), 16u);
  for (size_t k = 0; k < records.size(); ++k) {
    const std::string& record = records[k];
    SCOPED_TRACE(record);
    EXPECT_EQ(Columns(record, 39, 8), Columns(geo[k], 41, 8));
    EXPECT_EQ(Columns(record, 48, 2), Columns(geo[k], 2, 2));    // latitude degrees
    EXPECT_EQ(Columns(record, 51, 2), Columns(geo[k], 5, 2));    // minutes
    EXPECT_EQ(Columns(record, 54, 8), Columns(geo[k], 8, 8));    // seconds
    EXPECT_EQ(Columns(record, 63, 2), "**");                     // 104 and 105 degrees do not fit two columns
    EXPECT_EQ(Columns(record, 66, 2), Columns(geo[k], 21, 2));
    EXPECT_EQ(Columns(record, 69, 8), Columns(geo[k], 24, 8));
    EXPECT_EQ(Columns(record, 78, 10), Columns(grid[k], 49, 10));  // scale factor
    EXPECT_EQ(Columns(record, 89, 1), Columns(grid[k], 62, 1));    // convergence sign
    EXPECT_EQ(Columns(record, 93, 2), Columns(grid[k], 67, 2));    // minutes
    EXPECT_EQ(Columns(record, 96, 5), Columns(grid[k], 70, 5));    // seconds
  }
}

}  // namespace
}  // namespace korval::ptexport
