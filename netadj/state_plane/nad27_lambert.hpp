// NAD 27 Lambert conformal conic zones (pick numbers 50-121), Clarke 1866, U.S.
// survey feet, by the zone constants C1..C11 of NAD27.CON.
#pragma once

#include "netadj/state_plane/grid_position.hpp"

namespace korval::netadj {

struct Nad27LambertZone {
  double c1 = 0;   // easting of the central meridian, feet
  double c2 = 0;   // central meridian, arc-seconds west
  double c3 = 0;   // radius of the central parallel, feet
  double c4 = 0;   // northing constant, feet: Y = C4 - R cos(gamma)
  double c5 = 1;   // scale of the meridian distance in the radius series
  double c6 = 0;   // cone constant l, the sine of the central parallel
  double c7 = 0;   // central parallel, whole minutes
  double c8 = 0;   // central parallel constant, arc-seconds
  double c9 = 0;   // radius series coefficient of u'^2
  double c10 = 0;  // radius series coefficient of u'^3 (subtracted)
  double c11 = 0;  // radius series coefficient of u'^4
};

// Grid position of a station (latitude north, longitude west, radians).
GridPosition Nad27Lambert(const Nad27LambertZone& zone, double latitude, double longitude_west);

}  // namespace korval::netadj
