// The second phase of the automatic loop search: for a vector that no mesh
// walk covered, any short loop through it — a triangle first, else the first
// loop of at most 10 vectors that a depth-first search meets.
#pragma once

#include <functional>
#include <optional>

#include "circuit/adjacency.hpp"
#include "circuit/loop_closure.hpp"
#include "circuit/network.hpp"

namespace korval::circuit {

inline constexpr size_t kMaxSearchStations = 10;  // stations on a search path before it turns back
inline constexpr long kSearchStepBudget = 50000;  // stations appended and removed per vector

// The triangle from, to, w, from through `vector`: the first neighbour w of
// the to-station (other than the from-station), in entry order, with a
// vector back to the from-station.
std::optional<LoopPath> FindTriangle(const Network& network, const Adjacency& adjacency, int vector);

// Depth-first search from the from-station over the to-station of `vector`
// for a loop back to the from-station, giving up after the step budget.
// `lost_way` is called with the path length when a backtrack cannot find the
// entry that led to the station it removed.
std::optional<LoopPath> SearchLoopThrough(const Network& network, const Adjacency& adjacency, int vector,
                                          const std::function<void(int path_length)>& lost_way);

}  // namespace korval::circuit
