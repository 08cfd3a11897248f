// Judging one adjustment pass: vector residuals, network precision, the
// standard error of unit weight with its degrees of freedom, the chi-square
// test, the 95 % multiplier and the station error estimates.
//
// Everything here is recomputed from the tables of the pass; nothing is kept
// from one pass to the next.
#pragma once

#include <vector>

#include "netadj/network.hpp"

namespace korval::netadj {

// The residual values of one vector. Residuals are adjusted minus observed.
struct VectorResidual {
  double rx = 0, ry = 0, rz = 0;  // component residuals, metres
  double horizontal = 0;          // metres; negative when the adjusted vector is shorter
  double vertical = 0;            // metres, height of the residual point above the from-station
  double three_d = 0;             // metres; negative when the adjusted vector is shorter
  double error_estimate = 0;      // 3-D error estimate from the current weights, metres
  double snooping = 0;            // |3-D residual| / error estimate
  double ppm = 0;                 // |3-D residual| per million of the observed length
  double observed_length = 0;     // metres
  bool flagged = false;           // snooping number 3.0 or more

  // The size of the 3-D residual, whatever the sign shown for it.
  double Size() const { return three_d < 0 ? -three_d : three_d; }
};

// Snooping number: the 3-D residual in units of its error estimate; 0 when
// either is 0.
double SnoopingNumber(double residual_size, double error_estimate);
// A vector is suspect from 3.0 error estimates on.
bool IsSnooped(double snooping_number);
// Parts per million of a length; 0 for a vector of zero observed length.
double PartsPerMillion(double residual_size, double length);

// The residual values of one vector from the adjusted coordinates of its ends.
VectorResidual ComputeVectorResidual(const Network& network, const Vector& vector, int datum);

// The network values of the vector residuals of a pass.
struct NetworkPrecision {
  double rms_x = 0, rms_y = 0, rms_z = 0;  // metres
  double ppm_precision = 0;                // sum of 3-D residuals per million of the observed lengths
  int largest_vector = -1;                 // index of the greatest 3-D residual; -1 without vectors
  double largest_residual = 0;             // its size, metres
  double weighted_sum = 0;                 // sum of w r^2 over the vector components
};

NetworkPrecision SummariseResiduals(const std::vector<Vector>& vectors, const std::vector<VectorResidual>& residuals);

// Control minus adjusted, with the error estimates of the current control weights.
struct ControlResidual {
  double dx = 0, dy = 0, dz = 0;  // metres
  double ex = 0, ey = 0, ez = 0;  // 1/sqrt(weight), metres
};

ControlResidual ComputeControlResidual(const Network& network, const ControlPoint& control);

// Sum of w d^2 over the components of every control point.
double ControlWeightedSum(const Network& network);

// Degrees of freedom of the three component adjustments together.
int DegreesOfFreedom(int vectors, int control_points, int stations, bool minimally_constrained);

// Standard error of unit weight: sqrt(V / DOF); without redundancy (DOF 0 or
// less) the weighted sum itself.
double UnitWeightError(double weighted_sum, int degrees_of_freedom);

// The chi-square test of the standard error of unit weight at the 5 % level.
struct ChiSquareResult {
  double low = 0;       // lower bound on sigma0
  double high = 0;      // upper bound on sigma0
  bool passes = false;  // strictly between the tabulated bounds
};

ChiSquareResult ChiSquareTest(double sigma0, int degrees_of_freedom);

// The 95 % confidence F statistic multiplier of the standard errors.
double FMultiplier(int degrees_of_freedom);

// Everything the report shows of one pass before the station list.
struct PassStatistics {
  std::vector<VectorResidual> vectors;  // in vector order
  NetworkPrecision precision;
  std::vector<ControlResidual> control;  // constrained passes only, in control order
  double weighted_sum = 0;               // V, vectors and (constrained) control
  int degrees_of_freedom = 0;
  double sigma0 = 0;
  ChiSquareResult chi_square;
  double multiplier = 20.0;
};

PassStatistics EvaluatePass(const Network& network, int datum, bool minimally_constrained);

// The adjusted position of a station with its 95 % error estimates.
struct StationEstimate {
  double latitude = 0;   // radians, north positive
  double longitude = 0;  // radians, EAST positive
  double height = 0;     // ellipsoidal height, metres
  double north_error = 0, east_error = 0, height_error = 0;  // metres, 95 %
};

// From the adjusted coordinates and the SCALED standard errors of `station`,
// with the multiplier `f`. The error estimates are lengths on the GRS 80
// ellipsoid whatever the datum.
StationEstimate EstimateStation(const Station& station, double f, int datum);

}  // namespace korval::netadj
