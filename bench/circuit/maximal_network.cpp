#include "bench/circuit/maximal_network.hpp"

#include <cmath>
#include <map>

#include "common/grid_positions.hpp"
#include "common/project_records.hpp"

namespace korval::circuit::bench {

namespace {

constexpr int kGridRows = 20;
constexpr int kGridColumns = 41;
constexpr int kGridDiagonals = 81;
constexpr int kClusters = 20;
constexpr int kClusterSize = 9;
constexpr double kSpacing = 1000.0;  // metres between grid stations

struct Point {
  double x = 0, y = 0;
};

class Builder {
 public:
  void Station(const std::string& name, double x, double y) {
    points_[name] = Point{x, y};
    names_.push_back(name);
  }

  void Measure(const std::string& from, const std::string& to) {
    const Point a = points_.at(from);
    const Point b = points_.at(to);
    VectorRecord record;
    record.from = from;
    record.to = to;
    // The vector follows the drawing, with a few millimetres of misclosure
    // that vary from vector to vector.
    const double wobble = 0.001 * static_cast<double>((count_ * 7) % 11 - 5);
    record.dx = b.x - a.x + wobble;
    record.dy = b.y - a.y - wobble;
    record.dz = 0.5 * wobble;
    record.sx = record.sy = record.sz = 0.005;
    files_.info_vec.push_back(FormatVectorRecord(record));
    ++count_;
  }

  NetworkFiles Finish() {
    for (const std::string& name : names_) {
      const Point p = points_.at(name);
      Values values{name, p.x, p.y};
      files_.vector_cor.push_back(FormatLine(kGridListingRecord, values));
    }
    return files_;
  }

  NetworkFiles& files() { return files_; }

 private:
  std::map<std::string, Point> points_;
  std::vector<std::string> names_;
  NetworkFiles files_;
  int count_ = 0;
};

std::string Name(char kind, int a, int b) {
  std::string name(1, kind);
  name.append(std::to_string(a));
  name.push_back('_');
  name.append(std::to_string(b));
  return name;
}

}  // namespace

NetworkFiles MaximalNetwork() {
  Builder builder;
  ControlRecord control;
  control.name = "CONTROL";
  control.latitude_degrees = 40;
  control.longitude_degrees = 77;
  control.last_control_mark = 1;
  builder.files().info_vec.push_back(FormatControlRecord(control));

  for (int row = 0; row < kGridRows; ++row) {
    for (int column = 0; column < kGridColumns; ++column) {
      builder.Station(Name('G', row, column), column * kSpacing, row * kSpacing);
    }
  }
  int diagonals = 0;
  for (int row = 0; row < kGridRows; ++row) {
    for (int column = 0; column < kGridColumns; ++column) {
      if (column + 1 < kGridColumns) builder.Measure(Name('G', row, column), Name('G', row, column + 1));
      if (row + 1 < kGridRows) builder.Measure(Name('G', row, column), Name('G', row + 1, column));
      if (row + 1 < kGridRows && column + 1 < kGridColumns && (row * kGridColumns + column) % 9 == 0 &&
          diagonals < kGridDiagonals) {
        builder.Measure(Name('G', row, column), Name('G', row + 1, column + 1));
        ++diagonals;
      }
    }
  }

  const double pi = 4.0 * std::atan(1.0);
  for (int cluster = 0; cluster < kClusters; ++cluster) {
    const double centre_angle = 2 * pi * cluster / kClusters;
    const Point centre{60000.0 + 20000.0 * std::cos(centre_angle), 20000.0 * std::sin(centre_angle)};
    for (int k = 0; k < kClusterSize; ++k) {
      const double angle = 2 * pi * k / kClusterSize;
      builder.Station(Name('K', cluster, k), centre.x + 800.0 * std::cos(angle), centre.y + 800.0 * std::sin(angle));
    }
    for (int a = 0; a < kClusterSize; ++a) {
      for (int b = a + 1; b < kClusterSize; ++b) builder.Measure(Name('K', cluster, a), Name('K', cluster, b));
    }
  }
  for (int cluster = 0; cluster < kClusters; ++cluster) {
    builder.Measure(Name('K', cluster, 0), Name('K', (cluster + 1) % kClusters, 4));
    ++builder.files().joining_vectors;
  }
  return builder.Finish();
}

}  // namespace korval::circuit::bench
