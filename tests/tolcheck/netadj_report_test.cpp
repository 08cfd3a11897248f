// TOLCHECK on reports made of the adjustment's own report lines, so that the
// columns the tolerance test reads are those the adjustment writes.
#include <gtest/gtest.h>

#include "common/fields.hpp"
#include "geodesy/ellipsoid.hpp"
#include "geodesy/inverse.hpp"
#include "netadj/report.hpp"
#include "tests/support/project.hpp"
#include "tolcheck/run.hpp"

namespace korval::tolcheck {
namespace {

constexpr double kDeg = 3.14159265358979323846 / 180.0;

netadj::Lines AdjustmentReport(bool minimally_constrained, const std::vector<std::pair<std::string, netadj::StationEstimate>>& stations) {
  netadj::Lines report = netadj::DatumLines(2);
  if (minimally_constrained) {
    const netadj::Lines marker = netadj::MinimallyConstrainedLines();
    report.insert(report.end(), marker.begin(), marker.end());
  }
  for (const netadj::Lines& block : {netadj::NetworkSizeBlock(1, 3, 3, 6), netadj::ResultsHeading(),
                                     netadj::UnitWeightBlock(1.02, 3), netadj::StationHeading()}) {
    report.insert(report.end(), block.begin(), block.end());
  }
  for (const auto& [name, estimate] : stations) {
    const netadj::Lines block = netadj::StationBlock(name, estimate);
    report.insert(report.end(), block.begin(), block.end());
  }
  report.push_back("");
  return report;
}

const std::vector<std::string> kInfoVec = {
    " CTRL1    40  0  0.00000  0.0010 105  0  0.00000  0.0010   1600.0000  0.0020 1",
    " CTRL1   NEW1           100.0000 0.0050      200.0000 0.0050      300.0000 0.0050"};

const std::vector<std::pair<std::string, netadj::StationEstimate>> kStations = {
    {"CTRL1", {40.0 * kDeg, -105.0 * kDeg, 1600.0, 0.001, 0.001, 0.002}},
    {"NEW1", {40.031 * kDeg, -105.017 * kDeg, 1612.0, 0.0123, 0.0456, 0.05}},
    {"NEW2", {39.987 * kDeg, -104.951 * kDeg, 1590.0, 0.0712, 0.0301, 0.05}},
};

TEST(TolcheckOnAdjustmentLines, StationsAreTestedAgainstTheControlOfTheReport) {
  testing::TempProject project;
  project.Write("INFO.VEC", kInfoVec);
  project.Write("OUT.VEC", AdjustmentReport(false, kStations));
  testing::RunWithAnswers(project, tolcheck::Run, {""});
  const auto listing = project.Lines("PT.VEC");
  ASSERT_GE(listing.size(), 6u);
  for (size_t k = 1; k < kStations.size(); ++k) {
    const auto& [name, e] = kStations[k];
    const double d = geodesy::GeodeticInverse(40.0 * kDeg, 105.0 * kDeg, e.latitude, -e.longitude).distance;
    const double allowable = d / 100000 + 0.02;
    const std::string& line = listing[3 + k];
    EXPECT_EQ(Columns(line, 2, 8), FormatText(name, 8));
    EXPECT_EQ(Columns(line, 11, 10), FormatDecimal(std::max(e.north_error, e.east_error), 10, 4));
    EXPECT_EQ(Columns(line, 22, 10), FormatDecimal(allowable, 10, 4));
  }
  EXPECT_EQ(Columns(listing[4], 32, 11), "    PASSED ");
  EXPECT_EQ(Columns(listing[5], 32, 14), " ** FAILED BY ");
}

TEST(TolcheckOnAdjustmentLines, TheMinimallyConstrainedMarkerOfTheAdjustmentIsRefused) {
  testing::TempProject project;
  project.Write("INFO.VEC", kInfoVec);
  project.Write("OUT.VEC", AdjustmentReport(true, kStations));
  testing::RunWithAnswers(project, tolcheck::Run, {""});
  EXPECT_EQ(project.Lines("PT.VEC"), (std::vector<std::string>{" ERROR - NO POSITIONAL TOLERANCE ALLOWED FROM ",
                                                               " MINIMALLY CONSTRAINED ADJUSTMENTS - STOP"}));
}

}  // namespace
}  // namespace korval::tolcheck
