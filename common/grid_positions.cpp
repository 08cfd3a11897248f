#include "common/grid_positions.hpp"

#include "common/fields.hpp"

namespace korval {

const Layout kGridListingRecord = {
    Skip(1),           // 1      blank
    Text(8),           // 2-9    station name
    Decimal(23, 4),    // 10-32  X (easting)
    Decimal(14, 4),    // 33-46  Y (northing)
};

GridPositions GridPositions::Read(RecordFile& listing) {
  GridPositions positions;
  listing.Rewind();
  Values values;
  while (const std::optional<std::string> line = listing.ReadLine()) {
    // The name comes before the numbers, so it is read even when they are not.
    const bool readable = ParseLine(kGridListingRecord, *line, values) == ReadStatus::kOk;
    std::optional<GridPosition> position;
    if (readable) position = GridPosition{values.Real(1), values.Real(2)};
    positions.first_line_of_.emplace(values.Text(0), position);
  }
  listing.Rewind();
  return positions;
}

std::optional<GridPosition> GridPositions::Find(const std::string& name) const {
  const auto found = first_line_of_.find(FormatText(name, 8));
  if (found == first_line_of_.end()) return std::nullopt;
  return found->second;
}

}  // namespace korval
