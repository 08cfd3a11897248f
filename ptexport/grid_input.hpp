// What the export takes from the state plane listing VECTOR.COR: easting,
// northing, grid scale factor and convergence angle of each station.
#pragma once

#include "common/record_file.hpp"
#include "ptexport/report_input.hpp"
#include "ptexport/station_table.hpp"

namespace korval::ptexport {

// Reads the listing from its first line until a line cannot be read or the
// file ends. Every line read is taken as it stands; a name not yet in the
// table is added after the others.
Reading ReadGridCoordinates(RecordFile& listing, StationTable& table);

}  // namespace korval::ptexport
