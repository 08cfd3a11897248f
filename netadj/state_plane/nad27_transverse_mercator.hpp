// NAD 27 transverse Mercator zones (pick numbers 1-49), Clarke 1866, U.S.
// survey feet, by the zone constants C1..C6 of NAD27.CON.
#pragma once

#include "netadj/state_plane/grid_position.hpp"

namespace korval::netadj {

struct Nad27TransverseMercatorZone {
  double c1 = 0;  // false easting, feet
  double c2 = 0;  // central meridian, arc-seconds west
  double c3 = 0;  // latitude of origin, whole minutes
  double c4 = 0;  // origin latitude constant, arc-seconds (Y = 0 where 60 (M2 - C3) + S2 - T2 = C4)
  double c5 = 1;  // central scale factor
  double c6 = 0;  // coefficient of the cubic easting term (its part beyond the formula's own)
};

// Grid position of a station (latitude north, longitude west, radians). Beside
// the terms of the zone constants, the easting carries the fifth-order term and
// the cubic term at the station's own latitude, and the northing its fourth-
// and sixth-order terms, all from Clarke 1866, so that the grid holds to a
// hundredth of a foot across the widest zones.
GridPosition Nad27TransverseMercator(const Nad27TransverseMercatorZone& zone, double latitude,
                                     double longitude_west);

// The higher-order corrections alone, in feet, for a station at `latitude`
// whose longitude lies `l` radius units (longitude difference east of the
// central meridian times cos latitude) from the central meridian.
double Nad27HigherOrderEasting(const Nad27TransverseMercatorZone& zone, double latitude, double l);
double Nad27HigherOrderNorthing(const Nad27TransverseMercatorZone& zone, double latitude, double l);

}  // namespace korval::netadj
