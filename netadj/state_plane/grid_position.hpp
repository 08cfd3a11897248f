// A station projected into a state plane zone.
#pragma once

namespace korval::netadj {

struct GridPosition {
  double x = 0;            // easting: metres (NAD 83) or U.S. survey feet (NAD 27)
  double y = 0;            // northing, same unit
  double scale = 1;        // grid scale factor at the station
  double convergence = 0;  // radians; positive east of the central meridian
};

// Angular constants of the state plane formulas.
inline constexpr double kArcSecondsPerHalfTurn = 648000.0;

// The west longitude (radians) moved by whole turns so that it lies within half
// a turn of the central meridian (west, radians): a station of Alaska zone 10
// west of the 180th meridian has an east longitude that the geodetic
// conversions return as a large negative west longitude.
double LongitudeNearMeridian(double longitude_west, double central_meridian_west);

}  // namespace korval::netadj
