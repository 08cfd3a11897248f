// The lines of the adjustment report OUT.VEC, of VECTOR.GEO and of the
// console blocks that repeat parts of the report.
//
// Each function formats one block (or one line) through the record layouts
// of report.cpp and returns its lines without line endings; the run decides
// where they go. Report and console lines begin with one blank in column 1;
// an empty string is an empty line. Readers of the report (the coordinate
// export and the tolerance test) find the station list by "STATION" in
// columns 2-8 and read its blocks by column, so the columns here are part of
// the format.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/console.hpp"
#include "common/record_file.hpp"
#include "netadj/statistics.hpp"

namespace korval::netadj {

using Lines = std::vector<std::string>;

void WriteLines(RecordFile& file, const Lines& lines);
void WriteLines(Console& console, const Lines& lines);

// Opening lines, once per run.
Lines DatumLines(int datum);  // datum code 1 = NAD 27, 2 = NAD 83
Lines MinimallyConstrainedLines();
// The "GPS NETWORK ADJUSTMENT" block (report and console).
Lines NetworkSizeBlock(int control_points, int stations, int vectors, long long terms);

// The result section of one pass, in the order it is written.
Lines ResultsHeading();
Lines VectorResidualHeading();
std::string VectorResidualLine(std::string_view from, std::string_view to, const VectorResidual& residual);
// RMS errors, network precision and the largest residual (report and console).
// `from` and `to` name the vector of the largest residual (blank without vectors).
Lines PrecisionBlock(const NetworkPrecision& precision, std::string_view from, std::string_view to);
// Standard error of unit weight and degrees of freedom (report and console).
Lines UnitWeightBlock(double sigma0, int degrees_of_freedom);
Lines ChiSquareBlock(double sigma0, const ChiSquareResult& result);
Lines MultiplierBlock(int degrees_of_freedom, double multiplier);
Lines ControlResidualHeading();
std::string ControlResidualLine(std::string_view name, const ControlResidual& residual);
Lines StationHeading();
// The two lines of one station: position and 95 % error estimates.
Lines StationBlock(std::string_view name, const StationEstimate& estimate);
// The VECTOR.GEO record of one station.
std::string PositionRecord(std::string_view name, const StationEstimate& estimate);
// Notes written after the robust questions, before the next result section.
Lines VectorsReweightedLines();
Lines ControlReweightedLines();

// Elevation sections, after the last pass and the state plane section.
Lines GeoidElevationHeading();
std::string GeoidElevationLine(std::string_view name, double geoid_height, double elevation_metres,
                               double elevation_feet);
std::string NoGeoidHeightLine(std::string_view name);
Lines SeparationElevationHeading(double separation);
std::string SeparationElevationLine(std::string_view name, double elevation_metres, double elevation_feet);

}  // namespace korval::netadj
