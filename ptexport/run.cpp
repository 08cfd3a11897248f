#include "ptexport/run.hpp"

#include "ptexport/export_dialogue.hpp"
#include "ptexport/export_writer.hpp"
#include "ptexport/grid_input.hpp"
#include "ptexport/report_input.hpp"
#include "ptexport/station_table.hpp"

namespace korval::ptexport {

namespace {

constexpr std::string_view kTooManyStations = " MORE THAN 8000 STATIONS - STOP";

void StopWhenFull(Console& console, Reading reading) {
  if (reading != Reading::kTableFull) return;
  console.Say(kTooManyStations);
  Stop();
}

void ReadReport(Session& session, StationTable& table) {
  RecordFile* report = session.Open("OUT.VEC", OpenMode::kExisting);
  if (report == nullptr) {
    session.console().Say("NO OUT.VEC TO GET GEODETIC COORDINATES");
    return;
  }
  const Reading positions = ReadAdjustedPositions(*report, table);
  StopWhenFull(session.console(), positions);
  if (positions == Reading::kDone) StopWhenFull(session.console(), ReadElevations(*report, table));
  session.Close(report);
}

void ReadGridListing(Session& session, StationTable& table) {
  RecordFile* listing = session.Open("VECTOR.COR", OpenMode::kExisting);
  if (listing == nullptr) {
    session.console().Say("NO VECTOR.COR TO GET STATE PLANE COORDINATES");
    return;
  }
  StopWhenFull(session.console(), ReadGridCoordinates(*listing, table));
  session.Close(listing);
}

}  // namespace

void Run(Session& session) {
  Console& console = session.console();
  console.Say("PROGRAM PTEXPORT FOR KORVAL THE VECTOR VER. 12-15-00");

  StationTable table;
  ReadReport(session, table);
  ReadGridListing(session, table);

  RecordFile* output = AskCoordinateFile(session);
  ExportChoice choice = AskExportChoice(console);
  ConvertUnits(table, choice.unit_factor);
  if (choice.decimals == Decimals::kThree) RaiseForThreeDecimals(table);
  choice.layout = AskLayout(console);

  WriteCoordinateFile(*output, table, choice);
  session.Close(output);
}

}  // namespace korval::ptexport
