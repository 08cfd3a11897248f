#include "ptexport/report_input.hpp"

#include <optional>
#include <string>

#include "common/fields.hpp"

namespace korval::ptexport {

namespace {

// The line of a station whose geoid height the user did not provide: the name
// in columns 2-9, then "  NO PROVIDED GEOID HEIGHT".
constexpr std::string_view kNoProvidedGeoidHeight = "NO PROVIDED GEOID HEIGHT";

// The heading of the section with one assumed geoid separation, followed by
// the separation in columns 59-67 (metres, 4 decimals) and " METERS".
constexpr std::string_view kAssumedSeparationHeading =
    " GPS DERIVED ELEVATIONS IN FEET - ASSUMED GEOID HEIGHT OF ";

const Layout kAssumedSeparationLine = {
    Skip(static_cast<int>(kAssumedSeparationHeading.size())),  // 1-58
    Decimal(9, 4),                                             // 59-67  assumed geoid height, metres
};

// An elevation line as read: the written fields of both kinds of section end
// in columns 23 (geoid height) and 38 (elevation).
const Layout kElevationRecord = {
    Skip(1),          // 1
    Text(8),          // 2-9    station name
    Decimal(14, 4),   // 10-23  geoid height, metres (blank in the assumed-separation section)
    Decimal(15, 4),   // 24-38  elevation, metres
};

bool InRange(double value, double low, double high) { return value >= low && value <= high; }

bool IsBlankName(const std::string& name) { return name.find_first_not_of(' ') == std::string::npos; }

bool IsElevationHeading(std::string_view line) { return Columns(line, 2, 9) == "GPS DERIV"; }

bool IsNoProvidedLine(std::string_view line) {
  return Columns(line, 12, static_cast<int>(kNoProvidedGeoidHeight.size())) == kNoProvidedGeoidHeight;
}

// The assumed geoid height of the heading line of a single-separation
// section; nothing for the other kind of section or an unreadable value.
std::optional<double> AssumedSeparation(std::string_view heading, bool& single_separation) {
  single_separation = heading.substr(0, kAssumedSeparationHeading.size()) == kAssumedSeparationHeading;
  if (!single_separation) return std::nullopt;
  Values values;
  if (ParseLine(kAssumedSeparationLine, heading, values) != ReadStatus::kOk) return std::nullopt;
  return values.Real(0);
}

}  // namespace

bool IsAcceptedBlock(const ReportStation& block) {
  return InRange(block.latitude_degrees, 10, 75) && InRange(block.latitude_minutes, 0, 59) &&
         InRange(block.latitude_seconds, 0, 59.99999) && InRange(block.longitude_degrees, 0, 150) &&
         InRange(block.longitude_minutes, 0, 59) && InRange(block.longitude_seconds, 0, 59.99999) &&
         !IsBlankName(block.name);
}

Reading ReadAdjustedPositions(RecordFile& report, StationTable& table) {
  report.Rewind();
  if (!SkipToStationList(report)) return Reading::kNotFound;
  ReportStation block;
  while (ReadNextStation(report, block)) {
    if (!IsAcceptedBlock(block)) continue;
    ExportStation* station = table.Add(block.name);
    if (station == nullptr) return Reading::kTableFull;
    station->latitude = block.LatitudeRadians();
    station->longitude = block.LongitudeRadians();
    station->ellipsoid_height = block.height;
  }
  return Reading::kDone;
}

Reading ReadElevations(RecordFile& report, StationTable& table) {
  std::optional<std::string> heading;
  while ((heading = report.ReadLine()) && !IsElevationHeading(*heading)) {
  }
  if (!heading || !report.ReadLine()) return Reading::kDone;

  bool single_separation = false;
  const std::optional<double> separation = AssumedSeparation(*heading, single_separation);
  if (single_separation) {
    if (!separation) return Reading::kDone;
    // The column heading follows the empty line passed over above.
    const std::optional<std::string> column_heading = report.ReadLine();
    if (!column_heading) return Reading::kDone;
    if (!IsStationHeading(*column_heading)) report.Backspace();
  }

  Values values;
  while (const std::optional<std::string> line = report.ReadLine()) {
    if (!single_separation && IsNoProvidedLine(*line)) continue;
    if (ParseLine(kElevationRecord, *line, values) != ReadStatus::kOk) break;
    const std::string name = values.Text(0);
    const double geoid_height = single_separation ? *separation : values.Real(1);
    const double elevation = values.Real(2);
    if (IsBlankName(name) || !InRange(geoid_height, -300, 300) || !InRange(elevation, -300, 15000)) continue;
    ExportStation* station = table.FindOrAdd(name);
    if (station == nullptr) return Reading::kTableFull;
    station->elevation = elevation;
    station->geoid_height = geoid_height;
  }
  return Reading::kDone;
}

}  // namespace korval::ptexport
