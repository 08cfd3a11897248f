#include "netadj/run.hpp"

#include <string>
#include <string_view>

#include "common/stop.hpp"
#include "netadj/band_solver.hpp"
#include "netadj/connectivity.hpp"
#include "netadj/elevations.hpp"
#include "netadj/network.hpp"
#include "netadj/ordering.hpp"
#include "netadj/parameters.hpp"
#include "netadj/project_file.hpp"
#include "netadj/report.hpp"
#include "netadj/robust.hpp"
#include "netadj/state_plane.hpp"
#include "netadj/statistics.hpp"

namespace korval::netadj {

namespace {

constexpr std::string_view kBanner = "COMPUTER PROGRAM \"KORVAL THE VECTOR\" VER. 1.02 04-10-99";

// Opens a file the run cannot do without; stops with `failure` on the console
// when it cannot be opened.
RecordFile& OpenOrStop(Session& session, std::string_view name, OpenMode mode, std::string_view failure) {
  RecordFile* file = session.Open(name, mode);
  if (file == nullptr) {
    session.console().Say(failure);
    Stop();
  }
  return *file;
}

void WriteToBoth(RecordFile& report, Console& console, const Lines& lines) {
  WriteLines(report, lines);
  WriteLines(console, lines);
}

const std::string& NameOf(const Network& network, int station) {
  return network.stations[static_cast<size_t>(station)].name;
}

// The vector residual lines, the network precision and the statistical tests
// of one pass, and the control residuals when all control is used.
void WriteStatistics(RecordFile& report, Console& console, const Network& network, const PassStatistics& stats,
                     bool minimally_constrained) {
  WriteLines(report, ResultsHeading());
  WriteLines(report, VectorResidualHeading());
  for (size_t m = 0; m < network.vectors.size(); ++m) {
    const Vector& v = network.vectors[m];
    report.WriteLine(VectorResidualLine(NameOf(network, v.from), NameOf(network, v.to), stats.vectors[m]));
  }

  std::string largest_from, largest_to;
  if (stats.precision.largest_vector >= 0) {
    const Vector& largest = network.vectors[static_cast<size_t>(stats.precision.largest_vector)];
    largest_from = NameOf(network, largest.from);
    largest_to = NameOf(network, largest.to);
  }
  WriteToBoth(report, console, PrecisionBlock(stats.precision, largest_from, largest_to));
  WriteToBoth(report, console, UnitWeightBlock(stats.sigma0, stats.degrees_of_freedom));
  WriteLines(report, ChiSquareBlock(stats.sigma0, stats.chi_square));
  WriteLines(report, MultiplierBlock(stats.degrees_of_freedom, stats.multiplier));

  if (minimally_constrained) return;
  WriteLines(report, ControlResidualHeading());
  for (size_t k = 0; k < network.control.size(); ++k) {
    report.WriteLine(ControlResidualLine(NameOf(network, network.control[k].station), stats.control[k]));
  }
}

// The station list of a pass with its 95 % error estimates, and VECTOR.GEO
// rewritten with the same positions. Keeps each station's latitude and west
// longitude for the state plane step.
void WriteStations(Session& session, RecordFile& report, Network& network, double multiplier, int datum) {
  WriteLines(report, StationHeading());
  RecordFile* positions = &OpenOrStop(session, "VECTOR.GEO", OpenMode::kUnknown, " VECTOR.GEO CANNOT BE OPENED - STOP");
  for (Station& s : network.stations) {
    const StationEstimate estimate = EstimateStation(s, multiplier, datum);
    s.latitude = estimate.latitude;
    s.longitude_west = -estimate.longitude;
    positions->WriteLine(PositionRecord(s.name, estimate));
    WriteLines(report, StationBlock(s.name, estimate));
  }
  positions->TruncateHere();
  session.Close(positions);
}

// One adjustment pass with the current weights: the three component
// solutions, the statistics and the station list.
void AdjustPass(Session& session, RecordFile& report, Network& network, const BandInfo& band, int datum,
                bool minimally_constrained) {
  for (const Component component : {Component::kX, Component::kY, Component::kZ}) {
    AdjustComponent(session, report, network, component, band, minimally_constrained);
  }

  const PassStatistics stats = EvaluatePass(network, datum, minimally_constrained);
  WriteStatistics(report, session.console(), network, stats, minimally_constrained);

  // The solver's standard errors are those of unit weight.
  for (Station& s : network.stations) {
    s.sx *= stats.sigma0;
    s.sy *= stats.sigma0;
    s.sz *= stats.sigma0;
  }
  WriteStations(session, report, network, stats.multiplier, datum);
}

// The elevation section asked for by the parameters, if any.
void WriteElevations(Session& session, RecordFile& report, Network& network, const Parameters& parameters) {
  if (parameters.elevation == 2) {
    RecordFile* geoid_out = session.Open("GEOID.OUT", OpenMode::kExisting);
    if (geoid_out == nullptr) {
      constexpr std::string_view kMissing = " GEOID.OUT NOT FOUND - NO ELEVATIONS COMPUTED";
      session.console().Say(kMissing);
      report.WriteLine(kMissing);
      Stop();
    }
    ReadGeoidHeights(*geoid_out, network);
    session.Close(geoid_out);
    WriteLines(report, GeoidElevationSection(network, parameters.datum));
  } else if (parameters.elevation == 3 && parameters.separation != 0.0) {
    WriteLines(report, SeparationElevationSection(network, parameters.datum, parameters.separation));
  }
}

}  // namespace

void Run(Session& session) {
  Console& console = session.console();
  console.Say(kBanner);
  console.EmptyLine();

  RecordFile& temp_ppp = OpenOrStop(session, "TEMP.PPP", OpenMode::kUnknown, " TEMP.PPP CANNOT BE OPENED - STOP");
  const Parameters parameters = SettleParameters(session, temp_ppp);
  RecordFile& report = OpenOrStop(session, "OUT.VEC", OpenMode::kUnknown, " OUT.VEC CANNOT BE OPENED - STOP");
  RecordFile* info_vec = &OpenOrStop(session, "INFO.VEC", OpenMode::kExisting, " INFO.VEC NOT FOUND - STOP");

  const bool minimally_constrained = parameters.constraint != 2;
  WriteLines(report, DatumLines(parameters.datum));
  if (minimally_constrained) WriteLines(report, MinimallyConstrainedLines());

  Network network;
  network.stations.reserve(kMaxStations);
  network.control.reserve(kMaxControlPoints);
  network.vectors.reserve(kMaxVectors);
  ReadProjectFile(session, *info_vec, parameters.datum, network);
  session.Close(info_vec);

  const BandInfo band = OrderStations(session, network, temp_ppp, report);
  CheckConnectionToControl(session, network, minimally_constrained, report);
  WriteToBoth(report, console,
              NetworkSizeBlock(static_cast<int>(network.control.size()), static_cast<int>(network.stations.size()),
                               static_cast<int>(network.vectors.size()), band.terms));

  for (;;) {
    AdjustPass(session, report, network, band, parameters.datum, minimally_constrained);
    if (parameters.robust != 2) break;
    if (!OfferRobustReweighting(console, report, network, minimally_constrained)) break;
  }

  if (parameters.state_plane == 2) {
    StatePlaneListing(session, report, network, parameters.datum, parameters.zone, parameters.units);
  }
  WriteElevations(session, report, network, parameters);
}

}  // namespace korval::netadj
