#include "circuit/repeated_lines.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

#include "circuit/layouts.hpp"
#include "circuit/project_input.hpp"
#include "common/stop.hpp"

namespace korval::circuit {

namespace {

void WriteComparison(const Network& network, int earlier, int later, const ClosureFigures& figures,
                     RecordFile& file) {
  const Vector& k = network.vectors[earlier];
  const Vector& j = network.vectors[later];
  file.Write(kObservationLine, {earlier + 1, network.NameOf(k.from), network.NameOf(k.to)});
  file.Write(kObservationLine, {later + 1, network.NameOf(j.from), network.NameOf(j.to)});
  file.Write(kClosureLine, {figures.closure, figures.ppm, figures.OneIn()});
  file.WriteLine(kRecordRule);
}

// The closure of two measurements of one line: their difference when they
// run the same way, their sum when one is reversed.
ClosureFigures CompareMeasurements(const Vector& earlier, const Vector& later) {
  const double sign = earlier.from == later.from ? -1.0 : 1.0;
  std::array<double, 3> closure{};
  for (int c = 0; c < 3; ++c) closure[c] = earlier.d[c] + sign * later.d[c];
  return FiguresOf(Length(closure), Length(later.d), kAutomaticClosureFloor);
}

}  // namespace

ComparisonCounts CompareRepeatedLines(Network& network, const Tolerance& tolerance, Report& report) {
  ComparisonCounts counts;
  std::vector<Vector>& vectors = network.vectors;
  const int count = static_cast<int>(vectors.size());
  std::vector<int> group;
  for (int i = 0; i < count; ++i) {
    if (vectors[i].deleted) continue;
    group.assign(1, i);
    std::array<double, 3> weighted_sum{};
    std::array<double, 3> weight_sum{};
    for (int c = 0; c < 3; ++c) {
      weighted_sum[c] = vectors[i].d[c] / vectors[i].sigma[c];
      weight_sum[c] = 1.0 / vectors[i].sigma[c];
    }
    for (int j = i + 1; j < count; ++j) {
      if (vectors[j].deleted || !vectors[j].SameLineAs(vectors[i])) continue;
      if (group.size() >= static_cast<size_t>(kMaxLineMeasurements)) {
        report.console().Say(" MORE THAN 50 MEASUREMENTS OF ONE LINE - STOP");
        Stop(kIncompleteDataClosing);
      }
      group.push_back(j);
      for (size_t m = 0; m + 1 < group.size(); ++m) {
        const ClosureFigures figures = CompareMeasurements(vectors[group[m]], vectors[j]);
        ++counts.made;
        if (tolerance.Reports(figures.closure, figures.ppm)) {
          ++counts.exceeding;
          WriteComparison(network, group[m], j, figures, report.file());
        }
      }
      const double sign = vectors[j].from == vectors[i].from ? 1.0 : -1.0;
      for (int c = 0; c < 3; ++c) {
        weighted_sum[c] += sign * vectors[j].d[c] / vectors[j].sigma[c];
        weight_sum[c] += 1.0 / vectors[j].sigma[c];
      }
    }
    if (group.size() < 2) continue;
    const Vector& last = vectors[group.back()];
    const double root_n = std::sqrt(static_cast<double>(group.size()));
    for (int c = 0; c < 3; ++c) {
      vectors[i].d[c] = weighted_sum[c] / weight_sum[c];
      vectors[i].sigma[c] = std::max(last.sigma[c] / root_n, kMinimumMergedStandardError);
    }
    for (size_t m = 1; m < group.size(); ++m) vectors[group[m]].deleted = true;
  }
  return counts;
}

void WriteComparisonSummary(const ComparisonCounts& counts, const Tolerance& tolerance, Report& report) {
  if (tolerance.ShowsAll()) {
    report.ConsoleThenFile(kComparisonsMadeLine, {counts.made});
  } else {
    report.ConsoleThenFile(kComparisonsExceedLine, {counts.exceeding, counts.made});
  }
  report.ConsoleThenFile(" AUTOMATIC LOOP CLOSURES FOLLOW");
  report.ConsoleThenFile(kStarRule);
}

void RemoveMergedVectors(Network& network) {
  std::erase_if(network.vectors, [](const Vector& vector) { return vector.deleted; });
}

}  // namespace korval::circuit
