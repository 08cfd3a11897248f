#include "circuit/tolerance.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "circuit/layouts.hpp"

namespace korval::circuit {

Tolerance AskTolerance(Console& console) {
  std::array<double, 2> values{Tolerance{}.constant, Tolerance{}.ppm};
  console.AskNumbers({" INPUT A CLOSURE CONSTANT AND PPM LIMIT (2 VALUES)",
                      " IF PPM IS EXCEEDED THEN CONSTANT WILL BE TESTED (EXAMPLE .02 10)",
                      " TO SHOW ALL CLOSURES ENTER TWO ZEROES"},
                     values, [](std::span<const double> v) { return v[0] >= 0 && v[1] >= 0; });
  return Tolerance{values[0], values[1]};
}

void WriteToleranceHeading(const Tolerance& tolerance, RecordFile& report) {
  if (tolerance.ShowsAll()) {
    report.WriteLine(" ALL LOOP CLOSURES AND MULTIPLE LINE MEASUREMENTS WILL BE SHOWN");
  } else {
    report.WriteLine(" LOOP AND MULTIPLE LINE MEASUREMENT CLOSURE PRINTOUT LIMITS ");
    report.Write(kConstantLine, {tolerance.constant});
    report.Write(kPpmLimitLine, {tolerance.ppm});
  }
  report.WriteLine(kStarRule);
  report.WriteLine(" BEGINNING MULTIPLE LINE MEASUREMENT COMPARISONS");
  report.WriteLine(kStarRule);
}

ClosureFigures FiguresOf(double linear_closure, double length, double floor) {
  ClosureFigures figures;
  figures.closure = std::max(linear_closure, floor);
  figures.ppm = 1000000.0 / (length / figures.closure);
  return figures;
}

long long ClosureFigures::OneIn() const {
  const double ratio = 1000000.0 / ppm;
  if (!std::isfinite(ratio) || std::fabs(ratio) >= 1e18) return std::numeric_limits<long long>::max();
  return static_cast<long long>(ratio);
}

}  // namespace korval::circuit
