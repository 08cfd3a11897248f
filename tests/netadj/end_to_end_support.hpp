// Helpers of the whole-run tests of the adjustment: synthetic projects, an
// independent dense least-squares adjustment of an INFO.VEC, and a reader of
// the report's figures by column.
//
// The dense adjustment is deliberately plain: the full normal matrix of each
// component, solved by Gaussian elimination with partial pivoting, and its
// inverse formed column by column. It shares nothing with the band solver.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "common/fields.hpp"
#include "geodesy/conversions.hpp"
#include "geodesy/ellipsoid.hpp"

namespace korval::netadj::e2e {

using geodesy::kPi;

// ---- Synthetic projects ---------------------------------------------------

struct TruePoint {
  std::string name;
  double latitude = 0;        // degrees north
  double longitude_west = 0;  // degrees west
  double height = 0;          // metres
};

inline std::string ControlRecord(const TruePoint& p, double sd_lat, double sd_lon, double sd_h, bool last) {
  auto split = [](double value, int& d, int& m, double& s) {
    d = static_cast<int>(value);
    const double r = (value - d) * 60.0;
    m = static_cast<int>(r);
    s = (r - m) * 60.0;
    if (s >= 59.999995) {
      s = 0;
      ++m;
    }
  };
  int lat_d, lat_m, lon_d, lon_m;
  double lat_s, lon_s;
  split(p.latitude, lat_d, lat_m, lat_s);
  split(p.longitude_west, lon_d, lon_m, lon_s);
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, " %-8s %2d %2d %8.5f%8.4f %3d %2d %8.5f%8.4f%12.4f%8.4f %1d", p.name.c_str(),
                lat_d, lat_m, lat_s, sd_lat, lon_d, lon_m, lon_s, sd_lon, p.height, sd_h, last ? 1 : 0);
  return buffer;
}

inline std::string VectorRecord(const std::string& from, const std::string& to, const std::array<double, 3>& d,
                                const std::array<double, 3>& sd, char flag = ' ') {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, "%c%-8s %-8s%13.4f%7.4f%13.4f%7.4f%13.4f%7.4f", flag, from.c_str(), to.c_str(),
                d[0], sd[0], d[1], sd[1], d[2], sd[2]);
  return buffer;
}

inline std::array<double, 3> Cartesian(const TruePoint& p) {
  const geodesy::Cartesian c =
      geodesy::GeodeticToCartesian(p.latitude * kPi / 180, -p.longitude_west * kPi / 180, p.height, 2);
  return {c.x, c.y, c.z};
}

// A network of `stations` stations near 39.7 N 105.0 W, the first `control`
// of them control; a chain through all stations keeps it connected, and
// `extra` further vectors join random pairs. Vectors carry Gaussian noise of
// their standard deviations (5 mm + 1 ppm, Z 8 mm + 1.5 ppm).
inline std::vector<std::string> MakeProject(int stations, int control, int extra, unsigned seed,
                                            std::vector<TruePoint>* truth = nullptr, double control_sd = 0.005) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> spread(-0.08, 0.08);
  std::uniform_real_distribution<double> rise(1600.0, 1800.0);
  std::normal_distribution<double> unit(0.0, 1.0);
  std::vector<TruePoint> points;
  for (int i = 0; i < stations; ++i) {
    points.push_back({"ST" + std::to_string(100 + i * 7), 39.7 + spread(rng), 105.0 + spread(rng), rise(rng)});
  }
  std::vector<std::string> lines;
  for (int k = 0; k < control; ++k) lines.push_back(ControlRecord(points[static_cast<size_t>(k)], control_sd, control_sd * 1.2, control_sd * 2.4, k == control - 1));
  auto add = [&](int i, int j) {
    const auto a = Cartesian(points[static_cast<size_t>(i)]);
    const auto b = Cartesian(points[static_cast<size_t>(j)]);
    const double length = std::sqrt((b[0] - a[0]) * (b[0] - a[0]) + (b[1] - a[1]) * (b[1] - a[1]) + (b[2] - a[2]) * (b[2] - a[2]));
    const std::array<double, 3> sd = {0.005 + 1e-6 * length, 0.005 + 1e-6 * length, 0.008 + 1.5e-6 * length};
    std::array<double, 3> d{};
    for (int c = 0; c < 3; ++c) d[static_cast<size_t>(c)] = b[static_cast<size_t>(c)] - a[static_cast<size_t>(c)] + sd[static_cast<size_t>(c)] * unit(rng);
    lines.push_back(VectorRecord(points[static_cast<size_t>(i)].name, points[static_cast<size_t>(j)].name, d, sd));
  };
  // The chain visits the stations in a shuffled order, so that the file order
  // is not the band order.
  std::vector<int> order(static_cast<size_t>(stations));
  for (int i = 0; i < stations; ++i) order[static_cast<size_t>(i)] = i;
  std::shuffle(order.begin(), order.end(), rng);
  for (size_t i = 0; i + 1 < order.size(); ++i) add(order[i], order[i + 1]);
  std::uniform_int_distribution<int> pick(0, stations - 1);
  for (int e = 0; e < extra; ++e) {
    const int i = pick(rng);
    int j = pick(rng);
    while (j == i) j = pick(rng);
    add(i, j);
  }
  if (truth != nullptr) *truth = points;
  return lines;
}

