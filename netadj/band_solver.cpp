#include "netadj/band_solver.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "common/record.hpp"
#include "common/stop.hpp"

namespace korval::netadj {
namespace {

// The control point held in the minimally constrained mode gets this weight on
// each component, whatever its record says.
constexpr double kMinimalConstraintWeight = 1.0e6;

const Layout kSingularLine = {Fixed(" *** STATION "), Text(8), Fixed(" MAKES THE NORMAL EQUATIONS SINGULAR")};

// The values of one component in the tables of the run.
struct ComponentView {
  double Vector::*observed;
  double Vector::*weight;
  double ControlPoint::*control_value;
  double ControlPoint::*control_weight;
  double Station::*coordinate;
  double Station::*sigma;
};

ComponentView ViewOf(Component component) {
  switch (component) {
    case Component::kX:
      return {&Vector::dx, &Vector::wx, &ControlPoint::cx, &ControlPoint::wx, &Station::x, &Station::sx};
    case Component::kY:
      return {&Vector::dy, &Vector::wy, &ControlPoint::cy, &ControlPoint::wy, &Station::y, &Station::sy};
    case Component::kZ:
      break;
  }
  return {&Vector::dz, &Vector::wz, &ControlPoint::cz, &ControlPoint::wz, &Station::z, &Station::sz};
}

void AddObservations(const Network& network, const ComponentView& view, bool minimally_constrained,
                     BandSystem& system) {
  if (!network.control.empty()) {
    if (!minimally_constrained) {
      for (const ControlPoint& point : network.control) {
        const int k = point.station + 1;
        system.At(k, k) += point.*(view.control_weight);
        system.rhs[k] += point.*(view.control_weight) * point.*(view.control_value);
      }
    } else {
      const ControlPoint& held = network.control.front();
      const int k = held.station + 1;
      system.At(k, k) += kMinimalConstraintWeight;
      system.rhs[k] += kMinimalConstraintWeight * held.*(view.control_value);
    }
  }
  for (const Vector& vector : network.vectors) {
    const int f = vector.from + 1;
    const int t = vector.to + 1;
    const double w = vector.*(view.weight);
    system.At(f, f) += w;
    system.At(t, t) += w;
    system.At(std::min(f, t), std::max(f, t)) -= w;
    system.rhs[f] -= w * vector.*(view.observed);
    system.rhs[t] += w * vector.*(view.observed);
  }
}

thread_local BandSystem run_system;

}  // namespace

void FormNormalEquations(const Network& network, Component component, const BandInfo& band,
                         bool minimally_constrained, BandSystem& system) {
  for (const Vector& vector : network.vectors) {
    // A vector outside the band would be added to the wrong element.
    if (std::abs(vector.from - vector.to) > band.band) {
      throw std::logic_error("normal equations formed with a band narrower than the network");
    }
  }
  system.Reset(static_cast<int>(network.stations.size()), band.band);
  AddObservations(network, ViewOf(component), minimally_constrained, system);
}

int SolveComponent(Network& network, Component component, const BandInfo& band, bool minimally_constrained,
                   BandSystem& system, DiagonalMethod method) {
  const int n = static_cast<int>(network.stations.size());
  FormNormalEquations(network, component, band, minimally_constrained, system);

  const int singular_row = FactorBand(system);
  if (singular_row != 0) return singular_row - 1;
  SolveBand(system);
  std::vector<double>& solution = system.rhs;
  for (int i = 1; i <= n; ++i) {
    if (!std::isfinite(solution[i])) return i - 1;
  }
  if (method == DiagonalMethod::kBandOfInverse) {
    InverseDiagonal(system);
  } else {
    InverseDiagonalBySolves(system);
  }
  for (int i = 1; i <= n; ++i) {
    const double variance = system.At(i, i);
    if (!std::isfinite(variance) || variance < 0.0) return i - 1;
  }
  const ComponentView view = ViewOf(component);
  for (int i = 1; i <= n; ++i) {
    Station& station = network.stations[static_cast<size_t>(i) - 1];
    station.*(view.coordinate) = solution[i];
    station.*(view.sigma) = std::sqrt(system.At(i, i));
  }
  return -1;
}

void AdjustComponent(Network& network, Component component, const BandInfo& band, bool minimally_constrained) {
  if (SolveComponent(network, component, band, minimally_constrained, run_system) >= 0) Stop(kCannotAdjust);
}

void AdjustComponent(Session& session, RecordFile& report, Network& network, Component component,
                     const BandInfo& band, bool minimally_constrained) {
  const int station = SolveComponent(network, component, band, minimally_constrained, run_system);
  if (station < 0) return;
  const Values line = {network.stations[static_cast<size_t>(station)].name};
  session.console().Write(kSingularLine, line);
  report.Write(kSingularLine, line);
  Stop(kCannotAdjust);
}

}  // namespace korval::netadj
