// Geodetic <-> Earth-centred Cartesian coordinates.
//
// Angles in radians: latitude positive north, longitude positive EAST in
// -pi..pi. Heights and X, Y, Z in metres. The datum code selects the
// ellipsoid (ellipsoid.hpp).
//
// CartesianToGeodetic is Bowring's closed form with one step and no
// iteration: within 0.1 mm of the exact conversion for points from -100 m to
// 9,000 m above the ellipsoid. On the Z axis (p = 0) it returns the pole:
// latitude +90 or -90 degrees by the sign of Z, longitude 0, height |Z| - b.
#pragma once

namespace korval::geodesy {

struct Cartesian {
  double x = 0;
  double y = 0;
  double z = 0;
};

struct Geodetic {
  double latitude = 0;   // radians, north positive
  double longitude = 0;  // radians, east positive
  double height = 0;     // metres above the ellipsoid
};

Cartesian GeodeticToCartesian(double latitude, double longitude, double height, int datum);

Geodetic CartesianToGeodetic(double x, double y, double z, int datum);

}  // namespace korval::geodesy
