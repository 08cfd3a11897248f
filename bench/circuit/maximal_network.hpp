// The largest project CIRCUIT takes: 1,000 stations and 2,400 vectors.
//
// - A survey grid of 20 x 41 stations with its rows and columns measured and
//   81 diagonals: the mesh walks find its loops.
// - A ring of 20 clusters of 9 stations, each cluster measured between every
//   pair, the clusters joined by one vector each. Such a joining vector lies
//   on no loop of 10 vectors or fewer, and the depth-first search from it
//   wanders through the cluster until its 50,000-step budget is spent.
#pragma once

#include <string>
#include <vector>

namespace korval::circuit::bench {

struct NetworkFiles {
  std::vector<std::string> info_vec;    // INFO.VEC records
  std::vector<std::string> vector_cor;  // VECTOR.COR records
  int joining_vectors = 0;              // vectors whose search reaches the budget
};

NetworkFiles MaximalNetwork();

}  // namespace korval::circuit::bench