// The KORVAL.INF record of a run.
inline std::string KorvalInf(int constraint, int robust, int state_plane, int zone, int units, int elevation,
                             double separation, int datum = 2) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, " %3d %3d %3d %3d %3d %3d %3d%15.4f", datum, constraint, robust, state_plane,
                zone, units, elevation, separation);
  return buffer;
}

// ---- The dense reference adjustment ----------------------------------------

class DenseAdjustment {
 public:
  // Reads INFO.VEC records: control records up to the last-control mark, then
  // vector records up to the end (records with a flag are passed over).
  explicit DenseAdjustment(const std::vector<std::string>& info_vec, int datum = 2) : datum_(datum) {
    size_t i = 0;
    for (; i < info_vec.size(); ++i) {
      const std::string& r = info_vec[i];
      if (r[0] != ' ') continue;
      Control c;
      c.station = Station(Columns(r, 2, 8));
      const double lat = (Int(r, 11, 2) + Int(r, 14, 2) / 60.0 + Real(r, 17, 8, 5) / 3600.0) * kPi / 180;
      const double lon = -(Int(r, 34, 3) + Int(r, 38, 2) / 60.0 + Real(r, 41, 8, 5) / 3600.0) * kPi / 180;
      const geodesy::Cartesian xyz = geodesy::GeodeticToCartesian(lat, lon, Real(r, 57, 12, 4), datum);
      c.value = {xyz.x, xyz.y, xyz.z};
      c.weight = {Weight(Real(r, 25, 8, 4)), Weight(Real(r, 49, 8, 4)), Weight(Real(r, 69, 8, 4))};
      control_.push_back(c);
      if (Int(r, 78, 1) != 0) break;
    }
    for (++i; i < info_vec.size(); ++i) {
      const std::string& r = info_vec[i];
      if (r[0] != ' ' || Columns(r, 2, 8) == Columns(r, 11, 8)) continue;
      Observation o;
      o.from = Station(Columns(r, 2, 8));
      o.to = Station(Columns(r, 11, 8));
      o.value = {Real(r, 19, 13, 4), Real(r, 39, 13, 4), Real(r, 59, 13, 4)};
      o.weight = {Weight(Real(r, 32, 7, 4)), Weight(Real(r, 52, 7, 4)), Weight(Real(r, 72, 7, 4))};
      vectors_.push_back(o);
    }
  }

  // Solves the three components. Minimally constrained: the first control
  // point held with the weight 1,000,000, the others free.
  void Solve(bool minimally_constrained) {
    const size_t n = names_.size();
    xyz_.assign(n, {});
    cofactor_.assign(n, {});
    weighted_sum_ = 0;
    for (size_t c = 0; c < 3; ++c) {
      std::vector<std::vector<double>> normal(n, std::vector<double>(n, 0.0));
      std::vector<double> rhs(n, 0.0);
      for (size_t k = 0; k < control_.size(); ++k) {
        if (minimally_constrained && k > 0) break;
        const Control& p = control_[k];
        const double w = minimally_constrained ? 1.0e6 : p.weight[c];
        normal[p.station][p.station] += w;
        rhs[p.station] += w * p.value[c];
      }
      for (const Observation& o : vectors_) {
        const double w = o.weight[c];
        normal[o.from][o.from] += w;
        normal[o.to][o.to] += w;
        normal[o.from][o.to] -= w;
        normal[o.to][o.from] -= w;
        rhs[o.from] -= w * o.value[c];
        rhs[o.to] += w * o.value[c];
      }
      const std::vector<double> x = SolveDense(normal, rhs);
      for (size_t s = 0; s < n; ++s) xyz_[s][c] = x[s];
      for (size_t s = 0; s < n; ++s) {
        std::vector<double> unit(n, 0.0);
        unit[s] = 1.0;
        cofactor_[s][c] = SolveDense(normal, unit)[s];
      }
    }
    for (const Observation& o : vectors_) {
      for (size_t c = 0; c < 3; ++c) weighted_sum_ += o.weight[c] * Square(Residual(o, c));
    }
    if (!minimally_constrained) {
      for (const Control& p : control_) {
        for (size_t c = 0; c < 3; ++c) weighted_sum_ += p.weight[c] * Square(p.value[c] - xyz_[p.station][c]);
      }
    }
    const int nm = static_cast<int>(vectors_.size());
    const int nc = static_cast<int>(control_.size());
    const int ns = static_cast<int>(n);
    dof_ = minimally_constrained ? 3 * (nm - ns) + 3 : 3 * (nm + nc - ns);
    sigma0_ = dof_ > 0 ? std::sqrt(weighted_sum_ / dof_) : weighted_sum_;
  }

