// Station renumbering of the largest network, records in random order and in
// the order of a field sweep: the program's bookkeeping against the literal
// one (every vector scanned per station, every position rescanned per move).
#include <benchmark/benchmark.h>

#include <sstream>

#include "bench/netadj/ordering_bench_networks.hpp"
#include "netadj/ordering.hpp"
#include "netadj/ordering_neighbours.hpp"
#include "netadj/ordering_reduce.hpp"

namespace korval::netadj {
namespace {

const Network& Generated(const std::string& order) {
  static const Network random_order = bench::LoadGeneratedNetwork("random");
  static const Network sweep_order = bench::LoadGeneratedNetwork("sweep");
  return order == "random" ? random_order : sweep_order;
}

void OrderWholeNetwork(benchmark::State& state, const std::string& order, OrderingMethod method) {
  const Network& original = Generated(order);
  BandInfo info;
  for (auto _ : state) {
    state.PauseTiming();
    Network network = original;
    std::istringstream in;
    std::ostringstream out;
    state.ResumeTiming();
    RunProgram(in, out, ".", [&](Session& session) {
      RecordFile* temp_ppp = session.OpenScratch();
      RecordFile* report = session.OpenScratch();
      info = OrderStations(session, network, *temp_ppp, *report, method);
    });
  }
  state.counters["passes"] = info.passes;
  state.counters["band"] = info.band;
  state.counters["fallback"] = info.reverse_cuthill_mckee ? 1 : 0;
  state.counters["terms"] = static_cast<double>(info.terms);
}

// One pass on the numbering as read: lists and band reduction alone.
void OnePass(benchmark::State& state, const std::string& order, OrderingMethod method) {
  const Network& network = Generated(order);
  Reduction reduction;
  for (auto _ : state) {
    NeighbourLists lists = method == OrderingMethod::kFast ? BuildNeighbourLists(network)
                                                           : BuildNeighbourListsLiteral(network);
    reduction = ReduceBand(lists, method == OrderingMethod::kFast ? ReductionMethod::kStations : ReductionMethod::kLiteral);
    benchmark::DoNotOptimize(reduction.band);
  }
  state.counters["band"] = reduction.band;
  state.counters["moves"] = static_cast<double>(reduction.moves);
}

void NeighbourListsOnly(benchmark::State& state, OrderingMethod method) {
  const Network& network = Generated("random");
  for (auto _ : state) {
    NeighbourLists lists = method == OrderingMethod::kFast ? BuildNeighbourLists(network)
                                                           : BuildNeighbourListsLiteral(network);
    benchmark::DoNotOptimize(lists.entry.data());
  }
}

BENCHMARK_CAPTURE(OrderWholeNetwork, random_fast, std::string("random"), OrderingMethod::kFast)
    ->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_CAPTURE(OrderWholeNetwork, random_literal, std::string("random"), OrderingMethod::kLiteral)
    ->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(OrderWholeNetwork, sweep_fast, std::string("sweep"), OrderingMethod::kFast)
    ->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(OrderWholeNetwork, sweep_literal, std::string("sweep"), OrderingMethod::kLiteral)
    ->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(OnePass, random_fast, std::string("random"), OrderingMethod::kFast)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OnePass, random_literal, std::string("random"), OrderingMethod::kLiteral)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OnePass, sweep_fast, std::string("sweep"), OrderingMethod::kFast)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OnePass, sweep_literal, std::string("sweep"), OrderingMethod::kLiteral)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(NeighbourListsOnly, fast, OrderingMethod::kFast)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(NeighbourListsOnly, literal, OrderingMethod::kLiteral)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace korval::netadj

BENCHMARK_MAIN();
