#include "ptexport/export_layouts.hpp"

#include <stdexcept>
#include <string>

namespace korval::ptexport {

namespace {

using Q = Quantity;

// A value slot: the delimiter column, in three-decimal records of every slot
// but the first a blank column, then the value.
struct SlotColumns {
  bool blank_after_delimiter;
  int width;
};

constexpr SlotColumns Slot(int width) { return {false, width}; }
constexpr SlotColumns Padded(int width) { return {true, width}; }

struct FamilyColumns {
  bool geodetic_part;              // columns 1-39: name, latitude, longitude
  std::vector<SlotColumns> four;   // four-decimal slots
  std::vector<SlotColumns> three;  // three-decimal slots
};

// Family G.  Four decimals:  40 D 41-49 | 50 D 51-63 | 64 D 65-77 | 78 D 79-87 | 88 D 89-97
//            Three decimals: 40 D 41-48 | 49 D 50 b 51-62 | 63 D 64 b 65-76 | 77 D 78 b 79-86 | 87 D 88 b 89-96
const FamilyColumns kFamilyG = {true,
                                {Slot(9), Slot(13), Slot(13), Slot(9), Slot(9)},
                                {Slot(8), Padded(12), Padded(12), Padded(8), Padded(8)}};

// Family H.  Four decimals:  40 D 41-49 | 50 D 51-59 | 60 D 61-69
//            Three decimals: 40 D 41-48 | 49 D 50 b 51-58 | 59 D 60 b 61-68
const FamilyColumns kFamilyH = {true, {Slot(9), Slot(9), Slot(9)}, {Slot(8), Padded(8), Padded(8)}};

// Family K.  Four decimals:  40 D 41-53 | 54 D 55-67
//            Three decimals: 40 D 41-52 | 53 D 54 b 55-66
const FamilyColumns kFamilyK = {true, {Slot(13), Slot(13)}, {Slot(12), Padded(12)}};

// Family P.  Name 1-8, then
//            four decimals:  9 D 10-22 | 23 D 24-36
//            three decimals: 9 D 10-21 | 22 D 23 b 24-35
const FamilyColumns kFamilyP = {false, {Slot(13), Slot(13)}, {Slot(12), Padded(12)}};

// Family Q.  Name 1-8, then
//            four decimals:  9 D 10-22 | 23 D 24-36 | 37 D 38-46 | 47 D 48-56 | 57 D 58-66
//            three decimals: 9 D 10-21 | 22 D 23 b 24-35 | 36 D 37 b 38-45 | 46 D 47 b 48-55 | 56 D 57 b 58-65
const FamilyColumns kFamilyQ = {false,
                                {Slot(13), Slot(13), Slot(9), Slot(9), Slot(9)},
                                {Slot(12), Padded(12), Padded(8), Padded(8), Padded(8)}};

const FamilyColumns& ColumnsOf(Family family) {
  switch (family) {
    case Family::kG: return kFamilyG;
    case Family::kH: return kFamilyH;
    case Family::kK: return kFamilyK;
    case Family::kP: return kFamilyP;
    case Family::kQ: return kFamilyQ;
    case Family::kS: break;
  }
  throw std::logic_error("family S has no value slots");
}

// Columns 1-39 of families G, H and K.
Layout GeodeticPart(const Field& d) {
  return {
      Text(8),         // 1-8    station name
      d,               // 9
      Integer(2),      // 10-11  latitude degrees
      d,               // 12
      Integer(2),      // 13-14  latitude minutes
      d,               // 15
      Decimal(8, 5),   // 16-23  latitude seconds
      d,               // 24
      Integer(3),      // 25-27  longitude degrees (west)
      d,               // 28
      Integer(2),      // 29-30  longitude minutes
      d,               // 31
      Decimal(8, 5),   // 32-39  longitude seconds
  };
}

// Family S, layout 16 only.
Layout FamilyS(Decimals decimals, const Field& d) {
  const bool four = decimals == Decimals::kFour;
  Layout layout;
  if (four) {
    layout = {
        Decimal(13, 4),  // 1-13   northing
        d,               // 14
        Decimal(13, 4),  // 15-27  easting
        d,               // 28
        Decimal(9, 4),   // 29-37  ellipsoid height
        d,               // 38
    };
  } else {
    layout = {
        Decimal(12, 3),  // 1-12   northing
        d, Skip(1),      // 13-14
        Decimal(12, 3),  // 15-26  easting
        d, Skip(1),      // 27-28
        Decimal(8, 3),   // 29-36  ellipsoid height
        d, Skip(1),      // 37-38
    };
  }
  const Layout rest = {
      Text(8),          // 39-46  station name
      d,                // 47
      Integer(2),       // 48-49  latitude degrees
      d,                // 50
      Integer(2),       // 51-52  latitude minutes
      d,                // 53
      Decimal(8, 5),    // 54-61  latitude seconds
      d,                // 62
      Integer(2),       // 63-64  longitude degrees (west)
      d,                // 65
      Integer(2),       // 66-67  longitude minutes
      d,                // 68
      Decimal(8, 5),    // 69-76  longitude seconds
      d,                // 77
      Decimal(10, 8),   // 78-87  grid scale factor
      d,                // 88
      Character(),      // 89     convergence sign
      Integer(2),       // 90-91  convergence degrees
      d,                // 92
      Integer(2),       // 93-94  convergence minutes
      d,                // 95
      Decimal(5, 1),    // 96-100 convergence seconds
  };
  layout.insert(layout.end(), rest.begin(), rest.end());
  return layout;
}

}  // namespace

const std::array<ExportLayout, kLayoutCount>& ExportLayouts() {
  static const std::array<ExportLayout, kLayoutCount> kLayouts = {{
      {"(1) STATION_ID LATITUDE LONGITUDE ELLIP_HGT NORTHING EASTING ELEV GEOID_HGT", Family::kG,
       {Q::kEllipsoidHeight, Q::kNorthing, Q::kEasting, Q::kElevation, Q::kGeoidHeight},
       "STATION     LATITUDE       LONGITUDE     ELL. HGT.   NORTHING       EASTING      ELEV.  GEOID HGT.",
       {44, 55, 70, 82, 90}},
      {"(2) STATION_ID LATITUDE LONGITUDE ELLIP_HGT EASTING NORTHING ELEV GEOID_HGT", Family::kG,
       {Q::kEllipsoidHeight, Q::kEasting, Q::kNorthing, Q::kElevation, Q::kGeoidHeight},
       "STATION     LATITUDE       LONGITUDE     ELL. HGT.   EASTING       NORTHING      ELEV.  GEOID HGT.",
       {44, 55, 70, 82, 90}},
      {"(3) STATION_ID LATITUDE LONGITUDE ELLIP_HGT", Family::kG, {Q::kEllipsoidHeight},
       "STATION     LATITUDE       LONGITUDE     ELL. HGT.", {44}},
      {"(4) STATION_ID LATITUDE LONGITUDE ELLIP_HGT ELEVATION GEOID_HGT", Family::kH,
       {Q::kEllipsoidHeight, Q::kElevation, Q::kGeoidHeight},
       "STATION     LATITUDE       LONGITUDE     ELL. HGT.   ELEV.  GEOID HGT.", {44, 54, 62}},
      {"(5) STATION_ID LATITUDE LONGITUDE ELEVATION", Family::kG, {Q::kElevation},
       "STATION     LATITUDE       LONGITUDE     ELEVATION", {44}},
      {"(6) STATION_ID LATITUDE LONGITUDE NORTHING EASTING", Family::kK, {Q::kNorthing, Q::kEasting},
       "STATION     LATITUDE       LONGITUDE       NORTHING       EASTING", {45, 60}},
      {"(7) STATION_ID LATITUDE LONGITUDE EASTING NORTHING", Family::kK, {Q::kEasting, Q::kNorthing},
       "STATION     LATITUDE       LONGITUDE        EASTING      NORTHING", {45, 60}},
      {"(8) STATION_ID NORTHING EASTING", Family::kP, {Q::kNorthing, Q::kEasting},
       "STATION      NORTHING       EASTING", {15, 30}},
      {"(9) STATION_ID EASTING NORTHING", Family::kP, {Q::kEasting, Q::kNorthing},
       "STATION      EASTING       NORTHING", {15, 30}},
      {"(10) STATION_ID NORTHING EASTING ELLIP_HGT ELEVATION GEOID_HGT", Family::kQ,
       {Q::kNorthing, Q::kEasting, Q::kEllipsoidHeight, Q::kElevation, Q::kGeoidHeight},
       "STATION      NORTHING      EASTING   ELL. HGT.    ELEV.  GEOID HGT.", {15, 30, 40, 50, 59}},
      {"(11) STATION_ID EASTING NORTHING ELLIP_HGT ELEVATION GEOID_HGT", Family::kQ,
       {Q::kEasting, Q::kNorthing, Q::kEllipsoidHeight, Q::kElevation, Q::kGeoidHeight},
       "STATION       EASTING     NORTHING   ELL. HGT.    ELEV.  GEOID HGT.", {15, 30, 40, 50, 59}},
      {"(12) STATION_ID NORTHING EASTING ELLIP_HGT", Family::kQ,
       {Q::kNorthing, Q::kEasting, Q::kEllipsoidHeight},
       "STATION      NORTHING        EASTING   ELL. HGT.", {15, 30, 42}},
      {"(13) STATION_ID EASTING NORTHING ELLIP_HGT", Family::kQ,
       {Q::kEasting, Q::kNorthing, Q::kEllipsoidHeight},
       "STATION       EASTING       NORTHING   ELL. HGT.", {15, 30, 42}},
      {"(14) STATION_ID NORTHING EASTING ELEVATION", Family::kQ, {Q::kNorthing, Q::kEasting, Q::kElevation},
       "STATION      NORTHING        EASTING   ELEVATION", {15, 30, 42}},
      {"(15) STATION_ID EASTING NORTHING ELEVATION", Family::kQ, {Q::kEasting, Q::kNorthing, Q::kElevation},
       "STATION       EASTING       NORTHING   ELEVATION", {15, 30, 42}},
      {"(16) Orvik specialty format", Family::kS, {Q::kNorthing, Q::kEasting, Q::kEllipsoidHeight},
       "     NORTHING    EASTING    ELL. HGT. STATION   LATITUDE         LONGITUDE    SCALE FAC. CONV. ANGLE",
       {7, 19, 31}},
  }};
  return kLayouts;
}

Layout RecordLayout(const ExportLayout& layout, Decimals decimals, char delimiter) {
  const Field d = Fixed(std::string(1, delimiter));
  if (layout.family == Family::kS) return FamilyS(decimals, d);
  const FamilyColumns& family = ColumnsOf(layout.family);
  Layout record = family.geodetic_part ? GeodeticPart(d) : Layout{Text(8)};
  const std::vector<SlotColumns>& slots = decimals == Decimals::kFour ? family.four : family.three;
  const int places = decimals == Decimals::kFour ? 4 : 3;
  for (size_t k = 0; k < layout.quantities.size() && k < slots.size(); ++k) {
    record.push_back(d);
    if (slots[k].blank_after_delimiter) record.push_back(Skip(1));
    record.push_back(Decimal(slots[k].width, places));
  }
  return record;
}

Layout UnitHeading(const ExportLayout& layout) {
  constexpr int kUnitWordWidth = 6;
  Layout heading;
  int next_column = 1;
  for (int first : layout.unit_word_columns) {
    if (first > next_column) heading.push_back(Skip(first - next_column));
    heading.push_back(Text(kUnitWordWidth));
    next_column = first + kUnitWordWidth;
  }
  return heading;
}

}  // namespace korval::ptexport
