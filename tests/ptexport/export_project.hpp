// Input files of the export tests: OUT.VEC from hand-made station blocks and
// VECTOR.COR in the columns of the state plane listing.
#pragma once

#include <string>
#include <vector>

#include "common/record.hpp"
#include "tests/support/adjustment_report.hpp"

namespace korval::ptexport::test {

struct GridLine {
  std::string name;
  double easting = 0;
  double northing = 0;
  double scale_factor = 1;
  char sign = '+';
  int degrees = 0;
  int minutes = 0;
  double seconds = 0;
};

inline std::vector<std::string> VectorCor(const std::vector<GridLine>& stations) {
  static const Layout kLine = {Skip(1),     Text(8),     Decimal(23, 4), Decimal(14, 4), Skip(2),
                               Decimal(10, 8), Skip(3),  Character(),    Integer(3),     Fixed("-"),
                               Integer(2),  Fixed("-"),  Decimal(5, 1)};
  std::vector<std::string> lines;
  for (const GridLine& g : stations) {
    lines.push_back(FormatLine(kLine, {g.name, g.easting, g.northing, g.scale_factor, g.sign, g.degrees,
                                       g.minutes, g.seconds}));
  }
  return lines;
}

inline testing::ReportBlock Block(std::string name, int lat_d, int lat_m, double lat_s, int lon_d, int lon_m,
                                  double lon_s, double height) {
  testing::ReportBlock b = testing::BlockAt(std::move(name), lat_d, lat_m, lat_s, lon_d, lon_m, lon_s);
  b.height = height;
  return b;
}

// A report of one pass with `blocks`, followed by `elevations`.
inline testing::Lines OutVec(const std::vector<testing::ReportBlock>& blocks,
                             const testing::Lines& elevations = {}) {
  testing::Lines lines = testing::ReportOpening(false);
  testing::Append(lines, testing::ReportPass(blocks));
  testing::Append(lines, elevations);
  return lines;
}

}  // namespace korval::ptexport::test
