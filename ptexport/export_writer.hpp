// Writing the coordinate file: the two heading lines of the chosen layout and
// one record per station of the table, in table order.
#pragma once

#include <string>

#include "common/record_file.hpp"
#include "ptexport/export_layouts.hpp"
#include "ptexport/station_table.hpp"

namespace korval::ptexport {

struct ExportChoice {
  char delimiter = ' ';                // blank or ","
  std::string unit_word = "METERS";    // "METERS", "SUR FT" or "INT FT"
  double unit_factor = 1;              // units per metre
  Decimals decimals = Decimals::kFour;
  int layout = 1;                      // 1 to 16
};

// The record of one station. Values are already in the chosen unit (and
// raised for three decimals); latitude and longitude are turned into degrees,
// minutes and seconds here. An absent latitude or longitude fills its fields
// with asterisks.
std::string FormatStationRecord(const ExportStation& station, const ExportLayout& layout, Decimals decimals,
                                 char delimiter);

// Writes the heading lines and every station's record from the file's start.
void WriteCoordinateFile(RecordFile& file, const StationTable& table, const ExportChoice& choice);

}  // namespace korval::ptexport
