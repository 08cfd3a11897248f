// NAD 83 transverse Mercator zones (pick numbers 1-49), GRS 80, metres.
#pragma once

#include "netadj/state_plane/grid_position.hpp"

namespace korval::netadj {

struct Nad83TransverseMercatorZone {
  double central_meridian = 0;  // arc-seconds, west positive
  double central_scale = 1;     // k0 = 1 - 1/D on the central meridian
  double origin_latitude = 0;   // radians
  double false_easting = 0;     // metres
  double false_northing = 0;    // metres
};

// Grid position of a station (latitude north, longitude west, radians). The
// series are those of the NAD 83 zone tables; within a zone (up to about 3
// degrees from the central meridian) they hold the coordinates to a millimetre,
// the scale to 3e-7 and the convergence to 0.01 arc-second.
GridPosition Nad83TransverseMercator(const Nad83TransverseMercatorZone& zone, double latitude,
                                     double longitude_west);

}  // namespace korval::netadj
