// The first phase of the automatic loop search: walking around the meshes of
// the network as drawn on the state plane. From every adjacency entry in turn
// a walk follows the sharpest turn at every junction (the sharpest right turn
// in trace mode 1, the sharpest left turn in mode 2) until it comes back onto
// itself; the loop so closed is evaluated and its vectors are marked on the
// side they were walked, so that each mesh is walked once from each side.
#pragma once

#include <functional>

#include "circuit/adjacency.hpp"
#include "circuit/loop_closure.hpp"
#include "circuit/network.hpp"

namespace korval::circuit {

// Longest walk, in stations (the closing repetition included).
inline constexpr size_t kMaxWalkStations = 50;

struct MeshTraceEvents {
  // A loop closed; called before its vectors are marked.
  std::function<void(const LoopPath&)> loop_found;
  // A turn whose eligible directions all coincide was taken towards `station`.
  std::function<void(int station)> ambiguous_turn;
};

// Tries every adjacency entry, station by station, once as the start of a
// walk, and marks the used flags of the vectors of every loop found.
void TraceMeshes(const Network& network, const Adjacency& adjacency, UsedFlags& flags,
                 const MeshTraceEvents& events);

}  // namespace korval::circuit
