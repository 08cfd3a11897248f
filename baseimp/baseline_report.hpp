// Reading the baselines of a Geodimeter GPS baseline report.
//
// A report holds one or more baselines, each given by four key lines in this
// order (any other lines around and between them are passed over):
//   " POINT NUMBER/INFO.: " with the from-station name in columns 22-29,
//   " POINT NUMBER/INFO.: " again, with the to-station name,
//   " DELTAX,"  with DX, DY, DZ in metres (columns 26-44, 45-62, 63-80),
//   " SIGMAS (X,Y,Z)..[MM]" with their standard errors in millimetres
//   (same columns).
#pragma once

#include <string>
#include <vector>

#include "common/project_records.hpp"

namespace korval::baseimp {

// Bounds of a standard error written to a vector record, metres: the least
// that the adjustment uses, and the widest value of the 7-column field.
inline constexpr double kSmallestSigma = 0.0001;
inline constexpr double kLargestSigma = 99.9999;

// A standard error in millimetres as metres, within the bounds above.
double SigmaInMetres(double millimetres);

// The baselines of a report, in file order, as vector records (flag blank).
// A baseline cut off by the end of the report gives none.
std::vector<VectorRecord> ExtractBaselines(const std::vector<std::string>& lines);

}  // namespace korval::baseimp
