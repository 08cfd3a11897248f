#include "netadj/state_plane/grid_position.hpp"

#include <cmath>

#include "geodesy/ellipsoid.hpp"

namespace korval::netadj {

double LongitudeNearMeridian(double longitude_west, double central_meridian_west) {
  const double turn = 2.0 * geodesy::kPi;
  const double turns = std::round((longitude_west - central_meridian_west) / turn);
  return longitude_west - turns * turn;
}

}  // namespace korval::netadj
