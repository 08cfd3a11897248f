#include "ptexport/export_writer.hpp"

#include "geodesy/dms.hpp"

namespace korval::ptexport {

namespace {

// Degrees, minutes and seconds of an absent angle: numbers too wide for any
// of their fields, so that each field fills with asterisks.
constexpr geodesy::Dms kAbsentDms{-1000000, -1000000, -1000000.0};

geodesy::Dms AngleOf(double radians) { return IsPresent(radians) ? geodesy::RadiansToDms(radians) : kAbsentDms; }

double ValueOf(const ExportStation& station, Quantity quantity) {
  switch (quantity) {
    case Quantity::kEllipsoidHeight: return station.ellipsoid_height;
    case Quantity::kNorthing: return station.northing;
    case Quantity::kEasting: return station.easting;
    case Quantity::kElevation: return station.elevation;
    case Quantity::kGeoidHeight: return station.geoid_height;
  }
  return kAbsent;
}

void AddPosition(Values& values, const ExportStation& station) {
  const geodesy::Dms latitude = AngleOf(station.latitude);
  const geodesy::Dms longitude = AngleOf(station.longitude);
  values.Add(latitude.degrees);
  values.Add(latitude.minutes);
  values.Add(latitude.seconds);
  values.Add(longitude.degrees);
  values.Add(longitude.minutes);
  values.Add(longitude.seconds);
}

}  // namespace

std::string FormatStationRecord(const ExportStation& station, const ExportLayout& layout, Decimals decimals,
                                char delimiter) {
  Values values;
  if (layout.family == Family::kS) {
    for (Quantity quantity : layout.quantities) values.Add(ValueOf(station, quantity));
    values.Add(station.name);
    AddPosition(values, station);
    values.Add(station.scale_factor);
    values.Add(station.convergence_sign);
    values.Add(station.convergence_degrees);
    values.Add(station.convergence_minutes);
    values.Add(station.convergence_seconds);
  } else {
    values.Add(station.name);
    if (layout.family == Family::kG || layout.family == Family::kH || layout.family == Family::kK) {
      AddPosition(values, station);
    }
    for (Quantity quantity : layout.quantities) values.Add(ValueOf(station, quantity));
  }
  return FormatLine(RecordLayout(layout, decimals, delimiter), values);
}

void WriteCoordinateFile(RecordFile& file, const StationTable& table, const ExportChoice& choice) {
  const ExportLayout& layout = ExportLayouts()[static_cast<size_t>(choice.layout - 1)];
  Values words;
  for (size_t k = 0; k < layout.unit_word_columns.size(); ++k) words.Add(choice.unit_word);
  file.Rewind();
  file.WriteLine(layout.heading);
  file.Write(UnitHeading(layout), words);
  for (const ExportStation& station : table.stations()) {
    file.WriteLine(FormatStationRecord(station, layout, choice.decimals, choice.delimiter));
  }
  file.TruncateHere();
}

}  // namespace korval::ptexport
