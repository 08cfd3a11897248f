#include "tolcheck/run.hpp"

#include <string>
#include <vector>

#include "tolcheck/adjusted_stations.hpp"
#include "tolcheck/control_names.hpp"
#include "tolcheck/tolerance.hpp"
#include "tolcheck/tolerance_dialogue.hpp"
#include "tolcheck/tolerance_listing.hpp"

namespace korval::tolcheck {

namespace {

// The closing line of every run that gets past its start, spelt as the
// program has always written it.
constexpr std::string_view kClosingText = "END OF GPS POSITIONAL TOLERANCE ANALYIS";

constexpr std::string_view kNoInput = " NO OUT.VEC OR INFO.VEC SO NO POSITIONAL TOLERANCE";
constexpr std::string_view kRefusalFirst = " ERROR - NO POSITIONAL TOLERANCE ALLOWED FROM ";
constexpr std::string_view kRefusalSecond = " MINIMALLY CONSTRAINED ADJUSTMENTS - STOP";
constexpr std::string_view kTooManyStations = " MORE THAN 3000 STATIONS IN OUT.VEC - STOP";
constexpr std::string_view kNoListing = " PT.VEC CANNOT BE OPENED - STOP";

[[noreturn]] void NormalEnd() { Stop(kClosingText); }

// Nothing to test from: the message, then the normal end.
[[noreturn]] void FailureEnd(Session& session, RecordFile*& info_vec) {
  session.console().Say(kNoInput);
  session.Close(info_vec);
  NormalEnd();
}

void WriteBanner(Console& console) {
  console.Say(" COMPUTER PROGRAM TOLCHECK (POSITIONAL TOLERANCE ANALYSIS)");
  console.Say(" FOR KORVAL THE VECTOR VER. 05-10-99");
  console.EmptyLine();
}

// The tolerance stored in POS.TOL, shown and perhaps changed by the user,
// and stored again.
Tolerance SettleTolerance(Session& session) {
  RecordFile* stored = session.Open("POS.TOL", OpenMode::kUnknown);
  const Tolerance tolerance = AskTolerance(session.console(), stored ? ReadStoredTolerance(*stored) : Tolerance{});
  if (stored) {
    StoreTolerance(*stored, tolerance);
    session.Close(stored);
  }
  return tolerance;
}

}  // namespace

void Run(Session& session) {
  Console& console = session.console();
  RecordFile* report = session.Open("OUT.VEC", OpenMode::kExisting);
  RecordFile* info_vec = session.Open("INFO.VEC", OpenMode::kExisting);
  if (report == nullptr || info_vec == nullptr) FailureEnd(session, info_vec);
  RecordFile* listing = session.Open("PT.VEC", OpenMode::kUnknown);
  if (listing == nullptr) {
    console.Say(kNoListing);
    NormalEnd();
  }

  WriteBanner(console);
  const Tolerance tolerance = SettleTolerance(session);

  std::vector<std::string> control_names;
  if (ReadControlNames(*info_vec, control_names) != ControlSection::kComplete) FailureEnd(session, info_vec);
  session.Close(info_vec);

  if (IsMinimallyConstrained(*report)) {
    for (std::string_view line : {kRefusalFirst, kRefusalSecond}) {
      console.Say(line);
      listing->WriteLine(line);
    }
    NormalEnd();
  }

  AdjustedStations stations;
  switch (ReadAdjustedStations(*report, control_names, stations)) {
    case StationList::kRead:
      break;
    case StationList::kNoHeading:
      FailureEnd(session, info_vec);
    case StationList::kTooManyStations:
      console.Say(kTooManyStations);
      NormalEnd();
  }

  WriteToleranceListing(*listing, console, tolerance, stations);
  NormalEnd();
}

}  // namespace korval::tolcheck
