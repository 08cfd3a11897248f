#include "netadj/state_plane.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/fields.hpp"
#include "netadj/state_plane/convergence.hpp"
#include "netadj/state_plane/zone_constants.hpp"
#include "tests/support/project.hpp"

namespace korval::netadj {
namespace {

using testing::RunWithAnswers;
using testing::TempProject;

constexpr double kDegree = 3.14159265358979323846 / 180.0;
constexpr double kArcSecond = kDegree / 3600.0;

Station At(std::string name, double latitude_degrees, double longitude_west_degrees) {
  Station s;
  s.name = std::move(name);
  s.latitude = latitude_degrees * kDegree;
  s.longitude_west = longitude_west_degrees * kDegree;
  return s;
}

struct Listing {
  testing::RunResult run;
  std::vector<std::string> report;
  std::vector<std::string> vector_cor;
};

Listing List(const TempProject& project, const std::vector<Station>& stations, int datum, int zone, int units) {
  Network network;
  network.stations = stations;
  Listing listing;
  listing.run = RunWithAnswers(
      project,
      [&](Session& session) {
        RecordFile* report = session.Open("OUT.VEC", OpenMode::kUnknown);
        report->WriteLine(" EARLIER REPORT LINE");
        StatePlaneListing(session, *report, network, datum, zone, units);
      },
      {});
  listing.report = project.Lines("OUT.VEC");
  if (project.Exists("VECTOR.COR")) listing.vector_cor = project.Lines("VECTOR.COR");
  return listing;
}

// Alabama East: central meridian 85 50 W, latitude of origin 30 30 N.
TEST(StatePlaneListing, Nad83ReportWithBothFootLines) {
  TempProject project;
  const Listing l = List(project, {At("ON CM", 32.0, 85.0 + 50.0 / 60.0), At("WEST", 32.5, 86.5)}, 2, 1, 4);
  ASSERT_EQ(l.run.exit_status, 0);
  ASSERT_EQ(l.report.size(), 13u);
  EXPECT_EQ(l.report[0], " EARLIER REPORT LINE");
  EXPECT_EQ(l.report[1], "");
  EXPECT_EQ(l.report[2], " ALL INFORMATION IS IN THE NAD 83 DATUM");
  EXPECT_EQ(l.report[3], "");
  EXPECT_EQ(l.report[4], " ALABAMA EAST");
  EXPECT_EQ(l.report[5], "");
  EXPECT_EQ(l.report[6], "  STATION             X ( M.)      Y ( M.)    SCALE FACTOR    CONVERGENCE");

  // On the central meridian: the false easting, k0 and no convergence.
  const std::string& on = l.report[7];
  EXPECT_EQ(Columns(on, 1, 9), " ON CM   ");
  EXPECT_EQ(Columns(on, 10, 23), std::string(12, ' ') + "200000.0000");
  EXPECT_EQ(Columns(on, 47, 28), "  0.99996000   +  0- 0-  0.0");
  EXPECT_EQ(on.size(), 74u);
  const double y = *ParseDecimal(Columns(on, 33, 14), 4);
  EXPECT_NEAR(y, 166304.0489, 0.001);  // PROJ

  // West of the central meridian: negative convergence, feet lines beneath.
  const std::string& west = l.report[10];
  EXPECT_EQ(west.substr(0, 9), " WEST    ");
  EXPECT_EQ(west[61], '-');
  const double x = *ParseDecimal(Columns(west, 10, 23), 4);
  const double north = *ParseDecimal(Columns(west, 33, 14), 4);
  EXPECT_LT(x, 200000.0);
  const std::string& us = l.report[11];
  const std::string& international = l.report[12];
  EXPECT_EQ(us.substr(0, 18), " U.S. SURVEY FT.  ");
  EXPECT_EQ(international.substr(0, 18), " INTERNATIONAL FT.");
  // Within the rounding of the metres printed above them.
  EXPECT_NEAR(*ParseDecimal(Columns(us, 19, 14), 4), x * 3937.0 / 1200.0, 0.0003);
  EXPECT_NEAR(*ParseDecimal(Columns(us, 33, 14), 4), north * 3937.0 / 1200.0, 0.0003);
  EXPECT_NEAR(*ParseDecimal(Columns(international, 19, 14), 4), x / 0.3048, 0.0003);
  EXPECT_NEAR(*ParseDecimal(Columns(international, 33, 14), 4), north / 0.3048, 0.0003);

  // VECTOR.COR holds the metre lines only, nothing else.
  EXPECT_EQ(l.vector_cor, (std::vector<std::string>{l.report[7], l.report[10]}));
  EXPECT_TRUE(testing::AllLinesEndWithCrLf(project.ReadRaw("VECTOR.COR")));
}

TEST(StatePlaneListing, FootLinesFollowTheUnits) {
  const struct {
    int units;
    size_t lines;
  } cases[] = {{1, 8}, {2, 9}, {3, 9}, {4, 10}};
  for (const auto& c : cases) {
    TempProject project;
    const Listing l = List(project, {At("A", 44.0, 90.0)}, 2, 120, c.units);
    EXPECT_EQ(l.report.size(), c.lines) << c.units;
    EXPECT_EQ(l.report.back().substr(0, 2) == " I", c.units >= 3) << c.units;
  }
}

TEST(StatePlaneListing, Nad27IsInFeetWhateverTheUnits) {
  TempProject project;
  project.Write("VECTOR.COR", {" OLD      1.0  2.0", " OLDER    1.0  2.0", " OLDEST   1.0  2.0"});
  const Listing l = List(project, {At("P1", 44.0, 89.0)}, 1, 120, 4);
  ASSERT_EQ(l.report.size(), 8u);
  EXPECT_EQ(l.report[2], " ALL INFORMATION IS IN THE NAD 27 DATUM");
  EXPECT_EQ(l.report[4], " WISCONSIN CENTRAL");
  EXPECT_EQ(l.report[6], "  STATION             X (FT.)      Y (FT.)    SCALE FACTOR    CONVERGENCE");
  EXPECT_EQ(l.report[7][61], '+');
  EXPECT_EQ(l.vector_cor, std::vector<std::string>{l.report[7]});
}

TEST(StatePlaneListing, AnyDatumCodeBelowTwoIsNad27) {
  TempProject a, b;
  const Listing zero = List(a, {At("P1", 44.0, 89.0)}, 0, 120, 1);
  const Listing one = List(b, {At("P1", 44.0, 89.0)}, 1, 120, 1);
  EXPECT_EQ(zero.report, one.report);
}

TEST(StatePlaneListing, ProjectCopiesOfTheZoneFilesWin) {
  TempProject project;
  std::vector<std::string> names(121, " SOMEWHERE");
  names[59] = " MY OWN COLORADO NORTH" + std::string(70, ' ') + "CUT";
  project.Write("ZONE.DAT", names);
  const Listing l = List(project, {At("P1", 40.0, 105.0)}, 2, 60, 1);
  EXPECT_EQ(l.report[4], " MY OWN COLORADO NORTH");
}

TEST(StatePlaneListing, MissingOrShortZoneFilesStopNamingTheFile) {
  TempProject project;
  std::vector<std::string> few(10, " 85 50 25000 30 30 200000 0");
  project.Write("NAD83.CON", few);
  const Listing l = List(project, {At("P1", 40.0, 105.0)}, 2, 50, 1);
  EXPECT_EQ(l.run.exit_status, 0);
  EXPECT_EQ(l.run.lines.back(), "NAD83.CON HOLDS NO CONSTANTS FOR ZONE  50 - PREMATURE STOP");
  EXPECT_FALSE(project.Exists("VECTOR.COR"));
  EXPECT_EQ(l.report, std::vector<std::string>{" EARLIER REPORT LINE"});

  TempProject unreadable;
  unreadable.Write("NAD27.CON", {" 500000.0 309000.0 1830 -458.99 0.99996 X"});
  EXPECT_EQ(List(unreadable, {}, 1, 1, 1).run.lines.back(),
            "NAD27.CON HOLDS NO CONSTANTS FOR ZONE   1 - PREMATURE STOP");

  TempProject short_names;
  short_names.Write("ZONE.DAT", std::vector<std::string>(40, " ZONE"));
  EXPECT_EQ(List(short_names, {}, 2, 41, 1).run.lines.back(), "ZONE.DAT HOLDS NO NAME FOR ZONE  41 - PREMATURE STOP");

  // A scale denominator of 0 would divide by zero.
  TempProject zero_scale;
  zero_scale.Write("NAD83.CON", {" 85 50 0 30 30 200000 0"});
  EXPECT_EQ(List(zero_scale, {At("P1", 31.0, 86.0)}, 2, 1, 1).run.lines.back(),
            "NAD83.CON HOLDS NO CONSTANTS FOR ZONE   1 - PREMATURE STOP");
}

TEST(ZoneRecords, ZoneFortyNineAndFiftyReadTheRightRecords) {
  // Each record's numbers tell its zone; a record may run over two lines, and
  // the text after a slash is passed over.
  std::string content;
  for (int z = 1; z <= 51; ++z) {
    const int count = z < 50 ? 7 : 10;
    for (int k = 0; k < count; ++k) {
      content += ' ';
      content += std::to_string(z * 100 + k);
      if (z == 30 && k == 3) content += '\n';
    }
    content += "  / ZONE ";
    content += std::to_string(z);
    content += "\r\n";
  }
  TempProject project;
  project.WriteRaw("NAD83.CON", content);
  auto file = RecordFile::Open(project.Path("NAD83.CON"), OpenMode::kExisting);
  ASSERT_TRUE(file);
  const auto zone49 = ReadZoneRecord(*file, 2, 49);
  ASSERT_TRUE(zone49);
  EXPECT_EQ(*zone49, (std::vector<double>{4900, 4901, 4902, 4903, 4904, 4905, 4906}));
  const auto zone50 = ReadZoneRecord(*file, 2, 50);
  ASSERT_TRUE(zone50);
  ASSERT_EQ(zone50->size(), 10u);
  EXPECT_EQ(zone50->front(), 5000);
  EXPECT_EQ(zone50->back(), 5009);
  EXPECT_FALSE(ReadZoneRecord(*file, 2, 52));
  EXPECT_FALSE(ReadZoneRecord(*file, 2, 0));
}

TEST(ZoneRecords, RecordLengthsByDatumAndZone) {
  EXPECT_EQ(ZoneRecordLength(2, 49), 7);
  EXPECT_EQ(ZoneRecordLength(2, 50), 10);
  EXPECT_EQ(ZoneRecordLength(1, 49), 6);
  EXPECT_EQ(ZoneRecordLength(1, 50), 11);
  EXPECT_EQ(ZoneRecordLength(0, 121), 11);
  EXPECT_EQ(ZoneRecordLength(3, 1), 7);
}

TEST(ZoneRecords, ConstantsThatWouldDivideByZeroAreRefused) {
  const std::vector<double> tm = {85, 50, 1, 30, 30, 200000, 0};
  EXPECT_FALSE(MakeZoneConstants(2, 1, tm));
  const std::vector<double> parallel = {40, 0, 40, 0, 105, 30, 39, 20, 914401.8289, 304800.6096};
  EXPECT_FALSE(MakeZoneConstants(2, 60, parallel));
  std::vector<double> lambert27(11, 1.0);
  lambert27[5] = 1.5;  // a cone constant is the sine of a latitude
  EXPECT_FALSE(MakeZoneConstants(1, 60, lambert27));
  EXPECT_FALSE(MakeZoneConstants(2, 1, std::vector<double>(6, 1.0)));
}

TEST(Convergence, SignAndCarryOfTheSeconds) {
  const struct {
    double arc_seconds;
    char sign;
    int degrees, minutes;
    std::string seconds;
  } cases[] = {
      {0.0, '+', 0, 0, "  0.0"},
      {-0.0, '+', 0, 0, "  0.0"},
      {-0.04, '-', 0, 0, "  0.0"},
      {-1e-7, '+', 0, 0, "  0.0"},
      {-0.06, '-', 0, 0, "  0.1"},
      {59.94, '+', 0, 0, " 59.9"},
      {59.96, '+', 0, 1, "  0.0"},
      {-(7199.97), '-', 2, 0, "  0.0"},
      {3723.25, '+', 1, 2, "  3.3"},
  };
  for (const auto& c : cases) {
    const ConvergenceAngle angle = SplitConvergence(c.arc_seconds * kArcSecond);
    EXPECT_EQ(angle.sign, c.sign) << c.arc_seconds;
    EXPECT_EQ(angle.degrees, c.degrees) << c.arc_seconds;
    EXPECT_EQ(angle.minutes, c.minutes) << c.arc_seconds;
    EXPECT_EQ(FormatDecimal(angle.seconds, 5, 1), c.seconds) << c.arc_seconds;
  }
}

}  // namespace
}  // namespace korval::netadj
