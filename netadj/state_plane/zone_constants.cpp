#include "netadj/state_plane/zone_constants.hpp"

#include <cmath>

#include "common/free_format.hpp"
#include "geodesy/ellipsoid.hpp"

namespace korval::netadj {

namespace {

double LatitudeRadians(double degrees, double minutes) { return (degrees + minutes / 60.0) * geodesy::kPi / 180.0; }

double MeridianArcSeconds(double degrees, double minutes) { return (degrees * 60.0 + minutes) * 60.0; }

bool UsableParallel(double latitude) { return std::fabs(latitude) < geodesy::kPi / 2.0; }

std::optional<ZoneConstants> Nad83Zone(int zone, std::span<const double> r) {
  if (IsTransverseMercatorZone(zone)) {
    if (!(r[2] > 1.0)) return std::nullopt;
    Nad83TransverseMercatorZone tm;
    tm.central_meridian = MeridianArcSeconds(r[0], r[1]);
    tm.central_scale = 1.0 - 1.0 / r[2];
    tm.origin_latitude = LatitudeRadians(r[3], r[4]);
    tm.false_easting = r[5];
    tm.false_northing = r[6];
    return tm;
  }
  Nad83LambertZone lambert;
  lambert.first_parallel = LatitudeRadians(r[0], r[1]);
  lambert.second_parallel = LatitudeRadians(r[2], r[3]);
  lambert.central_meridian = MeridianArcSeconds(r[4], r[5]);
  lambert.origin_latitude = LatitudeRadians(r[6], r[7]);
  lambert.false_easting = r[8];
  lambert.false_northing = r[9];
  if (!UsableParallel(lambert.first_parallel) || !UsableParallel(lambert.second_parallel) ||
      !UsableParallel(lambert.origin_latitude) ||
      lambert.first_parallel == lambert.second_parallel) {
    return std::nullopt;
  }
  return lambert;
}

std::optional<ZoneConstants> Nad27Zone(int zone, std::span<const double> r) {
  if (IsTransverseMercatorZone(zone)) {
    if (!(r[4] > 0)) return std::nullopt;
    return Nad27TransverseMercatorZone{r[0], r[1], r[2], r[3], r[4], r[5]};
  }
  if (!(r[5] > 0 && r[5] < 1)) return std::nullopt;
  return Nad27LambertZone{r[0], r[1], r[2], r[3], r[4], r[5], r[6], r[7], r[8], r[9], r[10]};
}

}  // namespace

int ZoneRecordLength(int datum, int zone) {
  if (UsesNad27(datum)) return IsTransverseMercatorZone(zone) ? 6 : 11;
  return IsTransverseMercatorZone(zone) ? 7 : 10;
}

std::optional<std::vector<double>> ReadZoneRecord(RecordFile& file, int datum, int zone) {
  if (zone < 1) return std::nullopt;
  file.Rewind();
  std::vector<double> record;
  for (int z = 1; z <= zone; ++z) {
    record.assign(static_cast<size_t>(ZoneRecordLength(datum, z)), 0.0);
    const ListResult result = file.ReadList(record);
    // A record cut short by a slash leaves numbers unread: not a zone record.
    if (result.status != ListStatus::kOk || result.assigned != record.size()) return std::nullopt;
  }
  return record;
}

std::optional<ZoneConstants> MakeZoneConstants(int datum, int zone, std::span<const double> record) {
  if (record.size() != static_cast<size_t>(ZoneRecordLength(datum, zone))) return std::nullopt;
  return UsesNad27(datum) ? Nad27Zone(zone, record) : Nad83Zone(zone, record);
}

GridPosition Project(const ZoneConstants& zone, double latitude, double longitude_west) {
  return std::visit(
      [&](const auto& constants) -> GridPosition {
        using Zone = std::decay_t<decltype(constants)>;
        if constexpr (std::is_same_v<Zone, Nad83TransverseMercatorZone>) {
          return Nad83TransverseMercator(constants, latitude, longitude_west);
        } else if constexpr (std::is_same_v<Zone, Nad83LambertZone>) {
          return Nad83Lambert(constants, latitude, longitude_west);
        } else if constexpr (std::is_same_v<Zone, Nad27TransverseMercatorZone>) {
          return Nad27TransverseMercator(constants, latitude, longitude_west);
        } else {
          return Nad27Lambert(constants, latitude, longitude_west);
        }
      },
      zone);
}

}  // namespace korval::netadj
