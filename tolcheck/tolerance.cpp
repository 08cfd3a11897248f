#include "tolcheck/tolerance.hpp"

#include <array>

namespace korval::tolcheck {

bool IsAcceptableConstant(double constant) { return constant >= 0.00001 && constant <= 9.9999; }

bool IsAcceptableDenominator(double denominator) { return denominator >= 10 && denominator <= 1e9; }

Tolerance CorrectStoredTolerance(Tolerance stored) {
  if (stored.constant < 0 || stored.constant > 9.9999) stored.constant = 0.0001;
  if (stored.denominator < 10 || stored.denominator > 1e9) stored.denominator = Tolerance{}.denominator;
  return stored;
}

double Allowable(const Tolerance& tolerance, double distance) {
  return distance / tolerance.denominator + tolerance.constant;
}

const Layout& ConstantLine() {
  static const Layout kLine = {Fixed(" CONSTANT = "), Decimal(10, 4), Fixed(" METERS")};
  return kLine;
}

const Layout& ToleranceRecord() {
  static const Layout kRecord = {
      Decimal(7, 4),    // 1-7   constant, metres
      Skip(1),          // 8
      Decimal(11, 0),   // 9-19  denominator
  };
  return kRecord;
}

Tolerance ReadStoredTolerance(RecordFile& file) {
  std::array<double, 2> numbers = {Tolerance{}.constant, Tolerance{}.denominator};
  if (file.ReadList(numbers).status != ListStatus::kOk) return Tolerance{};
  return CorrectStoredTolerance(Tolerance{numbers[0], numbers[1]});
}

void StoreTolerance(RecordFile& file, const Tolerance& tolerance) {
  file.Rewind();
  file.Write(ToleranceRecord(), {tolerance.constant, tolerance.denominator});
  file.TruncateHere();
}

}  // namespace korval::tolcheck
