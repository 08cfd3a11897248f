#include "netadj/report.hpp"

#include "common/record.hpp"
#include "geodesy/dms.hpp"

namespace korval::netadj {

namespace {

// ---- Opening lines -------------------------------------------------------

const Layout kDatumLine = {
    Fixed(" ANALYSIS IS PERFORMED ON THE NAD "),
    Integer(2),  // 27 or 83
    Fixed(" DATUM "),
};

const Layout kControlCountLine = {Fixed(" NUMBER OF CONTROL PTS.  = "), Integer(5)};
const Layout kStationCountLine = {Fixed(" NUMBER OF STATIONS = "), Integer(5)};
const Layout kVectorCountLine = {Fixed(" NUMBER OF MEASUREMENTS = "), Integer(5)};
const Layout kTermsLine = {Fixed(" NUMBER OF REQUIRED TERMS FOR NORMAL EQUATIONS = "), Integer(8)};

// ---- Vector residuals ----------------------------------------------------

const Layout kVectorResidualHeading1 = {
    Skip(22),
    Fixed("HORZ."),     // 23
    Skip(4),
    Fixed("VERT."),     // 32
    Skip(5),
    Fixed("3-D"),       // 42
    Skip(4),
    Fixed("3-D ERR."),  // 49, ERR. in 53
    Skip(1),
    Fixed("SNOOP"),     // 58
};

const Layout kVectorResidualHeading2 = {
    Skip(1),
    Fixed("FROM"),    // 2
    Skip(5),
    Fixed("TO"),      // 11
    Skip(11),
    Fixed("RES."),    // 24
    Skip(5),
    Fixed("RES."),    // 33
    Skip(5),
    Fixed("RES."),    // 42
    Skip(5),
    Fixed("EST."),    // 51
    Skip(5),
    Fixed("#"),       // 60
    Skip(4),
    Fixed("PPM"),     // 65
    Skip(2),
    Fixed("3-D"),     // 70
    Skip(1),
    Fixed("LENGTH"),  // 74
};

const Layout kVectorResidualLine = {
    Skip(1),         // 1
    Text(8),         // 2-9    from-station
    Skip(1),         // 10
    Text(8),         // 11-18  to-station
    Decimal(9, 4),   // 19-27  horizontal residual, signed
    Decimal(9, 4),   // 28-36  vertical residual
    Decimal(9, 4),   // 37-45  3-D residual, signed
    Decimal(9, 4),   // 46-54  3-D error estimate
    Skip(1),         // 55
    Character(),     // 56     flag
    Decimal(4, 1),   // 57-60  snooping number
    Character(),     // 61     flag again
    Decimal(7, 1),   // 62-68  PPM
    Decimal(11, 3),  // 69-79  observed length
};

const Layout kRmsLine = {Fixed(" RMS ERROR IN "), Character(), Fixed(" = "), Decimal(10, 4)};
const Layout kPpmPrecisionLine = {Fixed(" NETWORK PPM PRECISION = "), Decimal(7, 2)};
const Layout kLargestResidualLine = {
    Fixed(" LARGEST 3-RESIDUAL ON VECTOR "),
    Text(8),  // from-station, trailing blanks kept
    Fixed(" - "),
    Text(8),  // to-station
    Fixed(" OF "),
    Decimal(8, 3),
    Fixed(" METERS"),
};

// ---- Unit weight, chi-square, multiplier ---------------------------------

const Layout kUnitWeightLine = {Skip(5), Fixed("STANDARD ERROR OF UNIT WEIGHT IS "), Decimal(10, 3)};
const Layout kDegreesOfFreedomLine = {Skip(5), Fixed(" WITH "), Integer(5), Fixed(" DEGREES OF FREEDOM")};

const Layout kChiSquareBoundsLine = {
    Skip(1),
    Decimal(6, 3),  // LOW
    Fixed(" < "),
    Decimal(6, 3),  // sigma0
    Fixed(" < "),
    Decimal(6, 3),  // HIGH
};
const Layout kChiSquareLegend = {Fixed("   (LOW)"), Skip(13), Fixed("(HIGH)")};

const Layout kMultiplierLine = {
    Fixed(" 95% CONFIDENCE F STATISTIC STANDARD ERROR MULTIPLIER FOR "),
    Integer(5),
    Fixed(" D.F. IS "),
    Decimal(5, 2),
};

// ---- Control residuals ---------------------------------------------------

const Layout kControlResidualLine = {
    Skip(1),        // 1
    Text(8),        // 2-9    station
    Skip(6),        // 10-15
    Decimal(9, 4),  // 16-24  X residual, control minus adjusted
    Skip(2),        // 25-26
    Decimal(9, 4),  // 27-35  X error estimate
    Skip(2),        // 36-37
    Decimal(9, 4),  // 38-46  Y residual
    Skip(2),        // 47-48
    Decimal(9, 4),  // 49-57  Y error estimate
    Skip(2),        // 58-59
    Decimal(9, 4),  // 60-68  Z residual
    Skip(2),        // 69-70
    Decimal(9, 4),  // 71-79  Z error estimate
};

// ---- Station positions ---------------------------------------------------

const Layout kStationHeading = {
    Skip(1),
    Fixed("STATION"),    // 2-8
    Skip(12),
    Fixed("LATITUDE"),   // 21-28
    Skip(13),
    Fixed("LONGITUDE"),  // 42-50
    Skip(12),
    Fixed("HEIGHT"),     // 63-68
};
const Layout kStationErrorHeading = {
    Skip(21), Fixed("SD (METERS)"), Skip(10), Fixed("SD (METERS)"), Skip(5), Fixed("  SD (METERS)"),
};

const Layout kStationBlock = {
    // Line 1: adjusted position.
    Skip(1),          // 1
    Text(8),          // 2-9    station
    Skip(7),          // 10-16
    Integer(3),       // 17-19  latitude degrees
    Skip(2),          // 20-21
    Integer(2),       // 22-23  latitude minutes
    Skip(2),          // 24-25
    Decimal(8, 5),    // 26-33  latitude seconds
    Skip(5),          // 34-38
    Integer(3),       // 39-41  west longitude degrees
    Skip(2),          // 42-43
    Integer(2),       // 44-45  longitude minutes
    Skip(2),          // 46-47
    Decimal(8, 5),    // 48-55  longitude seconds
    Skip(5),          // 56-60
    Decimal(12, 4),   // 61-72  ellipsoidal height, metres
    NewLine(),
    // Line 2: 95 % error estimates, metres.
    Skip(23),         // 1-23
    Decimal(9, 4),    // 24-32  north
    Skip(13),         // 33-45
    Decimal(9, 4),    // 46-54  east
    Skip(6),          // 55-60
    Decimal(12, 4),   // 61-72  height
};

const Layout kPositionRecord = {
    Integer(3),      // 1-3    latitude degrees
    Skip(1),         // 4
    Integer(2),      // 5-6    latitude minutes
    Skip(1),         // 7
    Decimal(8, 5),   // 8-15   latitude seconds
    Skip(1),         // 16
    Integer(3),      // 17-19  west longitude degrees
    Skip(1),         // 20
    Integer(2),      // 21-22  longitude minutes
    Skip(1),         // 23
    Decimal(8, 5),   // 24-31  longitude seconds
    Skip(9),         // 32-40
    Text(8),         // 41-48  station
};

// ---- Elevations ----------------------------------------------------------

const Layout kGeoidElevationLine = {
    Skip(1),          // 1
    Text(8),          // 2-9    station
    Skip(5),          // 10-14
    Decimal(9, 4),    // 15-23  geoid height, metres
    Skip(5),          // 24-28
    Decimal(10, 4),   // 29-38  elevation, metres
    Skip(4),          // 39-42
    Decimal(10, 4),   // 43-52  elevation, U.S. survey feet
};
const Layout kNoGeoidHeightLine = {Skip(1), Text(8), Fixed("  NO PROVIDED GEOID HEIGHT")};

const Layout kSeparationHeading = {
    Fixed(" GPS DERIVED ELEVATIONS IN FEET - ASSUMED GEOID HEIGHT OF "),
    Decimal(9, 4),
    Fixed(" METERS"),
};
const Layout kSeparationElevationLine = {
    Skip(1),          // 1
    Text(8),          // 2-9    station
    Skip(19),         // 10-28
    Decimal(10, 4),   // 29-38  elevation, metres
    Decimal(9, 4),    // 39-47  elevation, U.S. survey feet
};

std::string Line(const Layout& layout, const Values& values = {}) { return FormatLine(layout, values); }

char FlagOf(const VectorResidual& residual) { return residual.flagged ? '*' : ' '; }

}  // namespace

void WriteLines(RecordFile& file, const Lines& lines) {
  for (const std::string& line : lines) file.WriteLine(line);
}

void WriteLines(Console& console, const Lines& lines) {
  for (const std::string& line : lines) console.WriteLine(line);
}

Lines DatumLines(int datum) { return {"", Line(kDatumLine, {datum == 1 ? 27 : 83}), ""}; }

Lines MinimallyConstrainedLines() { return {" FOLLOWING ADJUSTMENT IS MINIMALLY CONSTRAINED", ""}; }

Lines NetworkSizeBlock(int control_points, int stations, int vectors, long long terms) {
  return {
      " GPS NETWORK ADJUSTMENT",
      "",
      Line(kControlCountLine, {control_points}),
      Line(kStationCountLine, {stations}),
      Line(kVectorCountLine, {vectors}),
      Line(kTermsLine, {terms}),
      "",
      "",
  };
}

Lines ResultsHeading() { return {" RESULTS OF ADJUSTMENT", ""}; }

Lines VectorResidualHeading() {
  return {"", " VECTOR RESIDUALS", Line(kVectorResidualHeading1), Line(kVectorResidualHeading2)};
}

std::string VectorResidualLine(std::string_view from, std::string_view to, const VectorResidual& r) {
  return Line(kVectorResidualLine, {from, to, r.horizontal, r.vertical, r.three_d, r.error_estimate, FlagOf(r),
                                    r.snooping, FlagOf(r), r.ppm, r.observed_length});
}

Lines PrecisionBlock(const NetworkPrecision& p, std::string_view from, std::string_view to) {
  return {
      "",
      Line(kRmsLine, {'X', p.rms_x}),
      Line(kRmsLine, {'Y', p.rms_y}),
      Line(kRmsLine, {'Z', p.rms_z}),
      Line(kPpmPrecisionLine, {p.ppm_precision}),
      Line(kLargestResidualLine, {from, to, p.largest_residual}),
  };
}

Lines UnitWeightBlock(double sigma0, int degrees_of_freedom) {
  return {"", "", Line(kUnitWeightLine, {sigma0}), Line(kDegreesOfFreedomLine, {degrees_of_freedom}), ""};
}

Lines ChiSquareBlock(double sigma0, const ChiSquareResult& result) {
  return {
      " CHI SQUARED TEST ON ANALYSIS",
      Line(kChiSquareBoundsLine, {result.low, sigma0, result.high}),
      Line(kChiSquareLegend),
      result.passes ? " PASSES AT THE 5 % SIGNIFICANCE LEVEL" : " FAILS AT THE 5 % SIGNIFICANCE LEVEL",
      "",
  };
}

Lines MultiplierBlock(int degrees_of_freedom, double multiplier) {
  return {"", Line(kMultiplierLine, {degrees_of_freedom, multiplier}), " ALL COOR. STAN. ERRORS ARE AT 95% CONFIDENCE",
          ""};
}

Lines ControlResidualHeading() {
  return {"", "", " CONTROL STATION COORDINATE RESIDUALS AND ERROR ESTIMATES",
          "  STATION       X RES.    X ERR. EST.   Y RES.  Y ERR. EST. Z RES.  Z ERR. EST."};
}

std::string ControlResidualLine(std::string_view name, const ControlResidual& r) {
  return Line(kControlResidualLine, {name, r.dx, r.ex, r.dy, r.ey, r.dz, r.ez});
}

Lines StationHeading() { return {"", Line(kStationHeading), Line(kStationErrorHeading)}; }

Lines StationBlock(std::string_view name, const StationEstimate& e) {
  const geodesy::Dms latitude = geodesy::RadiansToDms(e.latitude);
  const geodesy::Dms longitude = geodesy::RadiansToDms(-e.longitude);  // west positive
  return FormatRecord(kStationBlock, {name, latitude.degrees, latitude.minutes, latitude.seconds, longitude.degrees,
                                      longitude.minutes, longitude.seconds, e.height, e.north_error, e.east_error,
                                      e.height_error});
}

std::string PositionRecord(std::string_view name, const StationEstimate& e) {
  const geodesy::Dms latitude = geodesy::RadiansToDms(e.latitude);
  const geodesy::Dms longitude = geodesy::RadiansToDms(-e.longitude);
  return Line(kPositionRecord, {latitude.degrees, latitude.minutes, latitude.seconds, longitude.degrees,
                                longitude.minutes, longitude.seconds, name});
}

Lines VectorsReweightedLines() { return {"", " VECTORS HAVE BEEN RE-WEIGHTED IN FOLLOWING ADJUSTMENT", ""}; }

Lines ControlReweightedLines() { return {"", " CONTROL COORDINATES HAVE BEEN REWEIGHTED IN FOLLOWING ADJUSTMENT", ""}; }

Lines GeoidElevationHeading() {
  return {"", "", " GPS DERIVED ELEVATIONS USING INDIVIDUAL GEOID HEIGHTS",
          " STATION    GEOID HGT (M)   ELEVATION (M.) ELEVATION (FT.)"};
}

std::string GeoidElevationLine(std::string_view name, double geoid_height, double elevation_metres,
                               double elevation_feet) {
  return Line(kGeoidElevationLine, {name, geoid_height, elevation_metres, elevation_feet});
}

std::string NoGeoidHeightLine(std::string_view name) { return Line(kNoGeoidHeightLine, {name}); }

Lines SeparationElevationHeading(double separation) {
  return {"", "", Line(kSeparationHeading, {separation}), "", " STATION                 ELEVATION (M.) ELEVATION (FT.)"};
}

std::string SeparationElevationLine(std::string_view name, double elevation_metres, double elevation_feet) {
  return Line(kSeparationElevationLine, {name, elevation_metres, elevation_feet});
}

}  // namespace korval::netadj
