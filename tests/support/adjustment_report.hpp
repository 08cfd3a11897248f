// Hand-made adjustment reports (OUT.VEC) for the tests of the programs that
// read them: the lines written exactly as the adjustment writes them, so that
// a reader is tested against the written columns, not against its own.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "common/fields.hpp"
#include "common/record.hpp"

namespace korval::testing {

struct ReportBlock {
  std::string name;
  int latitude_degrees = 40;
  int latitude_minutes = 0;
  double latitude_seconds = 0;
  int longitude_degrees = 105;  // west
  int longitude_minutes = 0;
  double longitude_seconds = 0;
  double height = 1500;
  double north_error = 0.01;
  double east_error = 0.01;
  double height_error = 0.02;
};

using Lines = std::vector<std::string>;

// A station block at the latitude (north) and longitude (west) given in
// degrees, minutes and seconds; the other values keep their defaults.
inline ReportBlock BlockAt(std::string name, int lat_d, int lat_m, double lat_s, int lon_d, int lon_m,
                           double lon_s) {
  ReportBlock b;
  b.name = std::move(name);
  b.latitude_degrees = lat_d;
  b.latitude_minutes = lat_m;
  b.latitude_seconds = lat_s;
  b.longitude_degrees = lon_d;
  b.longitude_minutes = lon_m;
  b.longitude_seconds = lon_s;
  return b;
}

inline void Append(Lines& to, const Lines& more) { to.insert(to.end(), more.begin(), more.end()); }

// The opening lines of a run: datum, the minimally constrained marker when
// asked for, and the counts.
inline Lines ReportOpening(bool minimally_constrained, int datum = 83) {
  Lines lines = {"", FormatLine({Fixed(" ANALYSIS IS PERFORMED ON THE NAD "), Integer(2), Fixed(" DATUM ")}, {datum}),
                 ""};
  if (minimally_constrained) Append(lines, {" FOLLOWING ADJUSTMENT IS MINIMALLY CONSTRAINED", ""});
  Append(lines, {" GPS NETWORK ADJUSTMENT", "",
                 FormatLine({Fixed(" NUMBER OF CONTROL PTS.  = "), Integer(5)}, {1}),
                 FormatLine({Fixed(" NUMBER OF STATIONS = "), Integer(5)}, {3}),
                 FormatLine({Fixed(" NUMBER OF MEASUREMENTS = "), Integer(5)}, {2}),
                 FormatLine({Fixed(" NUMBER OF REQUIRED TERMS FOR NORMAL EQUATIONS = "), Integer(8)}, {9}), "", ""});
  return lines;
}

// One result section with its vector residuals, statistics and the station
// list of `blocks`.
inline Lines ReportPass(const std::vector<ReportBlock>& blocks) {
  static const Layout kLine1 = {Skip(1), Text(8), Skip(7), Integer(3), Skip(2), Integer(2), Skip(2), Decimal(8, 5),
                                Skip(5), Integer(3), Skip(2), Integer(2), Skip(2), Decimal(8, 5), Skip(5),
                                Decimal(12, 4)};
  static const Layout kLine2 = {Skip(23), Decimal(9, 4), Skip(13), Decimal(9, 4), Skip(6), Decimal(12, 4)};
  Lines lines = {
      " RESULTS OF ADJUSTMENT", "", "", " VECTOR RESIDUALS",
      "                      HORZ.    VERT.     3-D    3-D ERR. SNOOP",
      " FROM     TO           RES.     RES.     RES.     EST.     #    PPM  3-D LENGTH",
      " STATION1STATION2   0.0012   0.0034   0.0036   0.0100  0.5 0    0.4   5000.123", "",
      " RMS ERROR IN X =     0.0010", "", "",
      "      STANDARD ERROR OF UNIT WEIGHT IS      1.000", "",
      " 95% CONFIDENCE F STATISTIC STANDARD ERROR MULTIPLIER FOR     3 D.F. IS  2.45",
      " ALL COOR. STAN. ERRORS ARE AT 95% CONFIDENCE", "", "", "",
      " CONTROL STATION COORDINATE RESIDUALS AND ERROR ESTIMATES",
      "  STATION       X RES.    X ERR. EST.   Y RES.  Y ERR. EST. Z RES.  Z ERR. EST.",
      " STATION1         0.0000       0.0010      0.0000       0.0010      0.0000       0.0010", "",
      " STATION            LATITUDE             LONGITUDE            HEIGHT",
      std::string(21, ' ') + "SD (METERS)" + std::string(10, ' ') + "SD (METERS)" + std::string(5, ' ') +
          "  SD (METERS)"};
  for (const ReportBlock& b : blocks) {
    lines.push_back(FormatLine(kLine1, {b.name, b.latitude_degrees, b.latitude_minutes, b.latitude_seconds,
                                        b.longitude_degrees, b.longitude_minutes, b.longitude_seconds, b.height}));
    lines.push_back(FormatLine(kLine2, {b.north_error, b.east_error, b.height_error}));
  }
  return lines;
}

// The robust re-weighting lines that follow a pass when another one comes.
inline Lines ReportReweighting() {
  return {"", " VECTORS HAVE BEEN RE-WEIGHTED IN FOLLOWING ADJUSTMENT", ""};
}

struct GeoidLine {
  std::string name;
  double geoid_height = 0;  // 0: the station has no provided geoid height
  double elevation = 0;     // metres
};

// The elevation section with individual geoid heights.
inline Lines ReportIndividualElevations(const std::vector<GeoidLine>& stations) {
  static const Layout kLine = {Skip(1), Text(8), Skip(5), Decimal(9, 4), Skip(5), Decimal(10, 4), Skip(4),
                               Decimal(10, 4)};
  Lines lines = {"", "", " GPS DERIVED ELEVATIONS USING INDIVIDUAL GEOID HEIGHTS",
                 " STATION    GEOID HGT (M)   ELEVATION (M.) ELEVATION (FT.)"};
  for (const GeoidLine& s : stations) {
    if (s.geoid_height == 0) {
      std::string line = " ";
      line += FormatText(s.name, 8);
      line += "  NO PROVIDED GEOID HEIGHT";
      lines.push_back(line);
    } else {
      lines.push_back(FormatLine(kLine, {s.name, s.geoid_height, s.elevation, s.elevation * 3.280833333333333}));
    }
  }
  return lines;
}

// The elevation section with one assumed geoid separation.
inline Lines ReportSingleSeparationElevations(double separation, const std::vector<GeoidLine>& stations) {
  static const Layout kHeading = {Fixed(" GPS DERIVED ELEVATIONS IN FEET - ASSUMED GEOID HEIGHT OF "),
                                  Decimal(9, 4), Fixed(" METERS")};
  static const Layout kLine = {Skip(1), Text(8), Skip(19), Decimal(10, 4), Decimal(9, 4)};
  Lines lines = {"", "", FormatLine(kHeading, {separation}), "",
                 " STATION                 ELEVATION (M.) ELEVATION (FT.)"};
  for (const GeoidLine& s : stations) {
    lines.push_back(FormatLine(kLine, {s.name, s.elevation, s.elevation * 3.280833333333333}));
  }
  return lines;
}

}  // namespace korval::testing
