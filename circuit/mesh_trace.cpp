#include "circuit/mesh_trace.hpp"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace korval::circuit {

namespace {

const double kPi = 4.0 * std::atan(1.0);
const double kTwoPi = 2.0 * kPi;

// Angles are radians below 2 pi; these markers stand far above any angle.
constexpr double kEligibleBound = 10000.0;       // first angles below it are eligible turns
constexpr double kDeadEndMarker = 10000000.0;    // second angle towards a station of degree < 2
constexpr double kMarkedStartMarker = 100000000.0;  // first choice already walked on this side
constexpr double kExcludedMarker = 1000000000.0;    // first angle towards a dead end or back
constexpr double kFinishedMarker = 10000000000.0;   // second angle of a vector marked on both sides

// Trace mode 1 keeps to the right, mode 2 to the left.
enum class TraceMode { kRight = 1, kLeft = 2 };

// The side flag that a walk in `mode` has already set on a vector it walked
// from its start: the B flag in mode 1, the A flag in mode 2.
bool WalkedOnThisSide(const UsedFlags& flags, TraceMode mode, int vector) {
  return mode == TraceMode::kRight ? flags.b[vector] != 0 : flags.a[vector] != 0;
}

struct Turn {
  AdjacencyEntry entry;
  bool ambiguous = false;  // every eligible direction coincided with the one taken
};

class MeshTracer {
 public:
  MeshTracer(const Network& network, const Adjacency& adjacency, UsedFlags& flags)
      : network_(network), adjacency_(adjacency), flags_(flags) {}

  // Walks from `start` (an entry of `station`); the loop closed, or nothing
  // when the walk is abandoned. `on_ambiguous_turn` is told of every turn
  // whose eligible directions coincided.
  std::optional<LoopPath> WalkFrom(int station, const AdjacencyEntry& start, TraceMode mode,
                                   const std::function<void(int)>& on_ambiguous_turn) const {
    LoopPath path{{station, start.station}, {start.vector}};
    for (;;) {
      const int current = path.stations.back();
      const int previous = path.stations[path.stations.size() - 2];
      const int degree = adjacency_.Degree(current);
      if (degree < 2) return std::nullopt;
      const std::span<const AdjacencyEntry> entries = adjacency_.EntriesOf(current);
      AdjacencyEntry next;
      if (degree == 2) {
        next = entries[0].station == previous ? entries[1] : entries[0];
      } else {
        if (std::optional<LoopPath> loop = CloseByChord(path)) return loop;
        const std::optional<Turn> turn = SharpestTurn(path, mode);
        if (!turn || path.stations.size() >= kMaxWalkStations) return std::nullopt;
        if (turn->ambiguous && on_ambiguous_turn) on_ambiguous_turn(turn->entry.station);
        next = turn->entry;
      }
      if (path.stations.size() >= kMaxWalkStations) return std::nullopt;
      path.stations.push_back(next.station);
      path.vectors.push_back(next.vector);
      const auto last = path.stations.end() - 1;
      const auto first_occurrence = std::find(path.stations.begin(), last, next.station);
      if (first_occurrence != last) return LoopFrom(path, static_cast<size_t>(first_occurrence - path.stations.begin()));
    }
  }

  // Sets the used flags of a loop's vectors for the side it was walked on.
  void Mark(const LoopPath& loop, TraceMode mode) const {
    for (size_t k = 0; k + 1 < loop.stations.size(); ++k) {
      const int a = loop.stations[k];
      const int b = loop.stations[k + 1];
      const std::optional<int> forward = adjacency_.FirstEntryTo(a, b);
      const std::optional<int> backward = adjacency_.FirstEntryTo(b, a);
      if (!forward || !backward) continue;
      const int forward_vector = adjacency_.EntriesOf(a)[*forward].vector;
      const int backward_vector = adjacency_.EntriesOf(b)[*backward].vector;
      if (mode == TraceMode::kRight) {
        flags_.b[forward_vector] = 1;
        flags_.a[backward_vector] = 1;
      } else {
        flags_.a[forward_vector] = 1;
        flags_.b[backward_vector] = 1;
      }
    }
  }

 private:
  // The part of the path from position `first` to its end.
  static LoopPath LoopFrom(const LoopPath& path, size_t first) {
    LoopPath loop;
    loop.stations.assign(path.stations.begin() + static_cast<std::ptrdiff_t>(first), path.stations.end());
    loop.vectors.assign(path.vectors.begin() + static_cast<std::ptrdiff_t>(first), path.vectors.end());
    return loop;
  }

