// The zone files delivered in data/: the menu pages, the names and the
// constants of all 121 zones agree with one another.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "common/fields.hpp"
#include "common/record_file.hpp"
#include "netadj/state_plane/convergence.hpp"
#include "netadj/state_plane/zone_constants.hpp"
#include "tests/support/project.hpp"

namespace korval::netadj {
namespace {

constexpr double kDegree = 3.14159265358979323846 / 180.0;

std::unique_ptr<RecordFile> Delivered(std::string_view name) {
  auto file = RecordFile::Open(std::filesystem::path(KORVAL_SOURCE_DIR) / "data" / std::string(name),
                               OpenMode::kExisting);
  EXPECT_TRUE(file) << name;
  return file;
}

// The zone name of a ZONE.DAT line, without the note on a merged NAD 83 zone.
std::string NameOf(const std::string& line) {
  const std::string name = TrimRight(line.substr(1));
  return name.substr(0, name.find(" (NAD 83:"));
}

TEST(ZoneData, TablePagesListEveryPickWithItsName) {
  const auto table = Delivered("TABLE.DAT");
  const auto names = Delivered("ZONE.DAT");
  ASSERT_TRUE(table && names);
  ASSERT_EQ(table->size(), 47u);
  ASSERT_EQ(names->size(), 121u);
  std::vector<int> page_of(122, 0);
  const std::regex entry(R"((\d{1,3}) ([A-Z][A-Z0-9 ]*?[A-Z0-9])(?=  |$))");
  for (size_t k = 0; k < table->size(); ++k) {
    const std::string& line = table->lines()[k];
    EXPECT_LE(line.size(), 80u) << k + 1;
    if (!line.empty()) {
      EXPECT_EQ(line[0], ' ') << k + 1;
    }
    for (auto it = std::sregex_iterator(line.begin(), line.end(), entry); it != std::sregex_iterator(); ++it) {
      const int pick = std::stoi((*it)[1]);
      ASSERT_TRUE(pick >= 1 && pick <= 121) << line;
      EXPECT_EQ(page_of[pick], 0) << "pick " << pick << " listed twice";
      page_of[pick] = k < 20 ? 1 : 2;
      EXPECT_EQ((*it)[2].str(), NameOf(names->lines()[pick - 1])) << "pick " << pick;
    }
  }
  for (int pick = 1; pick <= 121; ++pick) EXPECT_EQ(page_of[pick], pick < 50 ? 1 : 2) << "pick " << pick;
}

TEST(ZoneData, ConstantFilesHoldAllZonesAndNoMore) {
  for (int datum : {1, 2}) {
    const auto file = Delivered(datum == 1 ? "NAD27.CON" : "NAD83.CON");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->size(), 121u);
    for (int zone = 1; zone <= 121; ++zone) {
      const auto record = ReadZoneRecord(*file, datum, zone);
      ASSERT_TRUE(record) << datum << " " << zone;
      EXPECT_TRUE(MakeZoneConstants(datum, zone, *record)) << datum << " " << zone;
    }
    EXPECT_FALSE(ReadZoneRecord(*file, datum, 122));
  }
}

// At the origin of every zone the grid gives the false easting and northing;
// on the central meridian the convergence is nil and, in a transverse
// Mercator zone, the scale is the central scale.
TEST(ZoneData, EveryZoneMapsItsOriginToTheFalseCoordinates) {
  const auto nad83 = Delivered("NAD83.CON");
  const auto nad27 = Delivered("NAD27.CON");
  ASSERT_TRUE(nad83 && nad27);
  for (int zone = 1; zone <= 121; ++zone) {
    const auto record = *ReadZoneRecord(*nad83, 2, zone);
    const ZoneConstants constants = *MakeZoneConstants(2, zone, record);
    double latitude, meridian, false_easting, false_northing;
    if (IsTransverseMercatorZone(zone)) {
      latitude = (record[3] + record[4] / 60) * kDegree;
      meridian = (record[0] + record[1] / 60) * kDegree;
      false_easting = record[5];
      false_northing = record[6];
    } else {
      latitude = (record[6] + record[7] / 60) * kDegree;
      meridian = (record[4] + record[5] / 60) * kDegree;
      false_easting = record[8];
      false_northing = record[9];
    }
    GridPosition grid = Project(constants, latitude, meridian);
    EXPECT_NEAR(grid.x, false_easting, 1e-6) << zone;
    EXPECT_NEAR(grid.y, false_northing, 1e-4) << zone;
    EXPECT_NEAR(grid.convergence, 0.0, 1e-12) << zone;
    EXPECT_EQ(SplitConvergence(grid.convergence).sign, '+') << zone;
    if (IsTransverseMercatorZone(zone)) {
      EXPECT_DOUBLE_EQ(grid.scale, 1.0 - 1.0 / record[2]) << zone;
      // Anywhere on the central meridian.
      grid = Project(constants, latitude + 2 * kDegree, meridian);
      EXPECT_NEAR(grid.x, false_easting, 1e-6) << zone;
      EXPECT_DOUBLE_EQ(grid.scale, 1.0 - 1.0 / record[2]) << zone;
    }
  }
}

}  // namespace
}  // namespace korval::netadj
