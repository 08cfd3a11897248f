// The error model of imported GPS vectors: a constant part plus parts per
// million of the vector length, shared out equally over the three components.
#pragma once

#include "common/console.hpp"

namespace korval {

struct VectorErrorModel {
  double constant = 0;  // metres, greater than 0
  double ppm = 0;       // parts per million of the length, 0 or more

  // Standard deviation of each of the three components of a vector of
  // `length` metres: (c + p D) / sqrt(3), so that the three together give
  // c + p D along the vector.
  double ComponentSigma(double length) const;
};

// The number entry "INPUT CONSTANT AND PPM ERROR ESTIMATES (2 VALUES)", constant
// first. Repeated while it cannot be read, while either value is negative, and
// while the constant is 0 (a vector is never known perfectly). Values that the
// entry leaves out keep those of `preset`.
VectorErrorModel AskVectorErrorModel(Console& console, const VectorErrorModel& preset);

}  // namespace korval
