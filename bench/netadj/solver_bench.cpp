// One component of the largest network: normal equations, factor, solution and
// the diagonal of the inverse, with the diagonal from the band of the inverse
// (the program's way) and from one triangular solve per row (the reference).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <sstream>

#include "bench/netadj/ordering_bench_networks.hpp"
#include "netadj/band_matrix.hpp"
#include "netadj/band_solver.hpp"
#include "netadj/ordering.hpp"

namespace korval::netadj {
namespace {

struct Ordered {
  Network network;
  BandInfo band;
};

// The swept network as the run numbers it.
const Ordered& SweptNetwork() {
  static const Ordered ordered = [] {
    Ordered result;
    result.network = bench::LoadGeneratedNetwork("sweep");
    std::istringstream in;
    std::ostringstream out;
    RunProgram(in, out, ".", [&](Session& session) {
      RecordFile* temp_ppp = session.OpenScratch();
      RecordFile* report = session.OpenScratch();
      result.band = OrderStations(session, result.network, *temp_ppp, *report);
    });
    return result;
  }();
  return ordered;
}

// 3,000 stations with the widest band the terms allow (299): a chain with a
// tie from every station to the one 299 places on.
const Ordered& WidestBand() {
  static const Ordered ordered = [] {
    Ordered result;
    const Network& swept = SweptNetwork().network;
    result.network.stations = swept.stations;
    result.network.control = swept.control;
    for (int s = 0; s + 1 < 3000; ++s) {
      Vector v;
      v.from = s;
      v.to = s + 1;
      v.dx = 1.0;
      v.wx = v.wy = v.wz = 1e4;
      result.network.vectors.push_back(v);
      if (s + 299 < 3000 && result.network.vectors.size() < 9899) {
        v.to = s + 299;
        v.dx = 299.0;
        result.network.vectors.push_back(v);
      }
    }
    result.band.band = 299;
    result.band.terms = TermsOf(3000, 299);
    return result;
  }();
  return ordered;
}

void Component(benchmark::State& state, const Ordered& (*source)(), DiagonalMethod method) {
  const Ordered& ordered = source();
  Network network = ordered.network;
  BandSystem system;
  for (auto _ : state) {
    benchmark::DoNotOptimize(SolveComponent(network, Component::kX, ordered.band, false, system, method));
  }
  state.counters["band"] = ordered.band.band;
  state.counters["terms"] = static_cast<double>(ordered.band.terms);
  state.counters["work_area_MB"] = static_cast<double>(system.BytesHeld()) / 1e6;
}

// The parts of one solution, each timed on a copy of the system as the step
// before left it: 0 factor, 1 solution, 2 and 3 the diagonal of the inverse.
void Parts(benchmark::State& state, const Ordered& (*source)(), int part) {
  const Ordered& ordered = source();
  BandSystem before;
  FormNormalEquations(ordered.network, Component::kX, ordered.band, false, before);
  if (part > 0) FactorBand(before);
  BandSystem system;
  for (auto _ : state) {
    state.PauseTiming();
    system.n = before.n;
    system.band = before.band;
    system.a = before.a;
    system.rhs = before.rhs;
    system.row = before.row;
    state.ResumeTiming();
    if (part == 0) benchmark::DoNotOptimize(FactorBand(system));
    if (part == 1) SolveBand(system);
    if (part == 2) InverseDiagonal(system);
    if (part == 3) InverseDiagonalBySolves(system);
  }
}

const Ordered& (*const kSwept)() = SweptNetwork;
const Ordered& (*const kWidest)() = WidestBand;

BENCHMARK_CAPTURE(Component, swept_band_of_inverse, kSwept, DiagonalMethod::kBandOfInverse)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Component, swept_solve_per_row, kSwept, DiagonalMethod::kSolvePerRow)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Component, widest_band_of_inverse, kWidest, DiagonalMethod::kBandOfInverse)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Component, widest_solve_per_row, kWidest, DiagonalMethod::kSolvePerRow)
    ->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_CAPTURE(Parts, widest_factor, kWidest, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Parts, widest_solve, kWidest, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Parts, widest_diagonal_band_of_inverse, kWidest, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Parts, widest_diagonal_solve_per_row, kWidest, 3)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
}  // namespace korval::netadj

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak resident set of the benchmark process: %.1f MB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
  return 0;
}
