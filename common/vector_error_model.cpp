#include "common/vector_error_model.hpp"

#include <array>
#include <cmath>

namespace korval {

double VectorErrorModel::ComponentSigma(double length) const {
  return (constant + ppm / 1000000.0 * length) / std::sqrt(3.0);
}

VectorErrorModel AskVectorErrorModel(Console& console, const VectorErrorModel& preset) {
  std::array<double, 2> values{preset.constant, preset.ppm};
  console.AskNumbers({" INPUT CONSTANT AND PPM ERROR ESTIMATES (2 VALUES)"}, values,
                     [](std::span<const double> v) { return v[0] > 0.0 && v[1] >= 0.0; });
  return VectorErrorModel{values[0], values[1]};
}

}  // namespace korval