  // Robust re-weighting: each standard deviation halfway to its residual.
  void ReweightVectors() {
    for (Observation& o : vectors_) {
      for (size_t c = 0; c < 3; ++c) o.weight[c] = Reweighted(o.weight[c], Residual(o, c));
    }
  }
  void ReweightControl() {
    for (Control& p : control_) {
      for (size_t c = 0; c < 3; ++c) p.weight[c] = Reweighted(p.weight[c], p.value[c] - xyz_[p.station][c]);
    }
  }

  size_t Index(const std::string& name) const {
    for (size_t s = 0; s < names_.size(); ++s) {
      if (TrimRight(names_[s]) == TrimRight(name)) return s;
    }
    return names_.size();
  }
  const std::vector<std::string>& names() const { return names_; }
  std::array<double, 3> Coordinates(size_t s) const { return xyz_[s]; }
  // Standard errors scaled by sigma0, metres.
  std::array<double, 3> StandardErrors(size_t s) const {
    return {std::sqrt(cofactor_[s][0]) * sigma0_, std::sqrt(cofactor_[s][1]) * sigma0_,
            std::sqrt(cofactor_[s][2]) * sigma0_};
  }
  geodesy::Geodetic Position(size_t s) const {
    return geodesy::CartesianToGeodetic(xyz_[s][0], xyz_[s][1], xyz_[s][2], datum_);
  }
  // 95 % north, east and up errors: the scaled standard errors of X, Y, Z,
  // multiplied by `f`, projected on the local axes.
  std::array<double, 3> LocalErrors(size_t s, double f) const {
    const geodesy::Geodetic g = Position(s);
    const std::array<double, 3> e = StandardErrors(s);
    const double sl = std::sin(g.latitude), cl = std::cos(g.latitude);
    const double so = std::sin(g.longitude), co = std::cos(g.longitude);
    const std::array<double, 3> north = {-sl * co, -sl * so, cl};
    const std::array<double, 3> east = {-so, co, 0};
    const std::array<double, 3> up = {cl * co, cl * so, sl};
    auto along = [&](const std::array<double, 3>& axis) {
      return f * std::sqrt(Square(axis[0] * e[0]) + Square(axis[1] * e[1]) + Square(axis[2] * e[2]));
    };
    return {along(north), along(east), along(up)};
  }
  double sigma0() const { return sigma0_; }
  int dof() const { return dof_; }
  size_t vector_count() const { return vectors_.size(); }
  // Adjusted minus observed, metres.
  double VectorResidual(size_t m, size_t c) const { return Residual(vectors_[m], c); }
  double VectorWeight(size_t m, size_t c) const { return vectors_[m].weight[c]; }

 private:
  struct Control {
    size_t station = 0;
    std::array<double, 3> value{};
    std::array<double, 3> weight{};
  };
  struct Observation {
    size_t from = 0, to = 0;
    std::array<double, 3> value{};
    std::array<double, 3> weight{};
  };

  static double Square(double v) { return v * v; }
  static int Int(const std::string& r, int first, int width) {
    return static_cast<int>(ParseInteger(Columns(r, first, width)).value_or(0));
  }
  static double Real(const std::string& r, int first, int width, int decimals) {
    return ParseDecimal(Columns(r, first, width), decimals).value_or(0.0);
  }
  static double Weight(double sd) {
    const double s = sd < 0.0001 ? 0.0001 : sd;
    return 1.0 / (s * s);
  }
  static double Reweighted(double w, double residual) {
    const double s = (std::fabs(residual) + 1.0 / std::sqrt(w)) * 0.5;
    return 1.0 / (s * s);
  }
  size_t Station(const std::string& name) {
    for (size_t s = 0; s < names_.size(); ++s) {
      if (names_[s] == name) return s;
    }
    names_.push_back(name);
    return names_.size() - 1;
  }
  double Residual(const Observation& o, size_t c) const { return (xyz_[o.to][c] - xyz_[o.from][c]) - o.value[c]; }

