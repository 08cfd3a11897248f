// The importers fill a new project from files made of known positions, and
// the adjustment gives those positions back.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "baseimp/run.hpp"
#include "common/fields.hpp"
#include "geodesy/conversions.hpp"
#include "geodesy/ellipsoid.hpp"
#include "netadj/run.hpp"
#include "rawimp/run.hpp"
#include "solnimp/run.hpp"
#include "tests/support/project.hpp"

namespace korval {
namespace {

using testing::RunWithAnswers;
using testing::TempProject;

struct TruePoint {
  std::string name;
  int lat_d, lat_m;
  double lat_s;  // north
  int lon_d, lon_m;
  double lon_s;  // west
  double height;

  double LatitudeSeconds() const { return lat_d * 3600.0 + lat_m * 60.0 + lat_s; }
  double LongitudeSeconds() const { return lon_d * 3600.0 + lon_m * 60.0 + lon_s; }
  geodesy::Cartesian Xyz() const {
    const double to_radians = geodesy::kPi / 180.0 / 3600.0;
    return geodesy::GeodeticToCartesian(LatitudeSeconds() * to_radians, -LongitudeSeconds() * to_radians, height,
                                        geodesy::kNad83);
  }
  // DDD.MMSSsssss, as a data collector writes it.
  std::string Packed(int d, int m, double s) const {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%d.%02d%02d%05ld", d, m, static_cast<int>(s),
                  std::lround((s - std::trunc(s)) * 100000.0));
    return buffer;
  }
};

// Two reference stations of a positioning service, the station it solved,
// and three points surveyed from the first reference station.
const TruePoint kKrv1{"KRV1", 40, 5, 12.34567, 105, 14, 3.21098, 1650.1234};
const TruePoint kTlmn{"TLMN", 39, 52, 44.10203, 104, 58, 31.90876, 1712.4560};
const TruePoint kBm42{"BM42", 40, 10, 30.0, 105, 10, 0.0, 1580.0};
const TruePoint kP101{"101", 40, 5, 30.0, 105, 13, 30.0, 1633.5};
const TruePoint kP102{"102", 40, 5, 45.1234, 105, 13, 15.4321, 1640.25};
const TruePoint kP103{"103", 40, 6, 1.0, 105, 12, 50.5, 1655.0};

std::string Format(const char* format, double x, double y, double z) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, format, x, y, z);
  return buffer;
}

std::vector<std::string> SolutionReport() {
  std::vector<std::string> lines = {" SOLUTION REPORT", "", "     FINAL COORDINATES", "  NAME   X Y Z"};
  for (const TruePoint* p : {&kKrv1, &kTlmn, &kBm42}) {
    const geodesy::Cartesian c = p->Xyz();
    lines.push_back("  " + FormatText(p->name, 8) + Format("%13.3f %13.3f %13.3f", c.x, c.y, c.z));
  }
  lines.insert(lines.end(), {"", "   ITRF position of BM42", "      X Y Z"});
  const geodesy::Cartesian s = kBm42.Xyz();
  for (int k = 0; k < 2; ++k) lines.push_back("     " + Format("%15.3f%15.3f%15.3f", s.x, s.y, s.z));
  return lines;
}

std::string Position(const TruePoint& p) {
  char height[32];
  std::snprintf(height, sizeof height, "%.4f", p.height);
  return "LA" + p.Packed(p.lat_d, p.lat_m, p.lat_s) + ",LN-" + p.Packed(p.lon_d, p.lon_m, p.lon_s) + ",HT" + height;
}

std::vector<std::string> RawFile() {
  std::vector<std::string> lines = {"JB,NMROUND", "BP,PNKRV1," + Position(kKrv1) + ",AG2.0"};
  for (const TruePoint* p : {&kP101, &kP102, &kP103}) {
    lines.push_back("EP," + Position(*p) + ",RMS0.010");
    lines.push_back("GS,PN" + p->name + ",N 1000.0,E 1000.0");
  }
  return lines;
}

