#include "netadj/robust.hpp"

#include <cmath>

#include "netadj/report.hpp"

namespace korval::netadj {

double RobustWeight(double weight, double residual) {
  if (!(weight > 0)) return weight;  // nothing to move: the component carries no weight
  const double s = 1.0 / std::sqrt(weight);
  const double moved = (std::fabs(residual) + s) * 0.5;
  return 1.0 / (moved * moved);
}

void ReweightVectors(Network& network) {
  for (Vector& v : network.vectors) {
    const Station& from = network.stations[static_cast<size_t>(v.from)];
    const Station& to = network.stations[static_cast<size_t>(v.to)];
    v.wx = RobustWeight(v.wx, (to.x - from.x) - v.dx);
    v.wy = RobustWeight(v.wy, (to.y - from.y) - v.dy);
    v.wz = RobustWeight(v.wz, (to.z - from.z) - v.dz);
  }
}

void ReweightControl(Network& network) {
  for (ControlPoint& c : network.control) {
    const Station& s = network.stations[static_cast<size_t>(c.station)];
    c.wx = RobustWeight(c.wx, c.cx - s.x);
    c.wy = RobustWeight(c.wy, c.cy - s.y);
    c.wz = RobustWeight(c.wz, c.cz - s.z);
  }
}

bool OfferRobustReweighting(Console& console, RecordFile& report, Network& network, bool minimally_constrained) {
  const bool vectors = console.AskYesNo({"DO YOU WANT TO RE-WEIGHT (ROBUST) YOUR VECTORS (Y/N)? <N>"});
  if (vectors) {
    WriteLines(report, VectorsReweightedLines());
    ReweightVectors(network);
  }
  if (minimally_constrained) return vectors;

  const bool control = console.AskYesNo({"DO YOU WANT TO RE-WEIGHT (ROBUST) CONTROL COOR. (Y/N)? <N>"});
  if (control) {
    WriteLines(report, ControlReweightedLines());
    ReweightControl(network);
  }
  return vectors || control;
}

}  // namespace korval::netadj
