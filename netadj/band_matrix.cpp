#include "netadj/band_matrix.hpp"

#include <algorithm>
#include <cmath>

namespace korval::netadj {
namespace {

// sum of a[d] * b[d], d < count, in four interleaved partial sums so that the
// additions need not wait for one another.
double DotProduct(const double* a, const double* b, int count) {
  double s0 = 0.0, s1 = 0.0, s2 = 0.0, s3 = 0.0;
  int d = 0;
  for (; d + 4 <= count; d += 4) {
    s0 += a[d] * b[d];
    s1 += a[d + 1] * b[d + 1];
    s2 += a[d + 2] * b[d + 2];
    s3 += a[d + 3] * b[d + 3];
  }
  for (; d < count; ++d) s0 += a[d] * b[d];
  return (s0 + s1) + (s2 + s3);
}

}  // namespace

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
  for (int i = n; i >= 1; --i) {
    const int width = std::min(n, i + b) - i;  // columns of row i right of its diagonal
    // u[d] = U(i, i+1+d); sum[d] gathers sum_k U(i,k) Z(k, i+1+d). The window
    // of Z is symmetric and held by its upper rows: row k of the window feeds
    // the columns right of k through U(i, k) and, turned over, column k
    // through the rest of row i.
    if (width == 0) {
      system.At(i, i) = 1.0 / (system.At(i, i) * system.At(i, i));
      continue;
    }
    const double* __restrict u = &system.At(i, i + 1);
    double* __restrict sum = system.row.data() + 1;
    std::fill(sum, sum + width, 0.0);
    for (int dk = 0; dk < width; ++dk) {
      const double* __restrict z = &system.At(i + 1 + dk, i + 1 + dk);  // z[d] = Z(k, k+d)
      const int reach = width - dk;
      const double u_k = u[dk];
      for (int d = 0; d < reach; ++d) sum[dk + d] += u_k * z[d];
      sum[dk] += DotProduct(z + 1, u + dk + 1, reach - 1);
    }
    const double pivot = system.At(i, i);
    double diagonal_sum = 0.0;
    for (int d = 0; d < width; ++d) {
      const double z_ij = -sum[d] / pivot;
      diagonal_sum += system.At(i, i + 1 + d) * z_ij;
      system.At(i, i + 1 + d) = z_ij;
    }
    system.At(i, i) = (1.0 / pivot - diagonal_sum) / pivot;
  }
}

void InverseDiagonalBySolves(BandSystem& system) {
  const int n = system.n;
  const int b = system.band;
  std::vector<double>& t = system.row;
  // The products for t(j) are gathered in t itself before t(j) is final: row
  // k adds U(k, j) * t(k) to each j it reaches, in ascending k as the sum of
  // the solve takes them.
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
