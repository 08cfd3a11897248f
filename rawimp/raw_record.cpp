#include "rawimp/raw_record.hpp"

#include <array>
#include <cmath>

#include "common/fields.hpp"
#include "common/free_format.hpp"
#include "geodesy/ellipsoid.hpp"

namespace korval::rawimp {

namespace {

// The first column of the key search, just after the record kind.
constexpr int kFirstKeyColumn = 3;
// The last column at which a two-letter key can begin.
constexpr int kLastKeyColumn = kRawLineWidth - 1;
// Packed angles are split in units of 1e-8 arc-second: the two digits of
// minutes and the seconds to 8 decimals make 12 digits after the point.
constexpr double kUnitsPerDegree = 1e12;
constexpr long long kUnitsPerMinute = 10'000'000'000LL;
constexpr double kUnitsPerSecond = 1e8;

// The 1-based column of the first `key` from column `from` on that does not
// lie in the columns of `skip`; 0 when there is none.
int FindKey(const std::string& line, std::string_view key, int from, const std::optional<PointName>& skip) {
  for (int column = from; column <= kLastKeyColumn; ++column) {
    if (skip && column >= skip->first_column && column <= skip->last_column) continue;
    if (line[column - 1] == key[0] && line[column] == key[1]) return column;
  }
  return 0;
}

// The value after the key at `column`: a free-format number from the column
// after the key to column 150.
std::optional<double> ValueAfterKey(const std::string& line, int column) {
  std::array<double, 1> value{};
  const ListResult result = ReadListFromText(line.substr(static_cast<size_t>(column + 1)), value);
  if (result.status != ListStatus::kOk || result.assigned != 1) return std::nullopt;
  return value[0];
}

std::optional<PackedAngle> AngleAfterKey(const std::string& line, int column, bool west_longitude) {
  std::optional<double> value = ValueAfterKey(line, column);
  if (!value) return std::nullopt;
  const double packed = west_longitude ? std::fabs(*value) : *value;
  if (!(packed > 0.0) || packed >= 360.0) return std::nullopt;
  return SplitPackedAngle(packed);
}

double Degrees(const PackedAngle& angle) {
  return angle.minutes / 60.0 + angle.seconds / 3600.0 + angle.degrees;
}

}  // namespace

RecordKind KindOf(std::string_view line) {
  const std::string kind = Columns(line, 1, 2);
  if (kind == "BP") return RecordKind::kBasePosition;
  if (kind == "EP") return RecordKind::kRoverPosition;
  if (kind == "GS") return RecordKind::kPointRecord;
  return RecordKind::kOther;
}

PackedAngle SplitPackedAngle(double packed) {
  double degrees = std::trunc(packed);
  long long units = std::llround((packed - degrees) * kUnitsPerDegree);
  if (units >= static_cast<long long>(kUnitsPerDegree)) {  // .99999999999999 rounds up a whole degree
    degrees += 1.0;
    units -= static_cast<long long>(kUnitsPerDegree);
  }
  PackedAngle angle;
  angle.degrees = static_cast<int>(degrees);
  angle.minutes = static_cast<int>(units / kUnitsPerMinute);
  angle.seconds = static_cast<double>(units % kUnitsPerMinute) / kUnitsPerSecond;
  return angle;
}

geodesy::Cartesian ToCartesian(const RawPosition& position) {
  const double latitude = Degrees(position.latitude) * geodesy::kPi / 180.0;
  const double longitude = Degrees(position.longitude) * geodesy::kPi * (-1.0 / 180.0);  // east positive
  return geodesy::GeodeticToCartesian(latitude, longitude, position.height, geodesy::kNad83);
}

std::optional<PointName> FindPointName(std::string_view text) {
  const std::string line = Columns(text, 1, kRawLineWidth);
  const int key = FindKey(line, "PN", kFirstKeyColumn, std::nullopt);
  if (key == 0) return std::nullopt;
  const size_t start = static_cast<size_t>(key + 1);  // 0-based index of the column after the key
  const size_t end = line.find_first_of(" ,", start + 1);
  if (end == std::string::npos) return std::nullopt;
  return PointName{FormatText(line.substr(start, end - start), 8), key, static_cast<int>(end)};
}

std::optional<RawPosition> ParsePosition(std::string_view text, const std::optional<PointName>& name) {
  const std::string line = Columns(text, 1, kRawLineWidth);
  RawPosition position;
  const int latitude_key = FindKey(line, "LA", kFirstKeyColumn, name);
  if (latitude_key == 0) return std::nullopt;
  const auto latitude = AngleAfterKey(line, latitude_key, false);
  if (!latitude) return std::nullopt;
  position.latitude = *latitude;

  const int longitude_key = FindKey(line, "LN", latitude_key + 3, name);
  if (longitude_key == 0) return std::nullopt;
  const auto longitude = AngleAfterKey(line, longitude_key, true);
  if (!longitude) return std::nullopt;
  position.longitude = *longitude;

  const int height_key = FindKey(line, "HT", longitude_key + 3, name);
  if (height_key == 0) return std::nullopt;
  const auto height = ValueAfterKey(line, height_key);
  if (!height) return std::nullopt;
  position.height = *height;
  return position;
}

}  // namespace korval::rawimp
