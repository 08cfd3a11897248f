// The 16 layouts of the coordinate file: the menu entry that offers each, its
// two heading lines and the record written for each station, in four or three
// decimals, with a blank or a comma as delimiter.
//
// Every record belongs to one of six families. The family fixes the columns:
// a station name, perhaps latitude and longitude, then value slots, each after
// a delimiter column. The layout fixes which quantity goes into each slot, and
// fills only as many slots as it has quantities (no trailing delimiter).
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "common/record.hpp"

namespace korval::ptexport {

enum class Family {
  kG,  // latitude and longitude, then up to five values
  kH,  // latitude and longitude, then three heights
  kK,  // latitude and longitude, then two grid coordinates
  kP,  // name, two grid coordinates
  kQ,  // name, two grid coordinates, then up to three heights
  kS,  // northing, easting, height, name, position, scale factor and convergence
};

enum class Quantity { kEllipsoidHeight, kNorthing, kEasting, kElevation, kGeoidHeight };

struct ExportLayout {
  std::string_view menu_entry;            // the line of the layout menu
  Family family;
  std::vector<Quantity> quantities;       // in slot order (family S: its own fixed order)
  std::string_view heading;               // heading line 1
  std::vector<int> unit_word_columns;     // first column of each unit word on heading line 2
};

inline constexpr int kLayoutCount = 16;

// Layout n is element n - 1.
const std::array<ExportLayout, kLayoutCount>& ExportLayouts();

enum class Decimals { kFour, kThree };

// The record of `layout`: its fields with the delimiter in each D column.
// Values, in order: the name; for families G, H and K latitude degrees,
// minutes, seconds and longitude degrees, minutes, seconds; then one value
// per quantity. Family S takes northing, easting, ellipsoid height, name,
// latitude degrees, minutes, seconds, longitude degrees, minutes, seconds,
// scale factor, convergence sign, degrees, minutes, seconds.
Layout RecordLayout(const ExportLayout& layout, Decimals decimals, char delimiter);

// Heading line 2: the unit word (6 characters) in each of the layout's
// columns, blanks elsewhere.
Layout UnitHeading(const ExportLayout& layout);

}  // namespace korval::ptexport
