// Networks for the ordering and solver tests: stations on a jittered grid over
// an area twice as long as wide, joined to nearby stations, numbered as the
// project file reader numbers them (control points first, then the other
// stations in order of first appearance as a vector end).
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "netadj/network.hpp"

namespace korval::netadj::testing {

enum class RecordOrder { kRandom, kSweep };

struct GridNetwork {
  Network network;
  std::vector<double> true_x;  // per station, for solver tests
};

inline std::string StationName(int number) {
  char name[16];
  std::snprintf(name, sizeof name, "P%-7d", number);
  return name;
}

// `stations` grid points (columns twice the rows), `control` of them control
// points, `vectors` vectors between grid neighbours (right, up and the two
// diagonals, then longer ties), every vector end on a path to every other.
inline GridNetwork MakeGridNetwork(int stations, int control, int vectors, RecordOrder order, unsigned seed) {
  std::mt19937 random(seed);
  const int rows = std::max(1, static_cast<int>(std::sqrt(stations / 2.0)));
  const int columns = (stations + rows - 1) / rows;
  auto column_of = [&](int g) { return g / rows; };
  auto row_of = [&](int g) { return g % rows; };

  // Candidate ties: a spanning snake first (keeps the network connected),
  // then the short ties in random order, then longer ones.
  std::vector<std::pair<int, int>> ties;
  for (int g = 0; g + 1 < stations; ++g) ties.emplace_back(g, g + 1);
  std::vector<std::pair<int, int>> extra;
  for (int g = 0; g < stations; ++g) {
    const int c = column_of(g);
    const int r = row_of(g);
    const int right = g + rows;
    if (right < stations) extra.emplace_back(g, right);
    if (r + 1 < rows && right + 1 < stations) extra.emplace_back(g, right + 1);
    if (r > 0 && right - 1 < stations && c + 1 < columns) extra.emplace_back(g, right - 1);
  }
  std::shuffle(extra.begin(), extra.end(), random);
  std::vector<std::pair<int, int>> longer;
  for (int g = 0; g < stations; ++g) {
    if (g + 2 * rows < stations) longer.emplace_back(g, g + 2 * rows);
  }
  std::shuffle(longer.begin(), longer.end(), random);
  for (auto& tie : extra) ties.push_back(tie);
  for (auto& tie : longer) ties.push_back(tie);
  // Some lines observed twice.
  while (static_cast<int>(ties.size()) < vectors) ties.push_back(ties[random() % ties.size()]);
  ties.resize(static_cast<size_t>(std::min<int>(vectors, static_cast<int>(ties.size()))));

  // Records in the order of a field sweep from west to east, or shuffled; the
  // direction of each vector at random.
  for (auto& tie : ties) {
    if (random() % 2) std::swap(tie.first, tie.second);
  }
  if (order == RecordOrder::kRandom) {
    std::shuffle(ties.begin(), ties.end(), random);
  } else {
    std::stable_sort(ties.begin(), ties.end(), [&](const auto& a, const auto& b) {
      return std::min(a.first, a.second) < std::min(b.first, b.second);
    });
  }
  std::vector<int> control_points(static_cast<size_t>(stations));
  std::iota(control_points.begin(), control_points.end(), 0);
  std::shuffle(control_points.begin(), control_points.end(), random);
  control_points.resize(static_cast<size_t>(control));
  if (order == RecordOrder::kSweep) std::sort(control_points.begin(), control_points.end());

  GridNetwork result;
  std::vector<int> number(static_cast<size_t>(stations), -1);
  std::uniform_real_distribution<double> coordinate(-1000.0, 1000.0);
  auto add_station = [&](int g) {
    number[static_cast<size_t>(g)] = static_cast<int>(result.network.stations.size());
    Station station;
    station.name = StationName(g);
    result.network.stations.push_back(station);
    result.true_x.push_back(coordinate(random));
  };
  std::uniform_real_distribution<double> sigma(0.002, 0.05);
  for (const int g : control_points) {
    add_station(g);
    ControlPoint point;
    point.station = number[static_cast<size_t>(g)];
    point.cx = result.true_x.back() + 0.01;
    point.cy = 2.0 * result.true_x.back();
    point.cz = -result.true_x.back();
    const double s = sigma(random);
    point.wx = 1.0 / (s * s);
    point.wy = 0.5 / (s * s);
    point.wz = 2.0 / (s * s);
    result.network.control.push_back(point);
  }
  std::normal_distribution<double> noise(0.0, 0.01);
  for (const auto& [from, to] : ties) {
    if (number[static_cast<size_t>(from)] < 0) add_station(from);
    if (number[static_cast<size_t>(to)] < 0) add_station(to);
    Vector vector;
    vector.from = number[static_cast<size_t>(from)];
    vector.to = number[static_cast<size_t>(to)];
    const double difference = result.true_x[static_cast<size_t>(vector.to)] - result.true_x[static_cast<size_t>(vector.from)];
    vector.dx = difference + noise(random);
    vector.dy = 2.0 * difference + noise(random);
    vector.dz = -difference + noise(random);
    const double s = sigma(random);
    vector.wx = 1.0 / (s * s);
    vector.wy = 1.0 / (1.5 * s * s);
    vector.wz = 1.0 / (3.0 * s * s);
    result.network.vectors.push_back(vector);
  }
  return result;
}

// A network given by its vector ends (0-based station numbers), stations named
// "S1".."Sn", the first `control` of them control points.
inline Network MakeNetwork(int stations, int control, const std::vector<std::pair<int, int>>& ends) {
  Network network;
  for (int s = 0; s < stations; ++s) {
    Station station;
    char name[16];
    std::snprintf(name, sizeof name, "S%-7d", s + 1);
    station.name = name;
    network.stations.push_back(station);
  }
  for (int c = 0; c < control; ++c) {
    ControlPoint point;
    point.station = c;
    point.wx = point.wy = point.wz = 1.0;
    network.control.push_back(point);
  }
  for (const auto& [from, to] : ends) {
    Vector vector;
    vector.from = from;
    vector.to = to;
    vector.wx = vector.wy = vector.wz = 1.0;
    network.vectors.push_back(vector);
  }
  return network;
}

}  // namespace korval::netadj::testing
