#include "circuit/run.hpp"

#include "circuit/layouts.hpp"
#include "circuit/loop_search.hpp"
#include "circuit/manual_loops.hpp"
#include "circuit/project_input.hpp"
#include "circuit/repeated_lines.hpp"
#include "circuit/report.hpp"
#include "circuit/sideshots.hpp"
#include "circuit/tolerance.hpp"
#include "common/stop.hpp"

namespace korval::circuit {

namespace {

[[noreturn]] void StopForMissingInput(Console& console) {
  console.Say(" EITHER INFO.VEC OR VECTOR.COR NOT FOUND - ERROR!");
  Stop(kIncompleteDataClosing);
}

}  // namespace

void Run(Session& session) {
  Console& console = session.console();
  console.Say("COMPUTER PROGRAM CIRCUIT VER. 05-13-99");
  console.Say("KORVAL THE VECTOR SOFTWARE SUITE");
  console.EmptyLine();

  RecordFile* info = session.Open("INFO.VEC", OpenMode::kExisting);
  if (info == nullptr) StopForMissingInput(console);
  RecordFile* work_file = session.Open("TEMP.PPP", OpenMode::kUnknown);
  RecordFile* loop_file = session.Open("LOOP.VEC", OpenMode::kUnknown);
  if (work_file == nullptr || loop_file == nullptr) {
    console.Say(" CANNOT OPEN TEMP.PPP OR LOOP.VEC - STOP");
    Stop(kIncompleteDataClosing);
  }
  Report report(console, *loop_file);

  const Tolerance tolerance = AskTolerance(console);
  WriteToleranceHeading(tolerance, *loop_file);

  Network network;
  ReadVectors(*info, console, network);
  session.Close(info);
  const ComparisonCounts comparisons = CompareRepeatedLines(network, tolerance, report);

  RecordFile* listing = session.Open("VECTOR.COR", OpenMode::kExisting);
  if (listing == nullptr) StopForMissingInput(console);
  WriteComparisonSummary(comparisons, tolerance, report);
  ReadGridCoordinates(*listing, network);
  session.Close(listing);

  RemoveMergedVectors(network);
  RemoveSideshots(network, report);
  RunTotals totals;
  FindLoops(network, tolerance, totals, report);

  RunManualClosures(network, totals, report, *work_file);
  FinishWithTotals(totals, report);
}

}  // namespace korval::circuit
