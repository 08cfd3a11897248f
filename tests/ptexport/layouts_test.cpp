// Every layout of the coordinate file, in both delimiters and both decimal
// settings, checked column by column against the column tables of the export
// layouts. The expected columns are written out here as first and last
// column, independent of how the program describes its fields.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "ptexport/run.hpp"
#include "tests/ptexport/export_project.hpp"
#include "tests/support/project.hpp"

namespace korval::ptexport {
namespace {

using testing::RunWithAnswers;
using testing::TempProject;

// What a column range holds.
enum class Cell {
  kName, kDelimiter, kBlank,
  kLatDegrees, kLatMinutes, kLatSeconds, kLonDegrees, kLonMinutes, kLonSeconds,
  kSlot1, kSlot2, kSlot3, kSlot4, kSlot5,
  kScale, kSign, kConvDegrees, kConvMinutes, kConvSeconds,
};

struct Range {
  int first, last;
  Cell cell;
};

using Ranges = std::vector<Range>;

const Ranges kGeodeticPart = {
    {1, 8, Cell::kName},       {9, 9, Cell::kDelimiter},   {10, 11, Cell::kLatDegrees}, {12, 12, Cell::kDelimiter},
    {13, 14, Cell::kLatMinutes}, {15, 15, Cell::kDelimiter}, {16, 23, Cell::kLatSeconds}, {24, 24, Cell::kDelimiter},
    {25, 27, Cell::kLonDegrees}, {28, 28, Cell::kDelimiter}, {29, 30, Cell::kLonMinutes}, {31, 31, Cell::kDelimiter},
    {32, 39, Cell::kLonSeconds}};
const Ranges kNamePart = {{1, 8, Cell::kName}};

// The value slots of a family: one list of ranges per slot.
using Slots = std::vector<Ranges>;

Ranges Slot(int delimiter, int first, int last, Cell value) {
  return {{delimiter, delimiter, Cell::kDelimiter}, {first, last, value}};
}
Ranges PaddedSlot(int delimiter, int first, int last, Cell value) {
  return {{delimiter, delimiter, Cell::kDelimiter}, {delimiter + 1, delimiter + 1, Cell::kBlank}, {first, last, value}};
}

struct FamilyTable {
  Ranges lead;
  Slots four, three;
};

const std::map<char, FamilyTable> kFamilies = {
    {'G', {kGeodeticPart,
           {Slot(40, 41, 49, Cell::kSlot1), Slot(50, 51, 63, Cell::kSlot2), Slot(64, 65, 77, Cell::kSlot3),
            Slot(78, 79, 87, Cell::kSlot4), Slot(88, 89, 97, Cell::kSlot5)},
           {Slot(40, 41, 48, Cell::kSlot1), PaddedSlot(49, 51, 62, Cell::kSlot2), PaddedSlot(63, 65, 76, Cell::kSlot3),
            PaddedSlot(77, 79, 86, Cell::kSlot4), PaddedSlot(87, 89, 96, Cell::kSlot5)}}},
    {'H', {kGeodeticPart,
           {Slot(40, 41, 49, Cell::kSlot1), Slot(50, 51, 59, Cell::kSlot2), Slot(60, 61, 69, Cell::kSlot3)},
           {Slot(40, 41, 48, Cell::kSlot1), PaddedSlot(49, 51, 58, Cell::kSlot2), PaddedSlot(59, 61, 68, Cell::kSlot3)}}},
    {'K', {kGeodeticPart,
           {Slot(40, 41, 53, Cell::kSlot1), Slot(54, 55, 67, Cell::kSlot2)},
           {Slot(40, 41, 52, Cell::kSlot1), PaddedSlot(53, 55, 66, Cell::kSlot2)}}},
    {'P', {kNamePart,
           {Slot(9, 10, 22, Cell::kSlot1), Slot(23, 24, 36, Cell::kSlot2)},
           {Slot(9, 10, 21, Cell::kSlot1), PaddedSlot(22, 24, 35, Cell::kSlot2)}}},
    {'Q', {kNamePart,
           {Slot(9, 10, 22, Cell::kSlot1), Slot(23, 24, 36, Cell::kSlot2), Slot(37, 38, 46, Cell::kSlot3),
            Slot(47, 48, 56, Cell::kSlot4), Slot(57, 58, 66, Cell::kSlot5)},
           {Slot(9, 10, 21, Cell::kSlot1), PaddedSlot(22, 24, 35, Cell::kSlot2), PaddedSlot(36, 38, 45, Cell::kSlot3),
            PaddedSlot(46, 48, 55, Cell::kSlot4), PaddedSlot(56, 58, 65, Cell::kSlot5)}}},
};

// Family S: northing, easting and height in slots 1 to 3.
const Ranges kFamilySTail = {
    {39, 46, Cell::kName},       {47, 47, Cell::kDelimiter},  {48, 49, Cell::kLatDegrees}, {50, 50, Cell::kDelimiter},
    {51, 52, Cell::kLatMinutes}, {53, 53, Cell::kDelimiter},  {54, 61, Cell::kLatSeconds}, {62, 62, Cell::kDelimiter},
    {63, 64, Cell::kLonDegrees}, {65, 65, Cell::kDelimiter},  {66, 67, Cell::kLonMinutes}, {68, 68, Cell::kDelimiter},
    {69, 76, Cell::kLonSeconds}, {77, 77, Cell::kDelimiter},  {78, 87, Cell::kScale},      {88, 88, Cell::kDelimiter},
    {89, 89, Cell::kSign},       {90, 91, Cell::kConvDegrees}, {92, 92, Cell::kDelimiter}, {93, 94, Cell::kConvMinutes},
    {95, 95, Cell::kDelimiter},  {96, 100, Cell::kConvSeconds}};
const Ranges kFamilySFour = {{1, 13, Cell::kSlot1}, {14, 14, Cell::kDelimiter}, {15, 27, Cell::kSlot2},
                             {28, 28, Cell::kDelimiter}, {29, 37, Cell::kSlot3}, {38, 38, Cell::kDelimiter}};
const Ranges kFamilySThree = {{1, 12, Cell::kSlot1}, {13, 13, Cell::kDelimiter}, {14, 14, Cell::kBlank},
                              {15, 26, Cell::kSlot2}, {27, 27, Cell::kDelimiter}, {28, 28, Cell::kBlank},
                              {29, 36, Cell::kSlot3}, {37, 37, Cell::kDelimiter}, {38, 38, Cell::kBlank}};

enum Value { kHgt, kN, kE, kElev, kGeo };

struct LayoutRow {
  int number;
  char family;
  std::vector<Value> slots;
  std::string heading;
  std::vector<int> unit_columns;  // first columns of the unit words on heading line 2
};

const std::vector<LayoutRow> kLayoutTable = {
    {1, 'G', {kHgt, kN, kE, kElev, kGeo},
     "STATION     LATITUDE       LONGITUDE     ELL. HGT.   NORTHING       EASTING      ELEV.  GEOID HGT.",
     {44, 55, 70, 82, 90}},
    {2, 'G', {kHgt, kE, kN, kElev, kGeo},
     "STATION     LATITUDE       LONGITUDE     ELL. HGT.   EASTING       NORTHING      ELEV.  GEOID HGT.",
     {44, 55, 70, 82, 90}},
    {3, 'G', {kHgt}, "STATION     LATITUDE       LONGITUDE     ELL. HGT.", {44}},
    {4, 'H', {kHgt, kElev, kGeo}, "STATION     LATITUDE       LONGITUDE     ELL. HGT.   ELEV.  GEOID HGT.",
     {44, 54, 62}},
    {5, 'G', {kElev}, "STATION     LATITUDE       LONGITUDE     ELEVATION", {44}},
    {6, 'K', {kN, kE}, "STATION     LATITUDE       LONGITUDE       NORTHING       EASTING", {45, 60}},
    {7, 'K', {kE, kN}, "STATION     LATITUDE       LONGITUDE        EASTING      NORTHING", {45, 60}},
    {8, 'P', {kN, kE}, "STATION      NORTHING       EASTING", {15, 30}},
    {9, 'P', {kE, kN}, "STATION      EASTING       NORTHING", {15, 30}},
    {10, 'Q', {kN, kE, kHgt, kElev, kGeo}, "STATION      NORTHING      EASTING   ELL. HGT.    ELEV.  GEOID HGT.",
     {15, 30, 40, 50, 59}},
    {11, 'Q', {kE, kN, kHgt, kElev, kGeo}, "STATION       EASTING     NORTHING   ELL. HGT.    ELEV.  GEOID HGT.",
     {15, 30, 40, 50, 59}},
    {12, 'Q', {kN, kE, kHgt}, "STATION      NORTHING        EASTING   ELL. HGT.", {15, 30, 42}},
    {13, 'Q', {kE, kN, kHgt}, "STATION       EASTING       NORTHING   ELL. HGT.", {15, 30, 42}},
    {14, 'Q', {kN, kE, kElev}, "STATION      NORTHING        EASTING   ELEVATION", {15, 30, 42}},
    {15, 'Q', {kE, kN, kElev}, "STATION       EASTING       NORTHING   ELEVATION", {15, 30, 42}},
    {16, 'S', {kN, kE, kHgt},
     "     NORTHING    EASTING    ELL. HGT. STATION   LATITUDE         LONGITUDE    SCALE FAC. CONV. ANGLE",
     {7, 19, 31}},
};

// The station of every record: values that tell each field from the others.
constexpr double kHeight = 1612.3456, kNorthing = 456789.1234, kEasting = 3123456.5678, kElevation = 1640.1234,
                 kGeoid = -27.7778;

std::string Formatted(double value, int width, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%*.*f", width, decimals, value);
  return buffer;
}

std::string Integer(int value, int width) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%*d", width, value);
  return buffer;
}

std::string Expected(Cell cell, int width, const LayoutRow& row, bool four, char delimiter) {
  const int places = four ? 4 : 3;
  const double raise = four ? 0.0 : 0.0005;
  auto slot = [&](size_t k) {
    const double values[] = {kHeight, kNorthing, kEasting, kElevation, kGeoid};
    return Formatted(values[row.slots.at(k)] + raise, width, places);
  };
  switch (cell) {
    case Cell::kName: return "A1      ";
    case Cell::kDelimiter: return std::string(1, delimiter);
    case Cell::kBlank: return " ";
    case Cell::kLatDegrees: return Integer(40, width);
    case Cell::kLatMinutes: return Integer(12, width);
    case Cell::kLatSeconds: return Formatted(34.56789, width, 5);
    case Cell::kLonDegrees: return Integer(98, width);
    case Cell::kLonMinutes: return Integer(6, width);
    case Cell::kLonSeconds: return Formatted(7.89012, width, 5);
    case Cell::kSlot1: return slot(0);
    case Cell::kSlot2: return slot(1);
    case Cell::kSlot3: return slot(2);
    case Cell::kSlot4: return slot(3);
    case Cell::kSlot5: return slot(4);
    case Cell::kScale: return Formatted(0.99991234, width, 8);
    case Cell::kSign: return "-";
    case Cell::kConvDegrees: return Integer(1, width);
    case Cell::kConvMinutes: return Integer(45, width);
    case Cell::kConvSeconds: return Formatted(12.3, width, 1);
  }
  return {};
}

// The expected ranges of a layout's record: the lead and as many slots as
// the layout has values.
Ranges ExpectedRanges(const LayoutRow& row, bool four) {
  if (row.family == 'S') {
    Ranges ranges = four ? kFamilySFour : kFamilySThree;
    ranges.insert(ranges.end(), kFamilySTail.begin(), kFamilySTail.end());
    return ranges;
  }
  const FamilyTable& family = kFamilies.at(row.family);
  Ranges ranges = family.lead;
  const Slots& slots = four ? family.four : family.three;
  for (size_t k = 0; k < row.slots.size(); ++k) ranges.insert(ranges.end(), slots[k].begin(), slots[k].end());
  return ranges;
}

TEST(PtexportLayouts, EveryLayoutDelimiterAndDecimalSettingHasTheColumnsOfItsTable) {
  TempProject project;
  project.Write("OUT.VEC", test::OutVec({test::Block("A1", 40, 12, 34.56789, 98, 6, 7.89012, kHeight)},
                                        testing::ReportIndividualElevations({{"A1", kGeoid, kElevation}})));
  project.Write("VECTOR.COR", test::VectorCor({{"A1", kEasting, kNorthing, 0.99991234, '-', 1, 45, 12.3}}));

  for (const LayoutRow& row : kLayoutTable) {
    for (const char delimiter : {' ', ','}) {
      for (const bool four : {true, false}) {
        SCOPED_TRACE("layout " + std::to_string(row.number) + (delimiter == ',' ? " comma" : " space") +
                     (four ? " four decimals" : " three decimals"));
        const auto run = RunWithAnswers(project, ptexport::Run,
                                        {"COORD.TXT", delimiter == ',' ? "2" : "1", "1", four ? "1" : "2",
                                         std::to_string(row.number)});
        ASSERT_EQ(run.exit_status, 0);
        const auto lines = project.Lines("COORD.TXT");
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[0], row.heading);
        std::string units;
        for (int first : row.unit_columns) {
          units.resize(static_cast<size_t>(first - 1), ' ');
          units += "METERS";
        }
        EXPECT_EQ(lines[1], units);

        const std::string& record = lines[2];
        const Ranges ranges = ExpectedRanges(row, four);
        int next = 1;
        for (const Range& range : ranges) {
          ASSERT_EQ(range.first, next) << "the expected table leaves a gap";
          const int width = range.last - range.first + 1;
          EXPECT_EQ(record.substr(static_cast<size_t>(range.first - 1), static_cast<size_t>(width)),
                    Expected(range.cell, width, row, four, delimiter))
              << "columns " << range.first << "-" << range.last;
          next = range.last + 1;
        }
        EXPECT_EQ(static_cast<int>(record.size()), next - 1) << "the record ends after its last value";
        EXPECT_TRUE(testing::AllLinesEndWithCrLf(project.ReadRaw("COORD.TXT")));
      }
    }
  }
}

TEST(PtexportLayouts, HeadingLinesHaveTheirStatedLengths) {
  const std::map<int, size_t> lengths = {{1, 98}, {2, 98}, {3, 50},  {4, 70},  {5, 50},  {6, 65},  {7, 65}, {8, 35},
                                         {9, 35}, {10, 67}, {11, 67}, {12, 48}, {13, 48}, {14, 48}, {15, 48}, {16, 100}};
  for (const LayoutRow& row : kLayoutTable) EXPECT_EQ(row.heading.size(), lengths.at(row.number)) << row.number;
}

}  // namespace
}  // namespace korval::ptexport
