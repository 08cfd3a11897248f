// The records of a data collector raw file (.RW5) that carry GPS positions.
//
// Each record is one line, taken as 150 columns (a shorter line is filled with
// blanks, a longer one cut). Columns 1-2 give the record kind; the values are
// found by two-letter keys anywhere in the line, each value beginning in the
// column after its key and ending at the first blank or comma:
//   BP  base position:  PN point name, LA latitude, LN longitude, HT height
//   EP  rover position: LA, LN, HT (no name of its own)
//   GS  point record:   PN, the name of the rover position before it
// Latitudes and longitudes are packed angles DDD.MMSSsss (degrees, then two
// digits of minutes and the seconds with their decimals); longitudes are west
// longitudes whatever their sign; heights are ellipsoidal, in metres.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "geodesy/conversions.hpp"

namespace korval::rawimp {

inline constexpr int kRawLineWidth = 150;

enum class RecordKind { kBasePosition, kRoverPosition, kPointRecord, kOther };

// The kind from columns 1-2, compared exactly (upper case).
RecordKind KindOf(std::string_view line);

struct PackedAngle {
  int degrees = 0;
  int minutes = 0;
  double seconds = 0;
};

// Splits a packed angle of 0 to 360 degrees. The digits after the decimal
// point are taken as typed (to 1e-8 arc-second), so that 40.29 gives 40
// degrees 29 minutes 0 seconds and not 28 minutes 99.999999 seconds.
PackedAngle SplitPackedAngle(double packed);

struct RawPosition {
  PackedAngle latitude;   // north
  PackedAngle longitude;  // west
  double height = 0;      // ellipsoidal, metres
};

// Earth-centred X, Y, Z of a position on the NAD 83 ellipsoid of the
// conversions (longitudes always west of Greenwich).
geodesy::Cartesian ToCartesian(const RawPosition& position);

// The point name after the key PN (searched from column 3): up to the first
// blank or comma, its first 8 characters (blank-filled). `first_column` and
// `last_column` span the key and the name. Nothing when the line has no PN or
// the name runs to column 150 without a blank or comma after it.
struct PointName {
  std::string name;
  int first_column = 0;
  int last_column = 0;
};
std::optional<PointName> FindPointName(std::string_view line);

// The position of a base or rover position record: LA (greater than 0), then
// LN after it (not 0, its absolute value), then HT after that. The keys are
// searched from column 3 and never inside the point name of a base position
// record, so that a name such as LAKE or HTOWN is read like any other. Nothing
// when a key is missing or its value cannot be read or is out of range.
std::optional<RawPosition> ParsePosition(std::string_view line, const std::optional<PointName>& name);

}  // namespace korval::rawimp
