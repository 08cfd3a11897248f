// A loop of vectors and its closure: the signed sum of the vectors walked
// around the loop should be zero; what is left is the misclosure.
#pragma once

#include <array>
#include <vector>

#include "circuit/network.hpp"
#include "circuit/tolerance.hpp"
#include "common/record_file.hpp"

namespace korval::circuit {

// The stations of a loop from its first to its closing repetition of the
// first, and the vector walked between each pair: vectors[k] joins
// stations[k] and stations[k + 1].
struct LoopPath {
  std::vector<int> stations;
  std::vector<int> vectors;
};

// The totals over every loop evaluated in the run, automatic and manual.
struct RunTotals {
  int loops = 0;        // loops evaluated
  double length = 0;    // sum of the loop lengths, metres
  double closure = 0;   // sum of the linear closures, metres
};

struct Misclosure {
  std::array<double, 3> sum{};  // signed sums of DX, DY, DZ, metres
  double length = 0;            // sum of the vector lengths, metres
};

// Walks the loop from station to station, adding each vector forwards when
// it points the way walked and backwards otherwise.
Misclosure MiscloseLoop(const Network& network, const LoopPath& loop);

// Evaluates a loop found by the automatic search: counts it, adds its length
// and its linear closure (before the floor) to the totals, and writes its
// stations and closure to LOOP.VEC when the tolerance reports it. True when
// reported.
bool EvaluateFoundLoop(const Network& network, const LoopPath& loop, const Tolerance& tolerance,
                       RunTotals& totals, RecordFile& report);

}  // namespace korval::circuit
