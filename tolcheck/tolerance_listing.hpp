// The tolerance test of the stations under test and its listing in PT.VEC:
// each station's actual and allowable horizontal standard deviation with
// PASSED or FAILED, and the summary on the console and in the listing.
#pragma once

#include <optional>
#include <vector>

#include "common/console.hpp"
#include "common/record_file.hpp"
#include "tolcheck/adjusted_stations.hpp"
#include "tolcheck/tolerance.hpp"

namespace korval::tolcheck {

// The distance in metres (geodetic inverse, GRS 80) from `station` to the
// nearest control station whose position the report gave; the first of equal
// distances wins. Nothing when no control station was in the report.
std::optional<double> DistanceToNearestControl(const std::vector<AdjustedStation>& control,
                                               const AdjustedStation& station);

// Tests every station under test and writes the listing to PT.VEC (from its
// first record) and the summary to the console. Returns the number of
// stations that failed.
int WriteToleranceListing(RecordFile& listing, Console& console, const Tolerance& tolerance,
                          const AdjustedStations& stations);

}  // namespace korval::tolcheck
