// The closure tolerance of a run: a constant in metres and a limit in parts
// per million. A closure is reported only when it fails both, so that short
// lines are not flagged for millimetres and long lines not for their
// proportional error alone.
#pragma once

#include "common/console.hpp"
#include "common/record_file.hpp"

namespace korval::circuit {

struct Tolerance {
  double constant = 0.01;  // metres, 0 or more
  double ppm = 10;         // parts per million, 0 or more

  // Both zero: every closure is reported.
  bool ShowsAll() const { return constant == 0 && ppm == 0; }
  // True when a closure of `closure` metres at `ppm` parts per million is to be
  // reported.
  bool Reports(double closure, double ppm_value) const { return ppm_value >= ppm && closure >= constant; }
};

// Asks for the closure constant and the PPM limit (presets 0.01 and 10 stand
// for values left out); a negative or unreadable entry repeats the question.
Tolerance AskTolerance(Console& console);

// The heading of the loop report that states the tolerance, and the opening
// of the repeated-line comparisons.
void WriteToleranceHeading(const Tolerance& tolerance, RecordFile& report);

// The figures of one closure: the linear closure raised to its floor and the
// proportional error. `length` is the line or loop length in metres.
struct ClosureFigures {
  double closure = 0;  // metres, at least the floor
  double ppm = 0;      // 1,000,000 / (length / closure); infinite for a zero length

  // The "1 in N" of the closure: the whole part of 1,000,000 / ppm. A value
  // beyond the range of whole numbers comes back as one too wide for any
  // field, so that it is written as asterisks.
  long long OneIn() const;
};
ClosureFigures FiguresOf(double linear_closure, double length, double floor);

// Floor of the linear closure of repeated lines and automatic loops, metres.
inline constexpr double kAutomaticClosureFloor = 0.00001;

}  // namespace korval::circuit
