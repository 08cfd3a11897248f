// The stations of the export, in the order in which their names are first
// met: the adjusted positions of the report, the GPS-derived elevations and
// the state plane coordinates of VECTOR.COR.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

namespace korval::ptexport {

// Marks a latitude, longitude, height, northing, easting, elevation or geoid
// height that no source gave. It is exported as it stands (no unit factor, no
// rounding allowance): an impossible value that importing software cannot take
// for a coordinate, where a zero could pass unnoticed.
inline constexpr double kAbsent = -1000000.0;

// A value is present when it lies above -900,000.
inline bool IsPresent(double value) { return value > -900000.0; }

// Places in the station table.
inline constexpr std::size_t kStationCapacity = 8000;

struct ExportStation {
  std::string name;                 // 8 characters
  double latitude = kAbsent;        // radians, north
  double longitude = kAbsent;       // radians, west
  double ellipsoid_height = kAbsent;  // metres, then the chosen unit
  double northing = kAbsent;        // unit of VECTOR.COR, then times the unit factor
  double easting = kAbsent;         // unit of VECTOR.COR, then times the unit factor
  double elevation = kAbsent;       // metres, then the chosen unit
  double geoid_height = kAbsent;    // metres, then the chosen unit
  // Grid scale factor and convergence angle of VECTOR.COR; zero (and a blank
  // sign) for a station that is not listed there.
  double scale_factor = 0;
  char convergence_sign = ' ';
  int convergence_degrees = 0;
  int convergence_minutes = 0;
  double convergence_seconds = 0;
};

class StationTable {
 public:
  // A new entry with every value absent; nothing when the table is full.
  ExportStation* Add(const std::string& name);
  // The first entry of that name (all 8 characters compared); nothing when
  // there is none.
  ExportStation* Find(const std::string& name);
  // The entry of that name, added when there is none; nothing when it would
  // be added to a full table.
  ExportStation* FindOrAdd(const std::string& name);

  const std::vector<ExportStation>& stations() const { return stations_; }
  std::vector<ExportStation>& stations() { return stations_; }

 private:
  std::vector<ExportStation> stations_;
  std::unordered_map<std::string, std::size_t> first_of_name_;  // index of each name's first entry
};

// Multiplies every present height, northing, easting, elevation and geoid
// height by `unit_factor` (units per metre).
void ConvertUnits(StationTable& table, double unit_factor);

// Adds 0.0005 to every present height, northing, easting, elevation and geoid
// height, for records written with three decimals.
void RaiseForThreeDecimals(StationTable& table);

}  // namespace korval::ptexport
