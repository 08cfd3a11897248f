#include "solnimp/solution_report.hpp"

#include <array>

#include "common/fields.hpp"
#include "common/free_format.hpp"
#include "common/record.hpp"

namespace korval::solnimp {

namespace {

// A position line of the solved station: X, Y, Z in metres.
const Layout kSolvedPositionLine = {
    Skip(5),          // 1-5
    Decimal(15, 3),   // 6-20   X
    Decimal(15, 3),   // 21-35  Y
    Decimal(15, 3),   // 36-50  Z
};

// Reads a coordinate-list line; nothing when its columns 10-57 do not hold
// three numbers.
std::optional<SolutionStation> ReadStationLine(const std::string& line) {
  std::array<double, 3> xyz{};
  const ListResult result = ReadListFromText(Columns(line, 10, 48), xyz);
  if (result.status != ListStatus::kOk || result.assigned != xyz.size()) return std::nullopt;
  return SolutionStation{Columns(line, 3, 8), xyz[0], xyz[1], xyz[2]};
}

}  // namespace

std::optional<CoordinateList> ReadCoordinateList(const std::vector<std::string>& lines) {
  size_t k = 0;
  while (k < lines.size() && Columns(lines[k], 6, 10) != "FINAL COOR") ++k;
  k += 2;  // the key line and the line after it
  CoordinateList list;
  for (;;) {
    if (k >= lines.size()) return std::nullopt;
    const std::string& line = lines[k++];
    if (Columns(line, 20, 1) != ".") break;
    if (const auto station = ReadStationLine(line)) {
      list.stations.push_back(*station);
      if (list.stations.size() == kMaxSolutionStations) break;
    }
  }
  list.next_line = k;
  return list;
}

std::optional<std::vector<SolvedPosition>> ReadSolvedPositions(const std::vector<std::string>& lines,
                                                                 size_t first, size_t count) {
  size_t k = first;
  while (k < lines.size() && Columns(lines[k], 4, 13) != "ITRF position") ++k;
  k += 2;  // the key line and the line after it
  if (k > lines.size()) return std::nullopt;
  std::vector<SolvedPosition> positions;
  Values values;
  for (size_t n = 0; n < count; ++n, ++k) {
    if (k >= lines.size()) return std::nullopt;
    if (ParseLine(kSolvedPositionLine, lines[k], values) != ReadStatus::kOk) return std::nullopt;
    positions.push_back(SolvedPosition{values.Real(0), values.Real(1), values.Real(2)});
  }
  return positions;
}

}  // namespace korval::solnimp
