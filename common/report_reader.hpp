// The station list of the adjustment report OUT.VEC, as the programs that work
// from the report read it.
//
// The adjustment writes each station as a two-line block under the heading
// " STATION            LATITUDE ..." and a standard deviation heading. Readers
// take the block with fields wider than those written, each ending in the same
// column as the written one (so a value that grew to the left is still read
// whole). The list ends at the first line whose column 2 is blank, at a block
// that cannot be read, or at the end of the file. A report of several passes
// holds one list per pass; a reader that stops at the end of the first list
// takes the first pass.
#pragma once

#include <string>
#include <string_view>

#include "common/record.hpp"
#include "common/record_file.hpp"

namespace korval {

// One station block as read. Latitude north and longitude west, as printed.
struct ReportStation {
  std::string name;         // 8 characters, blanks kept
  int latitude_degrees = 0;
  int latitude_minutes = 0;
  double latitude_seconds = 0;
  int longitude_degrees = 0;  // west
  int longitude_minutes = 0;
  double longitude_seconds = 0;
  double height = 0;        // ellipsoidal height, metres
  double north_error = 0;   // 95 % error estimate of the latitude, metres
  double east_error = 0;    // 95 % error estimate of the longitude, metres

  // The printed angles in radians: (degrees + minutes / 60 + seconds / 3600) * pi / 180,
  // without any sign (the longitude stays west-positive).
  double LatitudeRadians() const;
  double LongitudeRadians() const;
};

// The two lines of a station block with the readers' columns.
const Layout& ReportStationBlock();

// True for the heading line of a station list: "STATION" and two blanks in
// columns 2 to 10, and no digit on the line (so that the lines of a station
// named STATION are not taken for it). The headings of the elevation sections
// look the same; they come after every station list.
bool IsStationHeading(std::string_view line);

// Reads up to and including the station heading and passes over the standard
// deviation heading after it. False when the file ends first.
bool SkipToStationList(RecordFile& report);

// Reads the next station block of the list. False when the list is over: the
// file ends, column 2 of the next line is blank, or the block cannot be read.
// The line that ends the list is left unread (except at a bad block).
bool ReadNextStation(RecordFile& report, ReportStation& station);

}  // namespace korval
