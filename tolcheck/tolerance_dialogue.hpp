// The console dialogue that shows the tolerance in force and lets the user
// type new values.
#pragma once

#include "common/console.hpp"
#include "tolcheck/tolerance.hpp"

namespace korval::tolcheck {

// Shows `current` and asks whether to change it; when the answer is yes, asks
// for a new constant and a new denominator, each until it lies in its range.
// Returns the tolerance now in force.
Tolerance AskTolerance(Console& console, const Tolerance& current);

}  // namespace korval::tolcheck
