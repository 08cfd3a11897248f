#include "netadj/band_matrix.hpp"

#include <algorithm>
#include <cmath>

namespace korval::netadj {

void BandSystem::Reset(int stations, int band_width) {
  n = stations;
  band = band_width;
  a.assign(static_cast<size_t>(std::max<long long>(Terms(), 0)) + 1, 0.0);
  rhs.assign(static_cast<size_t>(n) + 1, 0.0);
  row.assign(static_cast<size_t>(n) + 1, 0.0);
}

size_t BandSystem::BytesHeld() const { return (a.capacity() + rhs.capacity() + row.capacity()) * sizeof(double); }

int FactorBand(BandSystem& system) {
  const int n = system.n;
  const int b = system.band;
  std::vector<double>& sum = system.row;  // sum[j]: products of the rows above with column j
  int singular = 0;
  for (int i = 1; i <= n; ++i) {
    const int last = std::min(n, i + b);
    std::fill(sum.begin() + i, sum.begin() + last + 1, 0.0);
    // Rows k above i, each in ascending order, add U(k, i) * U(k, j) for the
    // columns j of row i that row k reaches: the sums of the formulas, taken
    // row by row along contiguous storage.
    for (int k = std::max(1, i - b); k <= i - 1; ++k) {
      const double u_ki = system.At(k, i);
      const int reach = std::min(last, k + b);
      for (int j = i; j <= reach; ++j) sum[j] += u_ki * system.At(k, j);
    }
    const double pivot = std::sqrt(std::fabs(system.At(i, i) - sum[i]));
    system.At(i, i) = pivot;
    if (singular == 0 && (pivot == 0.0 || !std::isfinite(pivot))) singular = i;
    for (int j = i + 1; j <= last; ++j) system.At(i, j) = (system.At(i, j) - sum[j]) / pivot;
  }
  return singular;
}

void SolveBand(BandSystem& system) {
  const int n = system.n;
  const int b = system.band;
  std::vector<double>& x = system.rhs;
  for (int i = 1; i <= n; ++i) {
    double sum = 0.0;
    for (int k = std::max(1, i - b); k <= i - 1; ++k) sum += system.At(k, i) * x[k];
    x[i] = (x[i] - sum) / system.At(i, i);
  }
  for (int i = n; i >= 1; --i) {
    double sum = 0.0;
    for (int k = i + 1; k <= std::min(n, i + b); ++k) sum += system.At(i, k) * x[k];
    x[i] = (x[i] - sum) / system.At(i, i);
  }
}

void InverseDiagonal(BandSystem& system) {
  // With Z the inverse, U Z = U^-T is lower triangular with diagonal 1/U(i,i):
  //   Z(i,j) = -sum_k U(i,k) Z(k,j) / U(i,i)            for j > i,
  //   Z(i,i) = (1/U(i,i) - sum_k U(i,k) Z(i,k)) / U(i,i),
  // k over the band of row i. Row i of Z needs only rows i+1.. of Z within the
  // band, so Z replaces U row by row from the last one up.
  const int n = system.n;
  const int b = system.band;
  std::vector<double>& z_row = system.row;  // z_row[j]: the sum for Z(i, j)
  for (int i = n; i >= 1; --i) {
    const int last = std::min(n, i + b);
    std::fill(z_row.begin() + i + 1, z_row.begin() + last + 1, 0.0);
    // Each stored Z(k, j), k <= j in the window, serves both Z(., j) via
    // U(i, k) and, off the diagonal, Z(., k) via U(i, j).
    for (int k = i + 1; k <= last; ++k) {
      const double u_ik = system.At(i, k);
      z_row[k] += u_ik * system.At(k, k);
      for (int j = k + 1; j <= last; ++j) {
        const double z_kj = system.At(k, j);
        z_row[j] += u_ik * z_kj;
        z_row[k] += system.At(i, j) * z_kj;
      }
    }
    const double pivot = system.At(i, i);
    double diagonal_sum = 0.0;
    for (int j = i + 1; j <= last; ++j) {
      const double z_ij = -z_row[j] / pivot;
      diagonal_sum += system.At(i, j) * z_ij;
      system.At(i, j) = z_ij;
    }
    system.At(i, i) = (1.0 / pivot - diagonal_sum) / pivot;
  }
}

void InverseDiagonalBySolves(BandSystem& system) {
  const int n = system.n;
  const int b = system.band;
  std::vector<double>& t = system.row;
  // sum[j] would need a second work row; the products for t(j) are gathered
  // in t itself before t(j) is final, row k adding U(k, j) * t(k) to each j it
  // reaches, in ascending k as in the column form of the solve.
  for (int i = 1; i <= n - 1; ++i) {
    std::fill(t.begin() + i, t.end(), 0.0);
    double q = 0.0;
    for (int j = i; j <= n; ++j) {
      const double value = j == i ? 1.0 / system.At(i, i) : -t[j] / system.At(j, j);
      t[j] = value;
      q += value * value;
      const int reach = std::min(n, j + b);
      for (int k = j + 1; k <= reach; ++k) t[k] += system.At(j, k) * value;
    }
    system.At(i, i) = q;
  }
  const double last = 1.0 / system.At(n, n);
  system.At(n, n) = last * last;
}

}  // namespace korval::netadj
