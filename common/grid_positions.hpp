// Grid positions of stations, as the state plane listing VECTOR.COR gives
// them: one line per station, name in columns 2-9, easting X in columns 10-32
// and northing Y in columns 33-46 (U.S. survey feet on NAD 27, metres on
// NAD 83); the scale factor and convergence that follow are not needed here.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "common/record.hpp"
#include "common/record_file.hpp"

namespace korval {

inline constexpr const char* kGridListingFileName = "VECTOR.COR";

// The leading columns of a VECTOR.COR line.
extern const Layout kGridListingRecord;

struct GridPosition {
  double x = 0.0;  // easting, grid unit
  double y = 0.0;  // northing, grid unit
};

// Station name (8 characters) -> grid position, built from one pass over the
// listing. When a name is listed more than once its first line counts. A line
// whose coordinates cannot be read (asterisks of an overflowing field, for
// example) gives its station no position; it does not hide the stations
// listed after it.
class GridPositions {
 public:
  static GridPositions Read(RecordFile& listing);

  std::optional<GridPosition> Find(const std::string& name) const;

 private:
  std::map<std::string, std::optional<GridPosition>> first_line_of_;
};

}  // namespace korval
