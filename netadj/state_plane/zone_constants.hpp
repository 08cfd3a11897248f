// The constants of one state plane zone, read from NAD27.CON or NAD83.CON.
//
// Both files hold one free-form record per zone in pick-number order: pick
// numbers 1-49 are transverse Mercator zones, 50-121 Lambert zones. A zone's
// record is found by reading and passing over the records of all lower zones.
//
// NAD83.CON, transverse Mercator: central meridian degrees and minutes, scale
// denominator D (k0 = 1 - 1/D), latitude of origin degrees and minutes, false
// easting and northing (m). Lambert: the two standard parallels, the central
// meridian and the latitude of origin, each in degrees and minutes, then false
// easting and northing (m). Meridians are west longitudes.
//
// NAD27.CON: C1..C6 (transverse Mercator) or C1..C11 (Lambert), used as they
// stand (see nad27_transverse_mercator.hpp and nad27_lambert.hpp).
#pragma once

#include <optional>
#include <span>
#include <variant>
#include <vector>

#include "common/record_file.hpp"
#include "netadj/state_plane/grid_position.hpp"
#include "netadj/state_plane/nad27_lambert.hpp"
#include "netadj/state_plane/nad27_transverse_mercator.hpp"
#include "netadj/state_plane/nad83_lambert.hpp"
#include "netadj/state_plane/nad83_transverse_mercator.hpp"

namespace korval::netadj {

inline constexpr int kFirstLambertZone = 50;

inline bool IsTransverseMercatorZone(int zone) { return zone < kFirstLambertZone; }

// Datum codes below 2 take the NAD 27 constants and formulas, all others NAD 83.
inline bool UsesNad27(int datum) { return datum < 2; }

// Numbers in the record of `zone` for the datum.
int ZoneRecordLength(int datum, int zone);

// Reads the record of `zone` (1 or more) from the start of a constant file.
// Nothing when the file ends before it or a number of it or of a lower zone
// cannot be read.
std::optional<std::vector<double>> ReadZoneRecord(RecordFile& file, int datum, int zone);

using ZoneConstants =
    std::variant<Nad83TransverseMercatorZone, Nad83LambertZone, Nad27TransverseMercatorZone, Nad27LambertZone>;

// The constants of a zone from its record, with the NAD 83 angles turned into
// radians and arc-seconds. Nothing when the numbers cannot be a zone (a scale
// denominator of 1 or less, equal or polar standard parallels, a cone constant
// outside 0..1): the formulas would divide by zero.
std::optional<ZoneConstants> MakeZoneConstants(int datum, int zone, std::span<const double> record);

// Projects a station (latitude north, longitude west, radians) with the
// formulas of the zone's datum and kind.
GridPosition Project(const ZoneConstants& zone, double latitude, double longitude_west);

}  // namespace korval::netadj
