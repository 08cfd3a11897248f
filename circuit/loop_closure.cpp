#include "circuit/loop_closure.hpp"

#include <algorithm>

#include "circuit/layouts.hpp"

namespace korval::circuit {

namespace {

void WriteLoopStations(const Network& network, const LoopPath& loop, RecordFile& report) {
  const size_t count = loop.stations.size();
  for (size_t first = 0; first < count; first += kLoopStationsPerLine) {
    Values names;
    const size_t end = std::min(count, first + kLoopStationsPerLine);
    for (size_t k = first; k < end; ++k) names.Add(network.NameOf(loop.stations[k]));
    report.Write(kLoopStationsLine, names);
  }
}

}  // namespace

Misclosure MiscloseLoop(const Network& network, const LoopPath& loop) {
  Misclosure result;
  for (size_t k = 0; k < loop.vectors.size(); ++k) {
    const Vector& vector = network.vectors[loop.vectors[k]];
    const double sign = vector.to == loop.stations[k + 1] ? 1.0 : -1.0;
    for (int c = 0; c < 3; ++c) result.sum[c] += sign * vector.d[c];
    result.length += Length(vector.d);
  }
  return result;
}

bool EvaluateFoundLoop(const Network& network, const LoopPath& loop, const Tolerance& tolerance,
                       RunTotals& totals, RecordFile& report) {
  const Misclosure misclosure = MiscloseLoop(network, loop);
  const double linear_closure = Length(misclosure.sum);
  totals.length += misclosure.length;
  totals.closure += linear_closure;
  ++totals.loops;
  const ClosureFigures figures = FiguresOf(linear_closure, misclosure.length, kAutomaticClosureFloor);
  if (!tolerance.Reports(figures.closure, figures.ppm)) return false;
  WriteLoopStations(network, loop, report);
  report.Write(kClosureLine, {figures.closure, figures.ppm, figures.OneIn()});
  report.WriteLine(kRecordRule);
  return true;
}

}  // namespace korval::circuit
