// TOLCHECK on the report that NETADJ writes for the bundled sample project.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "common/fields.hpp"
#include "geodesy/ellipsoid.hpp"
#include "geodesy/inverse.hpp"
#include "tests/support/sample_project.hpp"
#include "tolcheck/run.hpp"

namespace korval::tolcheck {
namespace {

const std::set<std::string> kControl = {"HORSETTH", "TIMNATH ", "LAPORTE ", "K 412   "};

struct Position {
  std::string name;
  double latitude, longitude;  // radians, north and west
};

// The adjusted positions of VECTOR.GEO: degrees in columns 1-3, minutes 5-6,
// seconds 8-15 of latitude and 17-19, 21-22, 24-31 of west longitude, the
// name in 41-48.
std::vector<Position> AdjustedPositions(const testing::TempProject& project) {
  std::vector<Position> positions;
  for (const std::string& line : project.Lines("VECTOR.GEO")) {
    auto angle = [&](int first) {
      return (*ParseInteger(Columns(line, first, 3)) + *ParseInteger(Columns(line, first + 4, 2)) / 60.0 +
              *ParseDecimal(Columns(line, first + 7, 8), 5) / 3600.0) *
             geodesy::kPi / 180.0;
    };
    positions.push_back({Columns(line, 41, 8), angle(1), angle(17)});
  }
  return positions;
}

TEST(TolcheckOnTheSampleProject, EveryAdjustedStationIsTestedAgainstItsNearestControl) {
  testing::TempProject project;
  ASSERT_EQ(testing::AdjustSample(project).exit_status, 0);
  const testing::RunResult run = testing::RunWithAnswers(project, tolcheck::Run, {""});
  EXPECT_EQ(run.lines.back(), "END OF GPS POSITIONAL TOLERANCE ANALYIS");

  const std::vector<Position> positions = AdjustedPositions(project);
  ASSERT_EQ(positions.size(), 16u);
  const std::vector<std::string> listing = project.Lines("PT.VEC");
  ASSERT_EQ(listing.size(), 4u + 12u + 4u);
  EXPECT_EQ(listing[0], " KORVAL THE VECTOR POSITIONAL TOLERANCE TEST");
  size_t line = 4;
  for (const Position& station : positions) {
    if (kControl.count(station.name) > 0) continue;
    double nearest = 1e30;
    for (const Position& control : positions) {
      if (kControl.count(control.name) == 0) continue;
      nearest = std::min(nearest, geodesy::GeodeticInverse(control.latitude, control.longitude, station.latitude,
                                                           station.longitude)
                                      .distance);
    }
    const std::string& record = listing.at(line++);
    EXPECT_EQ(Columns(record, 2, 8), station.name);
    EXPECT_EQ(Columns(record, 22, 10), FormatDecimal(nearest / 100000 + 0.02, 10, 4)) << station.name;
    EXPECT_EQ(Columns(record, 32, 11), "    PASSED ");
  }
  EXPECT_EQ(listing[18], " CONGRATULATIONS - ALL YOUR POINTS PASS POSITIONAL TOLERANCE");
}

TEST(TolcheckOnTheSampleProject, AMinimallyConstrainedAdjustmentIsRefused) {
  testing::TempProject project;
  ASSERT_EQ(testing::AdjustSample(project, /*constraint=*/1).exit_status, 0);
  ASSERT_EQ(project.Lines("OUT.VEC").at(3), " FOLLOWING ADJUSTMENT IS MINIMALLY CONSTRAINED");
  testing::RunWithAnswers(project, tolcheck::Run, {""});
  EXPECT_EQ(project.Lines("PT.VEC"), (std::vector<std::string>{" ERROR - NO POSITIONAL TOLERANCE ALLOWED FROM ",
                                                               " MINIMALLY CONSTRAINED ADJUSTMENTS - STOP"}));
}

}  // namespace
}  // namespace korval::tolcheck
