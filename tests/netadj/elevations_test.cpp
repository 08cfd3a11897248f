#include "netadj/elevations.hpp"

#include <gtest/gtest.h>

#include "common/fields.hpp"
#include "geodesy/conversions.hpp"
#include "geodesy/ellipsoid.hpp"
#include "tests/support/project.hpp"

namespace korval::netadj {
namespace {

using geodesy::kPi;

Station StationAt(const char* name, double height) {
  const geodesy::Cartesian c = geodesy::GeodeticToCartesian(39.0 * kPi / 180, -105.0 * kPi / 180, height, 2);
  Station s;
  s.name = FormatText(name, 8);
  s.x = c.x;
  s.y = c.y;
  s.z = c.z;
  s.geoid_height = 99.0;  // stale value of an earlier run
  return s;
}

// A GEOID.OUT record: free text in columns 1-31, N in 32-40, the name in 41-48.
std::string GeoidRecord(const std::string& n, const std::string& name) {
  return FormatText("GEOID MODEL OUTPUT", 31) + FormatText(n, 9) + name;
}

class GeoidFileTest : public ::testing::Test {
 protected:
  std::unique_ptr<RecordFile> Open(const std::vector<std::string>& lines) {
    project_.Write("GEOID.OUT", lines);
    return RecordFile::Open(project_.Path("GEOID.OUT"), OpenMode::kExisting);
  }
  korval::testing::TempProject project_;
};

TEST_F(GeoidFileTest, TakesLastValueOfKnownNamesOnly) {
  Network n;
  n.stations = {StationAt("BM 4", 100.0), StationAt("BM 5", 100.0), StationAt("BM 6", 100.0), StationAt("BM 4", 50.0)};
  auto file = Open({
      GeoidRecord("  -29.000", "BM 4"),
      GeoidRecord("   -30000", "BM 4"),  // implied decimals; replaces the first
      GeoidRecord("  -31.5xx", "BM 5"),  // unreadable: passed over
      GeoidRecord("  -12.000", "NOWHERE"),
      "",
      GeoidRecord("    0.000", "BM 6"),
  });
  ReadGeoidHeights(*file, n);
  EXPECT_DOUBLE_EQ(n.stations[0].geoid_height, -30.0);
  EXPECT_EQ(n.stations[1].geoid_height, 0.0);
  EXPECT_EQ(n.stations[2].geoid_height, 0.0);
  EXPECT_EQ(n.stations[3].geoid_height, 0.0);  // a repeated name: only its first station

  const Lines section = GeoidElevationSection(n, 2);
  ASSERT_EQ(section.size(), 8u);
  EXPECT_EQ(section[2], " GPS DERIVED ELEVATIONS USING INDIVIDUAL GEOID HEIGHTS");
  // h 100 m, N -30 m: 130 m, 426.5083 ft.
  EXPECT_EQ(Columns(section[4], 29, 10), "  130.0000");
  EXPECT_EQ(Columns(section[4], 43, 10), "  426.5083");
  EXPECT_EQ(section[5], " BM 5      NO PROVIDED GEOID HEIGHT");
  EXPECT_EQ(section[6], " BM 6      NO PROVIDED GEOID HEIGHT");
  EXPECT_EQ(section[7], " BM 4      NO PROVIDED GEOID HEIGHT");
}

TEST(SeparationElevationTest, OneSeparationForEveryStation) {
  Network n;
  n.stations = {StationAt("BM 4", 71.5), StationAt("BM 5", -10.0)};
  const Lines section = SeparationElevationSection(n, 2, -28.5);
  ASSERT_EQ(section.size(), 7u);
  EXPECT_EQ(section[2], " GPS DERIVED ELEVATIONS IN FEET - ASSUMED GEOID HEIGHT OF  -28.5000 METERS");
  EXPECT_EQ(section[5], " BM 4    " + std::string(19, ' ') + "  100.0000 328.0833");
  EXPECT_EQ(Columns(section[6], 29, 10), "   18.5000");
  EXPECT_EQ(Columns(section[6], 39, 9), "  60.6954");
}

}  // namespace
}  // namespace korval::netadj
