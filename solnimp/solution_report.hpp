// Reading an online positioning solution report (a text file, lines of up to
// 80 columns used).
//
// The report gives a coordinate list of the stations of the solution: the
// reference stations that the service used and, last, the station it solved
// for. Further down, one "ITRF position" line per reference station gives the
// solved station's Earth-centred position as found from that reference
// station. Lines that match none of the keys below are passed over.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace korval::solnimp {

// At most this many stations are taken from the coordinate list; the last one
// taken is the solved station.
inline constexpr size_t kMaxSolutionStations = 10;

struct SolutionStation {
  std::string name;  // 8 characters
  double x = 0;      // Earth-centred coordinates, metres
  double y = 0;
  double z = 0;
};

struct CoordinateList {
  std::vector<SolutionStation> stations;  // reference stations, then the solved station
  size_t next_line = 0;                   // index of the first line after the list
};

// Finds the line with "FINAL COOR" in columns 6-15, passes over the line after
// it and reads the list: each line with "." in column 20 holds a name in
// columns 3-10 and X, Y, Z as free-format numbers in columns 10-57 (a line
// without three numbers there is passed over). The list ends at a line without
// "." in column 20 or after 10 stations. Nothing when the file ends first.
std::optional<CoordinateList> ReadCoordinateList(const std::vector<std::string>& lines);

struct SolvedPosition {
  double x = 0;  // metres
  double y = 0;
  double z = 0;
};

// From line `first` on, finds the line with "ITRF position" in columns 4-16,
// passes over the line after it and reads `count` lines of X, Y, Z (columns
// 6-20, 21-35, 36-50, 3 implied decimals). Nothing when the file ends first
// or one of those lines cannot be read.
std::optional<std::vector<SolvedPosition>> ReadSolvedPositions(const std::vector<std::string>& lines,
                                                                 size_t first, size_t count);

}  // namespace korval::solnimp
