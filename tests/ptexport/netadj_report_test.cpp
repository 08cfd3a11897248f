// PTEXPORT on reports made of the adjustment's own report lines, so that the
// columns the export reads are those the adjustment writes.
#include <gtest/gtest.h>

#include "netadj/report.hpp"
#include "ptexport/run.hpp"
#include "tests/support/project.hpp"

namespace korval::ptexport {
namespace {

constexpr double kDeg = 3.14159265358979323846 / 180.0;

void Append(netadj::Lines& to, const netadj::Lines& more) { to.insert(to.end(), more.begin(), more.end()); }

netadj::Lines StationList() {
  netadj::Lines report = netadj::DatumLines(2);
  Append(report, netadj::NetworkSizeBlock(1, 3, 3, 6));
  Append(report, netadj::ResultsHeading());
  Append(report, netadj::StationHeading());
  // 40 30 00.00000 N, 105 15 36.00000 W; 39 59 59.99999 N (the seconds of a
  // latitude just below a whole minute), 104 00 00.00000 W.
  Append(report, netadj::StationBlock("CTRL1", {40.5 * kDeg, -105.26 * kDeg, 1600.1234, 0.001, 0.001, 0.002}));
  Append(report, netadj::StationBlock("NEW1", {(40.0 - 0.00001 / 3600) * kDeg, -104.0 * kDeg, -12.3456, 0.02, 0.03, 0.04}));
  Append(report, netadj::StationBlock("NEW2", {41.0 * kDeg, -104.5 * kDeg, 1700.0, 0.02, 0.03, 0.04}));
  report.push_back("");
  return report;
}

std::vector<std::string> ExportLayout4(const netadj::Lines& report) {
  testing::TempProject project;
  project.Write("OUT.VEC", report);
  testing::RunWithAnswers(project, ptexport::Run, {"OUT.TXT", "", "", "", "4"});
  const auto lines = project.Lines("OUT.TXT");
  return std::vector<std::string>(lines.begin() + 2, lines.end());
}

TEST(PtexportOnAdjustmentLines, IndividualGeoidHeightsWithAStationWithout) {
  netadj::Lines report = StationList();
  Append(report, netadj::GeoidElevationHeading());
  report.push_back(netadj::GeoidElevationLine("CTRL1", -20.1, 1620.2234, 1620.2234 * 3.280833333333333));
  report.push_back(netadj::NoGeoidHeightLine("NEW1"));
  report.push_back(netadj::GeoidElevationLine("NEW2", -21.5, 1721.5, 1721.5 * 3.280833333333333));
  const std::vector<std::string> expected = {
      "CTRL1    40 30  0.00000 105 15 36.00000 1600.1234 1620.2234  -20.1000",
      "NEW1     39 59 59.99999 104  0  0.00000  -12.3456 ********* *********",
      "NEW2     41  0  0.00000 104 30  0.00000 1700.0000 1721.5000  -21.5000",
  };
  EXPECT_EQ(ExportLayout4(report), expected);
}

TEST(PtexportOnAdjustmentLines, OneAssumedSeparation) {
  netadj::Lines report = StationList();
  Append(report, netadj::SeparationElevationHeading(-28.5));
  for (const auto& [name, h] : {std::pair{"CTRL1", 1600.1234}, {"NEW1", -12.3456}, {"NEW2", 1700.0}}) {
    report.push_back(netadj::SeparationElevationLine(name, h + 28.5, (h + 28.5) * 3.280833333333333));
  }
  const std::vector<std::string> expected = {
      "CTRL1    40 30  0.00000 105 15 36.00000 1600.1234 1628.6234  -28.5000",
      "NEW1     39 59 59.99999 104  0  0.00000  -12.3456   16.1544  -28.5000",
      "NEW2     41  0  0.00000 104 30  0.00000 1700.0000 1728.5000  -28.5000",
  };
  EXPECT_EQ(ExportLayout4(report), expected);
}

}  // namespace
}  // namespace korval::ptexport
