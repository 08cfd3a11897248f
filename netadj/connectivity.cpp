#include "netadj/connectivity.hpp"

#include <vector>

#include "common/record.hpp"
#include "common/stop.hpp"
#include "netadj/band_solver.hpp"

namespace korval::netadj {
namespace {

const Layout kNoConnectionLine = {Fixed(" *** STATION "), Text(8), Fixed(" HAS NO CONNECTION TO CONTROL")};

bool AllWeightsPositive(double wx, double wy, double wz) { return wx > 0.0 && wy > 0.0 && wz > 0.0; }

}  // namespace

std::vector<int> StationsWithoutControl(const Network& network, bool minimally_constrained) {
  const size_t n = network.stations.size();
  // Vectors that carry weight in all three components join their two ends.
  std::vector<int> start(n + 1, 0);
  for (const Vector& v : network.vectors) {
    if (!AllWeightsPositive(v.wx, v.wy, v.wz)) continue;
    ++start[static_cast<size_t>(v.from) + 1];
    ++start[static_cast<size_t>(v.to) + 1];
  }
  for (size_t s = 0; s < n; ++s) start[s + 1] += start[s];
  std::vector<int> joined(static_cast<size_t>(start[n]));
  std::vector<int> fill(start.begin(), start.end() - 1);
  for (const Vector& v : network.vectors) {
    if (!AllWeightsPositive(v.wx, v.wy, v.wz)) continue;
    joined[static_cast<size_t>(fill[static_cast<size_t>(v.from)]++)] = v.to;
    joined[static_cast<size_t>(fill[static_cast<size_t>(v.to)]++)] = v.from;
  }

  // Search outwards from every held control point.
  std::vector<char> reached(n, 0);
  std::vector<int> frontier;
  for (size_t c = 0; c < network.control.size(); ++c) {
    const ControlPoint& point = network.control[c];
    if (minimally_constrained && c > 0) break;
    if (!minimally_constrained && !AllWeightsPositive(point.wx, point.wy, point.wz)) continue;
    if (reached[static_cast<size_t>(point.station)]) continue;
    reached[static_cast<size_t>(point.station)] = 1;
    frontier.push_back(point.station);
  }
  while (!frontier.empty()) {
    const int s = frontier.back();
    frontier.pop_back();
    for (int e = start[static_cast<size_t>(s)]; e < start[static_cast<size_t>(s) + 1]; ++e) {
      const int v = joined[static_cast<size_t>(e)];
      if (reached[static_cast<size_t>(v)]) continue;
      reached[static_cast<size_t>(v)] = 1;
      frontier.push_back(v);
    }
  }

  std::vector<int> cut_off;
  for (size_t s = 0; s < n; ++s) {
    if (!reached[s]) cut_off.push_back(static_cast<int>(s));
  }
  return cut_off;
}

void CheckConnectionToControl(Session& session, const Network& network, bool minimally_constrained,
                              RecordFile& report) {
  const std::vector<int> cut_off = StationsWithoutControl(network, minimally_constrained);
  if (cut_off.empty()) return;
  for (const int s : cut_off) {
    const Values line = {network.stations[static_cast<size_t>(s)].name};
    session.console().Write(kNoConnectionLine, line);
    report.Write(kNoConnectionLine, line);
  }
  Stop(kCannotAdjust);
}

}  // namespace korval::netadj