  // Gaussian elimination with partial pivoting on a copy of the full matrix.
  static std::vector<double> SolveDense(std::vector<std::vector<double>> a, std::vector<double> b) {
    const size_t n = b.size();
    for (size_t k = 0; k < n; ++k) {
      size_t pivot = k;
      for (size_t i = k + 1; i < n; ++i) {
        if (std::fabs(a[i][k]) > std::fabs(a[pivot][k])) pivot = i;
      }
      std::swap(a[k], a[pivot]);
      std::swap(b[k], b[pivot]);
      for (size_t i = k + 1; i < n; ++i) {
        const double factor = a[i][k] / a[k][k];
        if (factor == 0.0) continue;
        for (size_t j = k; j < n; ++j) a[i][j] -= factor * a[k][j];
        b[i] -= factor * b[k];
      }
    }
    std::vector<double> x(n, 0.0);
    for (size_t i = n; i-- > 0;) {
      double sum = b[i];
      for (size_t j = i + 1; j < n; ++j) sum -= a[i][j] * x[j];
      x[i] = sum / a[i][i];
    }
    return x;
  }

  int datum_ = 2;
  std::vector<std::string> names_;
  std::vector<Control> control_;
  std::vector<Observation> vectors_;
  std::vector<std::array<double, 3>> xyz_;
  std::vector<std::array<double, 3>> cofactor_;
  double weighted_sum_ = 0;
  double sigma0_ = 0;
  int dof_ = 0;
};

// ---- Reading the report by column -----------------------------------------

struct ReportedStation {
  std::string name;
  double latitude = 0;        // degrees north
  double longitude_west = 0;  // degrees west
  double height = 0;          // metres
  double north = 0, east = 0, up = 0;  // 95 % error estimates, metres
};

inline double Degrees(const std::string& degrees, const std::string& minutes, const std::string& seconds) {
  return static_cast<double>(ParseInteger(degrees).value_or(0)) + ParseInteger(minutes).value_or(0) / 60.0 +
         ParseDecimal(seconds, 5).value_or(0) / 3600.0;
}

// The station lists of the report, one per pass, read with the wide fields
// that the report's readers use.
inline std::vector<std::vector<ReportedStation>> StationLists(const std::vector<std::string>& report) {
  std::vector<std::vector<ReportedStation>> lists;
  for (size_t i = 0; i < report.size(); ++i) {
    if (report[i].rfind(" STATION            LATITUDE", 0) != 0) continue;
    std::vector<ReportedStation> list;
    // A station block is a named line and a line of errors alone.
    for (size_t j = i + 2; j + 1 < report.size() && !TrimRight(report[j]).empty() &&
                           TrimRight(Columns(report[j + 1], 1, 21)).empty() && !TrimRight(report[j + 1]).empty();
         j += 2) {
      const std::string& one = report[j];
      const std::string& two = report[j + 1];
      ReportedStation s;
      s.name = Columns(one, 2, 8);
      s.latitude = Degrees(Columns(one, 18, 2), Columns(one, 22, 2), Columns(one, 24, 10));
      s.longitude_west = Degrees(Columns(one, 39, 3), Columns(one, 44, 2), Columns(one, 46, 10));
      s.height = ParseDecimal(Columns(one, 57, 16), 4).value_or(0);
      s.north = ParseDecimal(Columns(two, 22, 11), 4).value_or(0);
      s.east = ParseDecimal(Columns(two, 44, 11), 4).value_or(0);
      s.up = ParseDecimal(Columns(two, 61, 12), 4).value_or(0);
      list.push_back(s);
    }
    lists.push_back(list);
  }
  return lists;
}

// The values that follow `key` on each report line that holds it.
inline std::vector<double> FiguresAfter(const std::vector<std::string>& report, const std::string& key) {
  std::vector<double> figures;
  for (const std::string& line : report) {
    const size_t at = line.find(key);
    if (at == std::string::npos) continue;
    std::string rest = line.substr(at + key.size());
    figures.push_back(std::stod(rest));
  }
  return figures;
}

inline int CountLines(const std::vector<std::string>& lines, const std::string& text) {
  int count = 0;
  for (const std::string& line : lines) {
    if (line.find(text) != std::string::npos) ++count;
  }
  return count;
}

}  // namespace korval::netadj::e2e
