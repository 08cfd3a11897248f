// The tables of one adjustment run: stations, control points and vectors.
//
// The run owns them from the reading of INFO.VEC to the stop. The ordering
// renumbers them in place (names, vector ends, control station numbers) once,
// before the first pass; each pass writes the adjusted coordinates and their
// standard errors; robust re-weighting changes only the weights.
//
// Station numbers are 0-based indices into `stations`. Control points are the
// first stations in file order when INFO.VEC has been read.
#pragma once

#include <string>
#include <vector>

namespace korval::netadj {

inline constexpr int kMaxControlPoints = 700;
inline constexpr int kMaxStations = 3000;
inline constexpr int kMaxVectors = 9899;      // the 9,900th vector stops the run
inline constexpr long long kMaxTerms = 900000;  // normal-equation terms in band storage

struct Station {
  std::string name;              // 8 characters, blanks included
  double x = 0, y = 0, z = 0;    // adjusted Earth-centred coordinates, metres
  double sx = 0, sy = 0, sz = 0; // standard errors: unscaled from the solver, then scaled by sigma0
  double latitude = 0;           // adjusted latitude, radians, north positive
  double longitude_west = 0;     // adjusted longitude, radians, WEST positive
  double geoid_height = 0;       // metres, elevation step only
};

struct ControlPoint {
  int station = 0;               // station number (follows the renumbering)
  double cx = 0, cy = 0, cz = 0; // Earth-centred coordinates of the control record, metres
  // 1/s^2 of the latitude, longitude and height standard deviations, applied
  // to X, Y and Z in that order.
  double wx = 0, wy = 0, wz = 0;
};

struct Vector {
  int from = 0, to = 0;          // station numbers
  double dx = 0, dy = 0, dz = 0; // observed to-minus-from differences, metres
  double wx = 0, wy = 0, wz = 0; // 1/s^2 of the component standard deviations
};

struct Network {
  std::vector<Station> stations;
  std::vector<ControlPoint> control;
  std::vector<Vector> vectors;
};

// The coordinate component of a one-dimensional adjustment.
enum class Component { kX, kY, kZ };

}  // namespace korval::netadj
