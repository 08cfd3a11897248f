// NAD 83 Lambert conformal conic zones (pick numbers 50-121), GRS 80, metres.
#pragma once

#include "netadj/state_plane/grid_position.hpp"

namespace korval::netadj {

struct Nad83LambertZone {
  double first_parallel = 0;    // standard parallels, radians
  double second_parallel = 0;
  double central_meridian = 0;  // arc-seconds, west positive
  double origin_latitude = 0;   // radians
  double false_easting = 0;     // metres
  double false_northing = 0;    // metres
};

// Grid position of a station (latitude north, longitude west, radians), by the
// closed formulas of the conic (exact to rounding).
GridPosition Nad83Lambert(const Nad83LambertZone& zone, double latitude, double longitude_west);

}  // namespace korval::netadj
