#include "circuit/loop_search.hpp"

#include "circuit/adjacency.hpp"
#include "circuit/layouts.hpp"
#include "circuit/mesh_trace.hpp"
#include "circuit/short_loops.hpp"

namespace korval::circuit {

namespace {

// Phase 2 marks each pair of a loop on the first vector that joins it.
void MarkShortLoop(const Adjacency& adjacency, const LoopPath& loop, UsedFlags& flags) {
  for (size_t k = 0; k + 1 < loop.stations.size(); ++k) {
    const int a = loop.stations[k];
    if (const std::optional<int> entry = adjacency.FirstEntryTo(a, loop.stations[k + 1])) {
      flags.a[adjacency.EntriesOf(a)[*entry].vector] = 1;
    }
  }
}

void WriteSummary(const Network& network, const Tolerance& tolerance, const UsedFlags& flags, int loops,
                  int exceeding, Report& report) {
  report.ConsoleThenFile(kLoopsFoundLine, {loops});
  if (!tolerance.ShowsAll()) report.ConsoleThenFile(kLoopsExceedLine, {exceeding});
  bool all_identified = true;
  for (size_t v = 0; v < network.vectors.size(); ++v) {
    if (!flags.Untouched(static_cast<int>(v))) continue;
    all_identified = false;
    const Vector& vector = network.vectors[v];
    report.ConsoleThenFile(kUnidentifiedVectorLine, {network.NameOf(vector.from), network.NameOf(vector.to)});
  }
  if (all_identified) {
    report.ConsoleThenFile(" ALL NON-SIDESHOT VECTORS HAVE BEEN IDENTIFIED ON LOOP CLOSURES");
    report.ConsoleThenFile(" ****************");
  }
}

}  // namespace

void FindLoops(const Network& network, const Tolerance& tolerance, RunTotals& totals, Report& report) {
  totals.loops = 0;
  int exceeding = 0;
  const Adjacency adjacency(network);
  UsedFlags flags(network.vectors.size());
  const auto evaluate = [&](const LoopPath& loop) {
    if (EvaluateFoundLoop(network, loop, tolerance, totals, report.file())) ++exceeding;
  };

  MeshTraceEvents events;
  events.loop_found = evaluate;
  events.ambiguous_turn = [&](int station) { report.ToFile(kAmbiguousTurnLine, {network.NameOf(station)}); };
  TraceMeshes(network, adjacency, flags, events);

  const auto lost_way = [&](int path_length) {
    report.console().Write(kWhyAmIHereLine, {path_length});
    report.console().ReadLine();  // a pause for the user; the end of input does not hold it up
  };
  for (size_t v = 0; v < network.vectors.size(); ++v) {
    const int vector = static_cast<int>(v);
    if (!flags.Untouched(vector)) continue;
    std::optional<LoopPath> loop = FindTriangle(network, adjacency, vector);
    if (!loop) loop = SearchLoopThrough(network, adjacency, vector, lost_way);
    if (!loop) continue;
    evaluate(*loop);
    MarkShortLoop(adjacency, *loop, flags);
  }

  WriteSummary(network, tolerance, flags, totals.loops, exceeding, report);
}

}  // namespace korval::circuit
