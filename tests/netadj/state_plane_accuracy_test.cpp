// The grid coordinates, scale factors and convergences of all 121 zones on
// both datums, from the zone files delivered in data/, against PROJ.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>

#include "common/record_file.hpp"
#include "geodesy/ellipsoid.hpp"
#include "netadj/state_plane/zone_constants.hpp"
#include "tests/geodesy/csv.hpp"

namespace korval::netadj {
namespace {

constexpr double kDegree = 3.14159265358979323846 / 180.0;
constexpr double kArcSecondsPerRadian = 648000.0 / 3.14159265358979323846;

ZoneConstants DeliveredZone(int datum, int zone) {
  const std::string name = UsesNad27(datum) ? "NAD27.CON" : "NAD83.CON";
  auto file = RecordFile::Open(std::filesystem::path(KORVAL_SOURCE_DIR) / "data" / name, OpenMode::kExisting);
  EXPECT_TRUE(file) << name;
  if (!file) return Nad83TransverseMercatorZone{};
  const auto record = ReadZoneRecord(*file, datum, zone);
  EXPECT_TRUE(record) << name << " zone " << zone;
  if (!record) return Nad83TransverseMercatorZone{};
  const auto constants = MakeZoneConstants(datum, zone, *record);
  EXPECT_TRUE(constants) << name << " zone " << zone;
  return constants ? *constants : ZoneConstants{Nad83TransverseMercatorZone{}};
}

struct Departures {
  double x = 0, y = 0, scale = 0, convergence = 0;
  int points = 0;
  void Take(double dx, double dy, double dk, double dg) {
    x = std::max(x, std::fabs(dx));
    y = std::max(y, std::fabs(dy));
    scale = std::max(scale, std::fabs(dk));
    convergence = std::max(convergence, std::fabs(dg));
    ++points;
  }
};

// Points over each zone's area of use (corners, edge middles, centre, one on
// the central meridian; Alaska zone 10 across the 180th meridian). Required:
// NAD 83 within 1 mm, NAD 27 within 0.01 ft, scale within 3e-7, convergence
// within 0.1 arc-second.
TEST(StatePlaneAccuracy, EveryZoneOnBothDatumsAgreesWithProj) {
  const auto rows = testing::ReadNumberTable("netadj/fixtures/state_plane_proj.csv");
  ASSERT_EQ(rows.size(), 2u * 121u * 10u);
  std::map<std::string, Departures> worst;
  std::map<std::pair<int, int>, ZoneConstants> zones;
  for (const auto& r : rows) {
    const int datum = static_cast<int>(r[0]);
    const int pick = static_cast<int>(r[1]);
    auto found = zones.find({datum, pick});
    if (found == zones.end()) found = zones.emplace(std::make_pair(datum, pick), DeliveredZone(datum, pick)).first;
    const GridPosition grid = Project(found->second, r[2] * kDegree, r[3] * kDegree);
    const double linear = UsesNad27(datum) ? 0.01 : 0.001;
    const double dx = grid.x - r[4], dy = grid.y - r[5], dk = grid.scale - r[6];
    const double dg = grid.convergence * kArcSecondsPerRadian - r[7];
    const std::string where = "datum " + std::to_string(datum) + " zone " + std::to_string(pick) + " at " +
                              std::to_string(r[2]) + " N " + std::to_string(r[3]) + " W";
    EXPECT_NEAR(dx, 0.0, linear) << where;
    EXPECT_NEAR(dy, 0.0, linear) << where;
    EXPECT_NEAR(dk, 0.0, 3e-7) << where;
    EXPECT_NEAR(dg, 0.0, 0.1) << where;
    const std::string kind = std::string(UsesNad27(datum) ? "NAD 27 " : "NAD 83 ") +
                             (IsTransverseMercatorZone(pick) ? "transverse Mercator" : "Lambert");
    worst[kind].Take(dx, dy, dk, dg);
  }
  for (const auto& [kind, d] : worst) {
    std::printf("%-28s %4d points: X %.4f Y %.4f %s, scale %.1e, convergence %.3f\"\n", kind.c_str(), d.points, d.x,
                d.y, kind.starts_with("NAD 27") ? "ft" : "m", d.scale, d.convergence);
  }
}

}  // namespace
}  // namespace korval::netadj
