#include "netadj/band_solver.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>
#include <stdexcept>
#include <vector>

#include "netadj/band_matrix.hpp"
#include "tests/netadj/ordering_test_networks.hpp"
#include "tests/support/project.hpp"

namespace korval::netadj {
namespace {

using testing::MakeGridNetwork;
using testing::MakeNetwork;
using testing::RecordOrder;

BandInfo BandOf(const Network& network) {
  BandInfo info;
  for (const Vector& v : network.vectors) info.band = std::max(info.band, std::abs(v.from - v.to));
  info.terms = TermsOf(static_cast<int>(network.stations.size()), info.band);
  return info;
}

// Weighted least squares of one component with the full normal matrix,
// solved by Gauss-Jordan elimination with partial pivoting: coordinates and
// the square roots of the diagonal of the inverse.
struct DenseSolution {
  std::vector<double> x;
  std::vector<double> sigma;
};

DenseSolution SolveDense(const Network& network, Component component, bool minimally_constrained) {
  const size_t n = network.stations.size();
  auto pick = [component](double x, double y, double z) {
    return component == Component::kX ? x : component == Component::kY ? y : z;
  };
  // [N | b | I]
  const size_t width = 2 * n + 1;
  std::vector<double> m(n * width, 0.0);
  auto at = [&](size_t i, size_t j) -> double& { return m[i * width + j]; };
  for (size_t c = 0; c < network.control.size(); ++c) {
    const ControlPoint& p = network.control[c];
    if (minimally_constrained && c > 0) break;
    const double w = minimally_constrained ? 1.0e6 : pick(p.wx, p.wy, p.wz);
    const size_t k = static_cast<size_t>(p.station);
    at(k, k) += w;
    at(k, n) += w * pick(p.cx, p.cy, p.cz);
  }
  for (const Vector& v : network.vectors) {
    const size_t f = static_cast<size_t>(v.from);
    const size_t t = static_cast<size_t>(v.to);
    const double w = pick(v.wx, v.wy, v.wz);
    const double l = pick(v.dx, v.dy, v.dz);
    at(f, f) += w;
    at(t, t) += w;
    at(f, t) -= w;
    at(t, f) -= w;
    at(f, n) -= w * l;
    at(t, n) += w * l;
  }
  for (size_t i = 0; i < n; ++i) at(i, n + 1 + i) = 1.0;
  for (size_t col = 0; col < n; ++col) {
    size_t pivot = col;
    for (size_t r = col + 1; r < n; ++r) {
      if (std::fabs(at(r, col)) > std::fabs(at(pivot, col))) pivot = r;
    }
    for (size_t j = 0; j < width; ++j) std::swap(at(col, j), at(pivot, j));
    const double d = at(col, col);
    for (size_t j = 0; j < width; ++j) at(col, j) /= d;
    for (size_t r = 0; r < n; ++r) {
      if (r == col || at(r, col) == 0.0) continue;
      const double factor = at(r, col);
      for (size_t j = 0; j < width; ++j) at(r, j) -= factor * at(col, j);
    }
  }
  DenseSolution solution;
  for (size_t i = 0; i < n; ++i) {
    solution.x.push_back(at(i, n));
    solution.sigma.push_back(std::sqrt(at(i, n + 1 + i)));
  }
  return solution;
}

double RelativeDifference(double a, double b) { return std::fabs(a - b) / std::max(std::fabs(b), 1e-300); }

TEST(AdjustComponent, AgreesWithDenseLeastSquaresInBothConstraintModes) {
  for (unsigned seed = 1; seed <= 8; ++seed) {
    const int stations = 20 + 9 * static_cast<int>(seed);
    Network network =
        MakeGridNetwork(stations, 1 + static_cast<int>(seed % 4), 3 * stations, seed % 2 ? RecordOrder::kRandom : RecordOrder::kSweep, seed)
            .network;
    const BandInfo band = BandOf(network);
    for (const bool minimal : {false, true}) {
      BandSystem system;
      for (const Component component : {Component::kX, Component::kY, Component::kZ}) {
        ASSERT_EQ(SolveComponent(network, component, band, minimal, system), -1);
        const DenseSolution dense = SolveDense(network, component, minimal);
        for (size_t s = 0; s < network.stations.size(); ++s) {
          const Station& station = network.stations[s];
          const double x = component == Component::kX ? station.x : component == Component::kY ? station.y : station.z;
          const double sigma =
              component == Component::kX ? station.sx : component == Component::kY ? station.sy : station.sz;
          EXPECT_LT(RelativeDifference(x, dense.x[s]), 1e-9) << "seed " << seed << " station " << s;
          EXPECT_LT(RelativeDifference(sigma, dense.sigma[s]), 1e-9) << "seed " << seed << " station " << s;
        }
      }
    }
  }
}

TEST(InverseDiagonal, BandOfTheInverseAgreesWithOneSolvePerRow) {
  for (unsigned seed = 31; seed <= 40; ++seed) {
    const int stations = 50 + 17 * static_cast<int>(seed % 6);
    const Network original = MakeGridNetwork(stations, 4, 3 * stations, RecordOrder::kRandom, seed).network;
    const BandInfo band = BandOf(original);
    for (const bool minimal : {false, true}) {
      Network fast = original;
      Network reference = original;
      BandSystem system;
      ASSERT_EQ(SolveComponent(fast, Component::kY, band, minimal, system, DiagonalMethod::kBandOfInverse), -1);
      ASSERT_EQ(SolveComponent(reference, Component::kY, band, minimal, system, DiagonalMethod::kSolvePerRow), -1);
      for (size_t s = 0; s < original.stations.size(); ++s) {
        EXPECT_LT(RelativeDifference(fast.stations[s].sy * fast.stations[s].sy,
                                     reference.stations[s].sy * reference.stations[s].sy),
                  1e-10);
        EXPECT_EQ(fast.stations[s].y, reference.stations[s].y);
      }
    }
  }
}

TEST(AdjustComponent, MinimallyConstrainedHoldsOnlyTheFirstControlPointWithItsFixedWeight) {
  const Network original = MakeGridNetwork(40, 3, 110, RecordOrder::kRandom, 3).network;
  Network loose = original;
  Network other_values = original;
  for (ControlPoint& point : loose.control) point.wx = 1e-2;  // sigma of 10 m
  other_values.control[1].cx += 5.0;
  other_values.control[2].cx -= 5.0;
  const BandInfo band = BandOf(original);
  BandSystem system;
  Network plain = original;
  ASSERT_EQ(SolveComponent(plain, Component::kX, band, true, system), -1);
  ASSERT_EQ(SolveComponent(loose, Component::kX, band, true, system), -1);
  ASSERT_EQ(SolveComponent(other_values, Component::kX, band, true, system), -1);
  for (size_t s = 0; s < original.stations.size(); ++s) {
    EXPECT_EQ(loose.stations[s].x, plain.stations[s].x);
    EXPECT_EQ(loose.stations[s].sx, plain.stations[s].sx);
    EXPECT_EQ(other_values.stations[s].x, plain.stations[s].x);
  }
  // The held point sits within a millimetre of its control value.
  const ControlPoint& held = original.control[0];
  EXPECT_NEAR(plain.stations[static_cast<size_t>(held.station)].x, held.cx, 1e-3);
}

TEST(AdjustComponent, TwoVectorsOnTheSamePairBothCount) {
  // Control S1 at 0 (sigma 1 mm); S1 -> S2 observed 10.000 and 10.006 with
  // equal weights: S2 = 10.003, and its variance is that of the control plus
  // half that of one vector.
  Network network = MakeNetwork(2, 1, {{0, 1}, {0, 1}});
  network.control[0].cx = 0.0;
  network.control[0].wx = 1e6;
  network.vectors[0].dx = 10.0;
  network.vectors[1].dx = 10.006;
  network.vectors[0].wx = network.vectors[1].wx = 1e4;
  BandSystem system;
  ASSERT_EQ(SolveComponent(network, Component::kX, BandOf(network), false, system), -1);
  EXPECT_NEAR(network.stations[1].x, 10.003, 1e-12);
  EXPECT_NEAR(network.stations[1].sx, std::sqrt(1e-6 + 0.5e-4), 1e-12);
  EXPECT_NEAR(network.stations[0].sx, 1e-3, 1e-12);
}

TEST(AdjustComponent, NetworkWithoutVectorsTakesTheControlValues) {
  Network network = MakeNetwork(2, 2, {});
  network.control[0].cz = 12.5;
  network.control[1].cz = -3.25;
  network.control[1].wz = 400.0;
  BandSystem system;
  ASSERT_EQ(SolveComponent(network, Component::kZ, BandOf(network), false, system), -1);
  EXPECT_DOUBLE_EQ(network.stations[0].z, 12.5);
  EXPECT_DOUBLE_EQ(network.stations[1].z, -3.25);
  EXPECT_DOUBLE_EQ(network.stations[1].sz, 0.05);
}

TEST(AdjustComponent, SingularEquationsNameAStationAndLeaveEveryStationUntouched) {
  // S3 and S4 are joined to each other only: the pivot of the last of them
  // vanishes.
  Network network = MakeNetwork(4, 1, {{0, 1}, {2, 3}});
  BandSystem system;
  const int station = SolveComponent(network, Component::kX, BandOf(network), false, system);
  EXPECT_EQ(station, 3);
  for (const Station& s : network.stations) {
    EXPECT_EQ(s.x, 0.0);
    EXPECT_EQ(s.sx, 0.0);
  }
  // A control weight that underflows to zero leaves nothing held at all.
  Network unheld = MakeNetwork(2, 1, {{0, 1}});
  unheld.control[0].wx = 0.0;
  EXPECT_GE(SolveComponent(unheld, Component::kX, BandOf(unheld), false, system), 0);
}

TEST(AdjustComponent, SingularEquationsStopTheRunWithoutAnyNumber) {
  ::korval::testing::TempProject project;
  Network network = MakeNetwork(3, 1, {{1, 2}});
  const auto run = ::korval::testing::RunWithAnswers(
      project,
      [&](Session& session) {
        RecordFile* report = session.Open("OUT.VEC", OpenMode::kUnknown);
        AdjustComponent(session, *report, network, Component::kX, BandOf(network), false);
      },
      {});
  EXPECT_EQ(run.lines, (std::vector<std::string>{" *** STATION S3       MAKES THE NORMAL EQUATIONS SINGULAR",
                                                 std::string(kCannotAdjust)}));
  EXPECT_EQ(project.Lines("OUT.VEC"),
            (std::vector<std::string>{" *** STATION S3       MAKES THE NORMAL EQUATIONS SINGULAR"}));
}

TEST(AdjustComponent, RefusesABandNarrowerThanTheNetwork) {
  Network network = MakeNetwork(3, 1, {{0, 2}});
  BandInfo narrow;
  narrow.band = 1;
  narrow.terms = TermsOf(3, 1);
  EXPECT_THROW(AdjustComponent(network, Component::kX, narrow, false), std::logic_error);
}

}  // namespace
}  // namespace korval::netadj
