#include "netadj/report.hpp"

#include <gtest/gtest.h>

#include "common/fields.hpp"
#include "geodesy/ellipsoid.hpp"

namespace korval::netadj {
namespace {

using geodesy::kPi;

// Columns first..last (1-based) of a line.
std::string Cols(const std::string& line, int first, int last) { return Columns(line, first, last - first + 1); }

double Radians(int degrees, int minutes, double seconds) {
  return (degrees + minutes / 60.0 + seconds / 3600.0) * kPi / 180.0;
}

TEST(ReportOpeningTest, WritesDatumAndNetworkSize) {
  EXPECT_EQ(DatumLines(2), (Lines{"", " ANALYSIS IS PERFORMED ON THE NAD 83 DATUM ", ""}));
  EXPECT_EQ(DatumLines(1)[1], " ANALYSIS IS PERFORMED ON THE NAD 27 DATUM ");
  EXPECT_EQ(MinimallyConstrainedLines(), (Lines{" FOLLOWING ADJUSTMENT IS MINIMALLY CONSTRAINED", ""}));
  EXPECT_EQ(NetworkSizeBlock(700, 3000, 9899, 899701),
            (Lines{" GPS NETWORK ADJUSTMENT", "", " NUMBER OF CONTROL PTS.  =   700", " NUMBER OF STATIONS =  3000",
                   " NUMBER OF MEASUREMENTS =  9899", " NUMBER OF REQUIRED TERMS FOR NORMAL EQUATIONS =   899701", "",
                   ""}));
}

TEST(ReportVectorResidualTest, HeadingsStandOverTheirColumns) {
  const Lines h = VectorResidualHeading();
  ASSERT_EQ(h.size(), 4u);
  EXPECT_EQ(h[0], "");
  EXPECT_EQ(h[1], " VECTOR RESIDUALS");
  EXPECT_EQ(h[2], "                      HORZ.    VERT.     3-D    3-D ERR. SNOOP");
  EXPECT_EQ(h[3], " FROM     TO           RES.     RES.     RES.     EST.     #    PPM  3-D LENGTH");
  EXPECT_EQ(Cols(h[2], 23, 27), "HORZ.");
  EXPECT_EQ(Cols(h[2], 53, 56), "ERR.");
  EXPECT_EQ(Cols(h[2], 58, 62), "SNOOP");
  EXPECT_EQ(Cols(h[3], 60, 60), "#");
  EXPECT_EQ(Cols(h[3], 74, 79), "LENGTH");
}

TEST(ReportVectorResidualTest, ResidualLineByColumns) {
  VectorResidual r;
  r.horizontal = -0.0123;
  r.vertical = 0.0456;
  r.three_d = -0.0472;
  r.error_estimate = 0.0150;
  r.snooping = 3.1467;
  r.flagged = true;
  r.ppm = 12.34;
  r.observed_length = 3825.1234;
  const std::string line = VectorResidualLine("BASE 1", "PT-17", r);
  EXPECT_EQ(line.size(), 79u);
  EXPECT_EQ(Cols(line, 1, 1), " ");
  EXPECT_EQ(Cols(line, 2, 9), "BASE 1  ");
  EXPECT_EQ(Cols(line, 11, 18), "PT-17   ");
  EXPECT_EQ(Cols(line, 19, 27), "  -0.0123");
  EXPECT_EQ(Cols(line, 28, 36), "   0.0456");
  EXPECT_EQ(Cols(line, 37, 45), "  -0.0472");
  EXPECT_EQ(Cols(line, 46, 54), "   0.0150");
  EXPECT_EQ(Cols(line, 56, 56), "*");
  EXPECT_EQ(Cols(line, 57, 60), " 3.1");
  EXPECT_EQ(Cols(line, 61, 61), "*");
  EXPECT_EQ(Cols(line, 62, 68), "   12.3");
  EXPECT_EQ(Cols(line, 69, 79), "   3825.123");

  r.flagged = false;
  const std::string unflagged = VectorResidualLine("A", "B", r);
  EXPECT_EQ(Cols(unflagged, 56, 56), " ");
  EXPECT_EQ(Cols(unflagged, 61, 61), " ");

  // Too wide for their fields: asterisks, never a broken column.
  r.three_d = -123456.0;
  r.ppm = 1.0e9;
  const std::string wide = VectorResidualLine("A", "B", r);
  EXPECT_EQ(wide.size(), 79u);
  EXPECT_EQ(Cols(wide, 37, 45), "*********");
  EXPECT_EQ(Cols(wide, 62, 68), "*******");
}

TEST(ReportSummaryTest, PrecisionUnitWeightChiSquareAndMultiplier) {
  NetworkPrecision p;
  p.rms_x = 0.0041;
  p.rms_y = 0.0052;
  p.rms_z = 0.0063;
  p.ppm_precision = 1.234;
  p.largest_residual = 0.0304;
  EXPECT_EQ(PrecisionBlock(p, "A", "PT-17"),
            (Lines{"", " RMS ERROR IN X =     0.0041", " RMS ERROR IN Y =     0.0052", " RMS ERROR IN Z =     0.0063",
                   " NETWORK PPM PRECISION =    1.23",
                   " LARGEST 3-RESIDUAL ON VECTOR A        - PT-17    OF    0.030 METERS"}));

  EXPECT_EQ(UnitWeightBlock(1.0, 10), (Lines{"", "", "     STANDARD ERROR OF UNIT WEIGHT IS      1.000",
                                             "      WITH    10 DEGREES OF FREEDOM", ""}));

  ChiSquareResult chi;
  chi.low = 0.5698;
  chi.high = 1.3530;
  chi.passes = true;
  EXPECT_EQ(ChiSquareBlock(1.0, chi),
            (Lines{" CHI SQUARED TEST ON ANALYSIS", "  0.570 <  1.000 <  1.353", "   (LOW)             (HIGH)",
                   " PASSES AT THE 5 % SIGNIFICANCE LEVEL", ""}));
  chi.passes = false;
  EXPECT_EQ(ChiSquareBlock(1.4, chi)[3], " FAILS AT THE 5 % SIGNIFICANCE LEVEL");

  EXPECT_EQ(MultiplierBlock(250, 2.45),
            (Lines{"", " 95% CONFIDENCE F STATISTIC STANDARD ERROR MULTIPLIER FOR   250 D.F. IS  2.45",
                   " ALL COOR. STAN. ERRORS ARE AT 95% CONFIDENCE", ""}));
  EXPECT_EQ(MultiplierBlock(0, 20.0)[1], " 95% CONFIDENCE F STATISTIC STANDARD ERROR MULTIPLIER FOR     0 D.F. IS 20.00");
}

TEST(ReportControlTest, ResidualLinesUnderTheirHeading) {
  const Lines h = ControlResidualHeading();
  ASSERT_EQ(h.size(), 4u);
  EXPECT_EQ(h[2], " CONTROL STATION COORDINATE RESIDUALS AND ERROR ESTIMATES");
  EXPECT_EQ(h[3].size(), 79u);
  EXPECT_EQ(Cols(h[3], 3, 9), "STATION");

  ControlResidual r{.dx = -0.0123, .dy = 0.5, .dz = 0.0, .ex = 0.0045, .ey = 0.01, .ez = 0.02};
  const std::string line = ControlResidualLine("CTL 7", r);
  EXPECT_EQ(line.size(), 79u);
  EXPECT_EQ(Cols(line, 2, 9), "CTL 7   ");
  EXPECT_EQ(Cols(line, 16, 24), "  -0.0123");
  EXPECT_EQ(Cols(line, 27, 35), "   0.0045");
  EXPECT_EQ(Cols(line, 38, 46), "   0.5000");
  EXPECT_EQ(Cols(line, 49, 57), "   0.0100");
  EXPECT_EQ(Cols(line, 60, 68), "   0.0000");
  EXPECT_EQ(Cols(line, 71, 79), "   0.0200");
}

TEST(ReportStationTest, HeadingAndBlockInTheirColumns) {
  const Lines h = StationHeading();
  ASSERT_EQ(h.size(), 3u);
  EXPECT_EQ(h[1], " STATION            LATITUDE             LONGITUDE            HEIGHT");
  EXPECT_EQ(Cols(h[1], 2, 8), "STATION");
  EXPECT_EQ(Cols(h[1], 21, 28), "LATITUDE");
  EXPECT_EQ(Cols(h[1], 42, 50), "LONGITUDE");
  EXPECT_EQ(Cols(h[1], 63, 68), "HEIGHT");
  EXPECT_EQ(h[2], std::string(21, ' ') + "SD (METERS)" + std::string(10, ' ') + "SD (METERS)" + std::string(5, ' ') +
                      "  SD (METERS)");

  StationEstimate e;
  e.latitude = Radians(38, 5, 12.34567);
  e.longitude = -Radians(77, 30, 0.0);  // east-positive inside, west in the report
  e.height = -31.25;
  e.north_error = 0.0123;
  e.east_error = 0.0234;
  e.height_error = 0.0456;
  const Lines block = StationBlock("MON 12", e);
  ASSERT_EQ(block.size(), 2u);
  const std::string& one = block[0];
  const std::string& two = block[1];
  EXPECT_EQ(one.size(), 72u);
  EXPECT_EQ(Cols(one, 2, 9), "MON 12  ");
  EXPECT_EQ(Cols(one, 17, 19), " 38");
  EXPECT_EQ(Cols(one, 22, 23), " 5");
  EXPECT_EQ(Cols(one, 26, 33), "12.34567");
  EXPECT_EQ(Cols(one, 39, 41), " 77");
  EXPECT_EQ(Cols(one, 44, 45), "30");
  EXPECT_EQ(Cols(one, 48, 55), " 0.00000");
  EXPECT_EQ(Cols(one, 61, 72), "    -31.2500");
  EXPECT_EQ(Cols(two, 24, 32), "   0.0123");
  EXPECT_EQ(Cols(two, 46, 54), "   0.0234");
  EXPECT_EQ(Cols(two, 61, 72), "      0.0456");

  // The wider fields that the report's readers use end in the same columns.
  EXPECT_EQ(ParseInteger(Cols(one, 18, 19)), 38);
  EXPECT_NEAR(*ParseDecimal(Cols(one, 24, 33), 5), 12.34567, 1e-9);
  EXPECT_NEAR(*ParseDecimal(Cols(one, 46, 55), 5), 0.0, 1e-9);
  EXPECT_NEAR(*ParseDecimal(Cols(one, 57, 72), 4), -31.25, 1e-9);
  EXPECT_NEAR(*ParseDecimal(Cols(two, 22, 32), 4), 0.0123, 1e-9);
  EXPECT_NEAR(*ParseDecimal(Cols(two, 44, 54), 4), 0.0234, 1e-9);
}

TEST(ReportStationTest, SecondsCarryOnlyWhenTheyWouldPrintAsSixty) {
  StationEstimate e;
  e.longitude = -Radians(100, 0, 0.0);
  e.latitude = Radians(40, 59, 59.999996);
  const std::string carried = StationBlock("A", e)[0];
  EXPECT_EQ(Cols(carried, 17, 19), " 41");
  EXPECT_EQ(Cols(carried, 22, 23), " 0");
  EXPECT_EQ(Cols(carried, 26, 33), " 0.00000");

  e.latitude = Radians(40, 59, 59.999994);
  const std::string kept = StationBlock("A", e)[0];
  EXPECT_EQ(Cols(kept, 17, 19), " 40");
  EXPECT_EQ(Cols(kept, 22, 23), "59");
  EXPECT_EQ(Cols(kept, 26, 33), "59.99999");
}

TEST(ReportStationTest, PositionRecordOfVectorGeo) {
  StationEstimate e;
  e.latitude = Radians(38, 5, 12.34567);
  e.longitude = -Radians(122, 7, 1.5);
  const std::string record = PositionRecord("MON 12", e);
  EXPECT_EQ(record, " 38  5 12.34567 122  7  1.50000         MON 12  ");
  EXPECT_EQ(Cols(record, 41, 48), "MON 12  ");
}

TEST(ReportReweightingTest, NotesBeforeTheNextPass) {
  EXPECT_EQ(VectorsReweightedLines(), (Lines{"", " VECTORS HAVE BEEN RE-WEIGHTED IN FOLLOWING ADJUSTMENT", ""}));
  EXPECT_EQ(ControlReweightedLines(),
            (Lines{"", " CONTROL COORDINATES HAVE BEEN REWEIGHTED IN FOLLOWING ADJUSTMENT", ""}));
}

TEST(ReportElevationTest, BothSectionsByColumns) {
  const Lines geoid = GeoidElevationHeading();
  EXPECT_EQ(geoid, (Lines{"", "", " GPS DERIVED ELEVATIONS USING INDIVIDUAL GEOID HEIGHTS",
                          " STATION    GEOID HGT (M)   ELEVATION (M.) ELEVATION (FT.)"}));
  const std::string line = GeoidElevationLine("BM 4", -30.0, 130.0, 426.50833);
  EXPECT_EQ(line.size(), 52u);
  EXPECT_EQ(Cols(line, 2, 9), "BM 4    ");
  EXPECT_EQ(Cols(line, 15, 23), " -30.0000");
  EXPECT_EQ(Cols(line, 29, 38), "  130.0000");
  EXPECT_EQ(Cols(line, 43, 52), "  426.5083");
  EXPECT_EQ(NoGeoidHeightLine("BM 5"), " BM 5      NO PROVIDED GEOID HEIGHT");

  EXPECT_EQ(SeparationElevationHeading(-28.5),
            (Lines{"", "", " GPS DERIVED ELEVATIONS IN FEET - ASSUMED GEOID HEIGHT OF  -28.5000 METERS", "",
                   " STATION                 ELEVATION (M.) ELEVATION (FT.)"}));
  const std::string one = SeparationElevationLine("BM 4", 100.0, 328.08333);
  EXPECT_EQ(one.size(), 47u);
  EXPECT_EQ(Cols(one, 29, 38), "  100.0000");
  EXPECT_EQ(Cols(one, 39, 47), " 328.0833");
}

}  // namespace
}  // namespace korval::netadj