  // At a junction, a vector back to a station walked earlier (not the one
  // just left) closes the loop at once: the earliest such station wins.
  std::optional<LoopPath> CloseByChord(LoopPath& path) const {
    const int current = path.stations.back();
    const std::span<const AdjacencyEntry> entries = adjacency_.EntriesOf(current);
    for (size_t i = 0; i + 2 < path.stations.size(); ++i) {
      const std::optional<int> hit = adjacency_.FirstEntryTo(current, path.stations[i]);
      if (!hit) continue;
      if (path.stations.size() >= kMaxWalkStations) return std::nullopt;
      path.stations.push_back(path.stations[i]);
      path.vectors.push_back(entries[*hit].vector);
      return LoopFrom(path, i);
    }
    return std::nullopt;
  }

  // The sharpest turn at the junction that ends the path, measured clockwise
  // from the way back; nothing when no turn is open or when the directions
  // contradict the trace mode.
  std::optional<Turn> SharpestTurn(const LoopPath& path, TraceMode mode) const {
    const int current = path.stations.back();
    const int previous = path.stations[path.stations.size() - 2];
    const bool first_turn = path.stations.size() == 2;
    const std::span<const AdjacencyEntry> entries = adjacency_.EntriesOf(current);
    const double reference = GridAzimuth(network_, current, previous);

    std::vector<double> first_angles(entries.size(), 0.0);
    std::vector<double> second_angles(entries.size(), 0.0);
    int eligible = 0;
    std::optional<size_t> smallest, largest;
    std::optional<size_t> way_back;
    for (size_t j = 0; j < entries.size(); ++j) {
      const int station = entries[j].station;
      const bool dead_end = adjacency_.Degree(station) < 2;
      const double difference = GridAzimuth(network_, current, station) - reference;

      double first = difference;
      if (first < 0) {
        first += kTwoPi;
      } else if (first >= kTwoPi) {
        first -= kTwoPi;
      }
      if (dead_end || station == previous) first = kExcludedMarker;
      first_angles[j] = first;
      if (first < kEligibleBound) {
        ++eligible;
        if (!smallest || first < first_angles[*smallest]) smallest = j;
        if (!largest || first > first_angles[*largest]) largest = j;
      }

      double second = difference;
      if (second < 0) second += kTwoPi;
      if (dead_end) second = kDeadEndMarker;
      if (first_turn && flags_.Both(entries[j].vector)) second = kFinishedMarker;
      if (station == previous) way_back = j;
      if (mode == TraceMode::kRight) second = std::fabs(kTwoPi - second);
      second_angles[j] = second;
    }

    size_t choice = entries[0].station == previous ? 1 : 0;
    double best = second_angles[choice];
    if (first_turn && WalkedOnThisSide(flags_, mode, entries[choice].vector)) best = kMarkedStartMarker;
    for (size_t k = 1; k < entries.size(); ++k) {
      if (way_back && k == *way_back) continue;
      if (first_turn && WalkedOnThisSide(flags_, mode, entries[k].vector)) continue;
      if (second_angles[k] <= best) {
        best = second_angles[k];
        choice = k;
      }
    }
    if (best > kEligibleBound) return std::nullopt;

    Turn turn{entries[choice], false};
    if (eligible >= 2) {
      const size_t required = mode == TraceMode::kRight ? *largest : *smallest;
      if (choice != required) return std::nullopt;
      turn.ambiguous = *smallest == *largest;
    }
    return turn;
  }

  const Network& network_;
  const Adjacency& adjacency_;
  UsedFlags& flags_;
};

}  // namespace

void TraceMeshes(const Network& network, const Adjacency& adjacency, UsedFlags& flags,
                 const MeshTraceEvents& events) {
  const MeshTracer tracer(network, adjacency, flags);
  for (int station = 0; station < adjacency.StationCount(); ++station) {
    for (const AdjacencyEntry& start : adjacency.EntriesOf(station)) {
      if (flags.Both(start.vector)) continue;
      if (adjacency.Degree(station) < 2 || adjacency.Degree(start.station) < 2) continue;
      const TraceMode mode = flags.b[start.vector] != 0 ? TraceMode::kLeft : TraceMode::kRight;
      const std::optional<LoopPath> loop = tracer.WalkFrom(station, start, mode, events.ambiguous_turn);
      if (!loop) continue;
      if (events.loop_found) events.loop_found(*loop);
      tracer.Mark(*loop, mode);
    }
  }
}

}  // namespace korval::circuit
