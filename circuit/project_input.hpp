// The two inputs of CIRCUIT: the vectors of the project vector file INFO.VEC
// and the grid coordinates of the state plane listing VECTOR.COR.
#pragma once

#include "circuit/network.hpp"
#include "common/console.hpp"
#include "common/record_file.hpp"

namespace korval::circuit {

inline constexpr std::string_view kIncompleteDataClosing = "INCOMPLETE DATA FOUND - PREMATURE STOP";

// Reads the vector section of INFO.VEC (after the control record that carries
// the last-control mark) into the vector table, numbering the stations in the
// order their names first appear. Unreadable records are reported with
// " BAD LINE OF INPUT FOUND" and skipped; flagged records are skipped
// silently; an end-mark record or a blank from-station name ends the section.
// Standard errors below 0.0001 m are raised to 0.0001 m. Stops the program
// when the station or vector table overflows.
void ReadVectors(RecordFile& info, Console& console, Network& network);

// Reads the grid coordinates of the stations of the table from VECTOR.COR.
// Unreadable records and unknown names are passed over; the last record of a
// name wins.
void ReadGridCoordinates(RecordFile& listing, Network& network);

}  // namespace korval::circuit
