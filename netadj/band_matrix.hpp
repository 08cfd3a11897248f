// The normal equations of one coordinate component in band storage, and the
// band Cholesky factorisation, solution and inverse diagonal that work on them
// in place.
//
// Only the upper triangle within the band is kept: element (i, j) with
// i <= j <= i + B (1-based) lies at position (i - 1) * B + j, so row i holds
// B + 1 slots starting with its diagonal. The positions used run from 1 to
// (n - 1) * B + n, the number of terms. Slots of the last rows that would lie
// beyond column n stay zero and are never read.
#pragma once

#include <cstddef>
#include <vector>

namespace korval::netadj {

struct BandSystem {
  int n = 0;                 // unknowns (stations)
  int band = 0;              // B
  std::vector<double> a;     // [1..terms]: matrix, then factor U, then inverse
  std::vector<double> rhs;   // [1..n]: right-hand side, then solution
  std::vector<double> row;   // [1..n]: work row

  // Sizes the system for `stations` unknowns and band `band_width`, all zero.
  // Storage already held is reused, so repeated calls allocate nothing.
  void Reset(int stations, int band_width);

  double& At(int i, int j) { return a[static_cast<size_t>(i - 1) * static_cast<size_t>(band) + static_cast<size_t>(j)]; }
  double At(int i, int j) const {
    return a[static_cast<size_t>(i - 1) * static_cast<size_t>(band) + static_cast<size_t>(j)];
  }
  long long Terms() const { return static_cast<long long>(n - 1) * band + n; }
  // Bytes of storage held (capacity, not size).
  size_t BytesHeld() const;
};

// Upper band Cholesky A = U^T U, U overwriting A. Each pivot is the square root
// of the absolute value of what remains of the diagonal. Returns 0, or the
// first row whose pivot is zero or not finite (the factor is then unusable).
int FactorBand(BandSystem& system);

// Forward and back substitution with U; the solution overwrites rhs.
void SolveBand(BandSystem& system);

// Replaces each diagonal element of U by the same diagonal element of the
// inverse normal matrix, from the band of the inverse computed from the last
// row up (Takahashi's equations, about n * B^2 operations). The off-diagonal
// slots then hold the band of the inverse.
void InverseDiagonal(BandSystem& system);

// The same diagonal from one triangular solve per row (about n^2 * B / 2
// operations): the reference for InverseDiagonal. Leaves the off-diagonal
// slots of U as they were.
void InverseDiagonalBySolves(BandSystem& system);

}  // namespace korval::netadj
