// Repeated measurements of one line: each later measurement is compared with
// every earlier one against the tolerance, and the set is merged into one
// mean vector so that the loop search sees every line once.
#pragma once

#include "circuit/network.hpp"
#include "circuit/report.hpp"
#include "circuit/tolerance.hpp"

namespace korval::circuit {

// Smallest standard error of a merged vector, metres.
inline constexpr double kMinimumMergedStandardError = 0.001;

struct ComparisonCounts {
  int made = 0;       // pairs of measurements compared
  int exceeding = 0;  // of these, the ones beyond tolerance (written to the report)
};

// Visits the vectors in table order. Each vector not yet merged gathers the
// later measurements of its line (either direction), compares each new member
// with every earlier member, writing the comparisons beyond tolerance to
// LOOP.VEC, and takes the mean of the group weighted by 1/sigma. The later
// members are marked deleted. Stops the program when a line has more than 50
// measurements.
ComparisonCounts CompareRepeatedLines(Network& network, const Tolerance& tolerance, Report& report);

// The count of comparisons (and of those beyond tolerance) on the console and
// in LOOP.VEC, and the opening of the automatic loop closures.
void WriteComparisonSummary(const ComparisonCounts& counts, const Tolerance& tolerance, Report& report);

// Removes the vectors merged into others, keeping the order of the rest.
void RemoveMergedVectors(Network& network);

}  // namespace korval::circuit
