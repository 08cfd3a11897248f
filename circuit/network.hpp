// The tables of one CIRCUIT run: stations with their grid coordinates, and
// the vectors of INFO.VEC as read, merged and thinned by sideshot removal.
//
// Station numbers and vector numbers are 0-based indices into the tables;
// the numbers shown to the user ("OBS #") are those indices plus one.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korval::circuit {

inline constexpr int kMaxStations = 1000;
inline constexpr int kMaxVectors = 2400;
inline constexpr int kMaxLineMeasurements = 50;  // repeats of one line merged into one vector

// Standard errors below this are taken as this when the vectors are read, so
// that every weight 1/sigma is finite (metres).
inline constexpr double kMinimumStandardError = 0.0001;

struct Station {
  std::string name;  // 8 characters, blanks included
  double x = 0;      // grid easting from VECTOR.COR (feet or metres), 0 when not listed
  double y = 0;      // grid northing from VECTOR.COR, 0 when not listed
};

struct Vector {
  int from = 0, to = 0;              // station numbers
  std::array<double, 3> d{};         // to-minus-from DX, DY, DZ, metres
  std::array<double, 3> sigma{};     // standard errors of DX, DY, DZ, metres
  bool deleted = false;              // merged into an earlier measurement of the same line

  bool Joins(int a, int b) const { return (from == a && to == b) || (from == b && to == a); }
  bool SameLineAs(const Vector& other) const { return Joins(other.from, other.to); }
};

struct Network {
  std::vector<Station> stations;
  std::vector<Vector> vectors;

  // The station of that name (all 8 characters compared), if any.
  std::optional<int> FindStation(std::string_view name) const;
  // The station of that name, appended when new; nothing when the table is full.
  std::optional<int> FindOrAddStation(std::string_view name);
  const std::string& NameOf(int station) const { return stations[station].name; }
};

// Length of a difference vector, metres.
double Length(const std::array<double, 3>& d);

}  // namespace korval::circuit
