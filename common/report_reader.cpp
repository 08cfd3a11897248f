#include "common/report_reader.hpp"

#include <cmath>

#include "common/fields.hpp"

namespace korval {

namespace {

double DmsToRadians(int degrees, int minutes, double seconds) {
  static const double kPi = 4.0 * std::atan(1.0);
  return (degrees + minutes / 60.0 + seconds / 3600.0) * kPi / 180.0;
}

}  // namespace

double ReportStation::LatitudeRadians() const {
  return DmsToRadians(latitude_degrees, latitude_minutes, latitude_seconds);
}

double ReportStation::LongitudeRadians() const {
  return DmsToRadians(longitude_degrees, longitude_minutes, longitude_seconds);
}

const Layout& ReportStationBlock() {
  static const Layout kBlock = {
      Skip(1),          // 1
      Text(8),          // 2-9    station name
      Skip(8),          // 10-17
      Integer(2),       // 18-19  latitude degrees
      Skip(2),          // 20-21
      Integer(2),       // 22-23  latitude minutes
      Decimal(10, 5),   // 24-33  latitude seconds
      Skip(5),          // 34-38
      Integer(3),       // 39-41  west longitude degrees
      Skip(2),          // 42-43
      Integer(2),       // 44-45  longitude minutes
      Decimal(10, 5),   // 46-55  longitude seconds
      Skip(1),          // 56
      Decimal(16, 4),   // 57-72  ellipsoidal height, metres
      NewLine(),
      Skip(21),         // 1-21
      Decimal(11, 4),   // 22-32  north error estimate, metres
      Skip(11),         // 33-43
      Decimal(11, 4),   // 44-54  east error estimate, metres
  };
  return kBlock;
}

bool IsStationHeading(std::string_view line) {
  if (Columns(line, 2, 9) != "STATION  ") return false;
  // A station named STATION writes the same columns on its residual and
  // station lines; those lines hold numbers, a heading none.
  return line.find_first_of("0123456789") == std::string_view::npos;
}

bool SkipToStationList(RecordFile& report) {
  for (;;) {
    const std::optional<std::string> line = report.ReadLine();
    if (!line) return false;
    if (IsStationHeading(*line)) break;
  }
  return report.ReadLine().has_value();
}

bool ReadNextStation(RecordFile& report, ReportStation& station) {
  const std::optional<std::string> first = report.ReadLine();
  if (!first) return false;
  report.Backspace();
  if (Columns(*first, 2, 1) == " ") return false;
  Values values;
  if (report.Read(ReportStationBlock(), values) != ReadStatus::kOk) return false;
  station.name = values.Text(0);
  station.latitude_degrees = static_cast<int>(values.Int(1));
  station.latitude_minutes = static_cast<int>(values.Int(2));
  station.latitude_seconds = values.Real(3);
  station.longitude_degrees = static_cast<int>(values.Int(4));
  station.longitude_minutes = static_cast<int>(values.Int(5));
  station.longitude_seconds = values.Real(6);
  station.height = values.Real(7);
  station.north_error = values.Real(8);
  station.east_error = values.Real(9);
  return true;
}

}  // namespace korval
