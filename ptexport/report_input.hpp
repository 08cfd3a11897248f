// What the export takes from the adjustment report OUT.VEC: the adjusted
// positions of the first station list, and the GPS-derived elevations and
// geoid heights of the elevation section.
#pragma once

#include "common/record_file.hpp"
#include "common/report_reader.hpp"
#include "ptexport/station_table.hpp"

namespace korval::ptexport {

enum class Reading {
  kDone,       // the section was read (or is not in the report)
  kNotFound,   // the section's heading was not found: the rest of the report is not read
  kTableFull,  // a station did not find a place in the table
};

// Whether a station block lies in the ranges that the export accepts:
// latitude 10 to 75 degrees, longitude 0 to 150 degrees, minutes 0 to 59,
// seconds 0 to 59.99999, and a name that is not blank.
bool IsAcceptedBlock(const ReportStation& block);

// Reads the first station list from the start of the report and adds every
// accepted block as a new entry (its position and ellipsoid height).
Reading ReadAdjustedPositions(RecordFile& report, StationTable& table);

// Reads on to the elevation section and sets the elevation and geoid height of
// each station listed there with a geoid height from -300 to 300 m and an
// elevation from -300 to 15,000 m, adding names not yet in the table. Stations
// without a provided geoid height keep both values absent; in a section with
// one assumed geoid separation, every station gets that separation as its
// geoid height.
Reading ReadElevations(RecordFile& report, StationTable& table);

}  // namespace korval::ptexport