std::vector<std::string> BaselineReport() {
  std::vector<std::string> lines = {" BASELINE REPORT"};
  for (const auto& [from, to] : {std::pair{&kP101, &kP102}, {&kP102, &kP103}, {&kBm42, &kP103}}) {
    const geodesy::Cartesian a = from->Xyz();
    const geodesy::Cartesian b = to->Xyz();
    lines.push_back(" POINT NUMBER/INFO.: " + from->name);
    lines.push_back(" POINT NUMBER/INFO.: " + to->name);
    lines.push_back(" DELTAX,DELTAY,DELTAZ:   " + Format("%19.3f%18.3f%18.3f", b.x - a.x, b.y - a.y, b.z - a.z));
    lines.push_back(" SIGMAS (X,Y,Z)..[MM]:   " + Format("%19.1f%18.1f%18.1f", 3.0, 3.0, 4.0));
  }
  return lines;
}

struct Adjusted {
  double latitude_seconds = 0;
  double longitude_seconds = 0;
  double height = 0;
};

// The station line of `name` in the station list of the report.
std::optional<Adjusted> FindStation(const std::vector<std::string>& report, const std::string& name) {
  bool in_list = false;
  for (const std::string& line : report) {
    if (Columns(line, 2, 7) == "STATION" && line.find("LATITUDE") != std::string::npos) in_list = true;
    if (!in_list || Columns(line, 2, 8) != FormatText(name, 8)) continue;
    Adjusted a;
    a.latitude_seconds = ParseInteger(Columns(line, 18, 2)).value_or(0) * 3600.0 +
                         ParseInteger(Columns(line, 22, 2)).value_or(0) * 60.0 +
                         ParseDecimal(Columns(line, 24, 10), 5).value_or(0);
    a.longitude_seconds = ParseInteger(Columns(line, 39, 3)).value_or(0) * 3600.0 +
                          ParseInteger(Columns(line, 44, 2)).value_or(0) * 60.0 +
                          ParseDecimal(Columns(line, 46, 10), 5).value_or(0);
    a.height = ParseDecimal(Columns(line, 57, 16), 4).value_or(0);
    return a;
  }
  return std::nullopt;
}

TEST(ImportersRoundTrip, AdjustmentOfAnImportedProjectGivesThePositionsBack) {
  TempProject project;
  project.Write("BM42.TXT", SolutionReport());
  project.Write("ROUND.RW5", RawFile());
  project.Write("ROUND.GEO", BaselineReport());

  ASSERT_EQ(RunWithAnswers(project, solnimp::Run, {"BM42", "", ""}).exit_status, 0);
  // The surveyor closes the vector section with an end mark; the later
  // imports go in front of it.
  auto info = project.Lines("INFO.VEC");
  ASSERT_EQ(info.size(), 4u);
  info.push_back(" 0        END            0.0000 0.0000       0.0000 0.0000       0.0000 0.0000");
  project.Write("INFO.VEC", info);
  ASSERT_EQ(RunWithAnswers(project, rawimp::Run, {"0.01 1", "ROUND", ""}).exit_status, 0);
  ASSERT_EQ(RunWithAnswers(project, baseimp::Run, {"INFO.VEC", "1", "ROUND.GEO", ""}).exit_status, 0);
  info = project.Lines("INFO.VEC");
  ASSERT_EQ(info.size(), 11u);
  EXPECT_EQ(Columns(info.back(), 1, 10), " 0        ");

  // Constrained to both reference stations, NAD 83, nothing else.
  project.Write("KORVAL.INF", {"   2   2   1   1   0   1   1         0.0001"});
  const auto adjustment = RunWithAnswers(project, netadj::Run, {""});
  ASSERT_EQ(adjustment.exit_status, 0) << adjustment.console;
  EXPECT_EQ(adjustment.console.find("LINE IGNORED"), std::string::npos) << adjustment.console;

  const auto report = project.Lines("OUT.VEC");
  // The inputs hold positions and differences to the millimetre.
  constexpr double kSecondsTolerance = 0.0001;  // about 3 mm
  constexpr double kHeightTolerance = 0.003;
  for (const TruePoint* p : {&kKrv1, &kTlmn, &kBm42, &kP101, &kP102, &kP103}) {
    SCOPED_TRACE(p->name);
    const auto adjusted = FindStation(report, p->name);
    ASSERT_TRUE(adjusted);
    EXPECT_NEAR(adjusted->latitude_seconds, p->LatitudeSeconds(), kSecondsTolerance);
    EXPECT_NEAR(adjusted->longitude_seconds, p->LongitudeSeconds(), kSecondsTolerance);
    EXPECT_NEAR(adjusted->height, p->height, kHeightTolerance);
  }
}

}  // namespace
}  // namespace korval
