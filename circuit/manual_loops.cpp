#include "circuit/manual_loops.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "circuit/layouts.hpp"
#include "common/fields.hpp"
#include "common/stop.hpp"

namespace korval::circuit {

namespace {

constexpr std::string_view kCouldNotComplete = " SORRY - COULD NOT COMPLETE LOOP CLOSURE";
constexpr std::string_view kLoopTooLong = " LOOP TOO LONG - COULD NOT COMPLETE LOOP CLOSURE";

// The running sums of a manual loop.
struct ManualLoop {
  std::vector<int> stations;
  std::array<double, 3> sum{};           // signed sums of DX, DY, DZ, metres
  std::array<double, 3> squared_error{};  // sums of SX^2, SY^2, SZ^2, square metres
  double length = 0;                      // metres

  void Add(const Vector& vector, int station_walked_to) {
    const double sign = vector.from == station_walked_to ? -1.0 : 1.0;
    for (int c = 0; c < 3; ++c) {
      sum[c] += sign * vector.d[c];
      squared_error[c] += vector.sigma[c] * vector.sigma[c];
    }
    length += Length(vector.d);
    stations.push_back(station_walked_to);
  }
};

// Turns a typed choice into a whole number the way every number of the suite
// is read: written to the work file, read back free-format.
std::optional<long long> ReadChoiceNumber(const std::string& answer, RecordFile& work_file) {
  work_file.Rewind();
  work_file.WriteLine(answer);
  work_file.Rewind();
  std::array<double, 1> value{0};
  const std::array<ListKind, 1> kinds{ListKind::kInteger};
  const ListResult result = work_file.ReadList(value, kinds);
  work_file.Rewind();
  if (result.status != ListStatus::kOk || result.assigned != 1) return std::nullopt;
  return static_cast<long long>(value[0]);
}

// Shows the candidates until the user picks one (its index) or leaves with Q
// (nothing).
std::optional<size_t> AskNextStation(const Network& network, const std::vector<Candidate>& candidates,
                                     Console& console, RecordFile& work_file) {
  for (;;) {
    console.Say(" PICK NEXT STATION IN LOOP");
    for (size_t k = 0; k < candidates.size(); ++k) {
      console.Write(kCandidateLine, {static_cast<long long>(k + 1), network.NameOf(candidates[k].station)});
    }
    console.Say(" PICK A # (ENTER Q TO LEAVE THIS COMPUTATION <1>");
    const std::string answer = console.ReadAnswer();
    const std::string trimmed = TrimRight(answer);
    if (trimmed.empty()) return 0;
    if (trimmed == "Q" || trimmed == "q") return std::nullopt;
    const std::optional<long long> number = ReadChoiceNumber(answer, work_file);
    if (number && *number >= 1 && *number <= static_cast<long long>(candidates.size())) {
      return static_cast<size_t>(*number - 1);
    }
  }
}

void ReportLoop(const Network& network, const ManualLoop& loop, RunTotals& totals, Report& report) {
  const double closure = std::max(Length(loop.sum), kManualClosureFloor);
  const double one_in = loop.length / closure;
  const double ppm = closure / loop.length * 1000000.0;
  ++totals.loops;
  totals.length += loop.length;
  totals.closure += closure;

  report.FileThenConsole("");
  report.FileThenConsole(" **** IDENTIFIED LOOP CLOSURE");
  report.FileThenConsole(" STATIONS");
  for (const int station : loop.stations) report.ConsoleThenFile(kStationLine, {network.NameOf(station)});

  report.FileThenConsole("");
  report.FileThenConsole(kClosureHeading);
  constexpr std::array<char, 3> kAxes{'X', 'Y', 'Z'};
  for (int c = 0; c < 3; ++c) {
    const double error = std::sqrt(loop.squared_error[c]);
    report.FileThenConsole(kComponentLine, {kAxes[c], loop.sum[c], error, std::fabs(loop.sum[c]) / error});
  }
  report.FileThenConsole("");
  report.FileThenConsole(kLinearErrorLine, {closure});
  report.FileThenConsole(kLoopDistanceLine, {loop.length});
  report.FileThenConsole(kPrecisionLine, {ppm, one_in});
}

// Walks one loop from `start`; reports it when it closes.
void WalkLoop(const Network& network, int start, RunTotals& totals, Report& report, RecordFile& work_file) {
  Console& console = report.console();
  ManualLoop loop;
  loop.stations.push_back(start);
  for (;;) {
    const std::vector<Candidate> candidates = CandidatesAfter(network, loop.stations);
    if (candidates.size() > kMaxCandidates) {
      console.Say(kLoopTooLong);
      return;
    }
    if (candidates.empty()) {
      console.Say(kCouldNotComplete);
      return;
    }
    size_t pick = 0;
    if (candidates.size() > 1) {
      const std::optional<size_t> chosen = AskNextStation(network, candidates, console, work_file);
      if (!chosen) {
        console.Say(kCouldNotComplete);
        return;
      }
      pick = *chosen;
    }
    if (loop.stations.size() >= kMaxManualLoopStations) {
      console.Say(kLoopTooLong);
      return;
    }
    const Candidate& next = candidates[pick];
    loop.Add(network.vectors[next.vector], next.station);
    if (next.station == start) {
      ReportLoop(network, loop, totals, report);
      return;
    }
  }
}

}  // namespace

std::vector<Candidate> CandidatesAfter(const Network& network, const std::vector<int>& loop) {
  const int current = loop.back();
  const int start = loop.front();
  std::vector<Candidate> candidates;
  for (size_t v = 0; v < network.vectors.size(); ++v) {
    const Vector& vector = network.vectors[v];
    int other;
    if (vector.from == current) {
      other = vector.to;
    } else if (vector.to == current) {
      other = vector.from;
    } else {
      continue;
    }
    if (loop.size() == 2 && other == start) continue;  // no loop of two vectors
    if (std::find(loop.begin() + 1, loop.end(), other) != loop.end()) continue;
    candidates.push_back(Candidate{other, static_cast<int>(v)});
  }
  return candidates;
}

void RunManualClosures(const Network& network, RunTotals& totals, Report& report, RecordFile& work_file) {
  Console& console = report.console();
  console.EmptyLine();
  console.Say(" BEGINNING MANUAL ENTRY LOOP CLOSURE COMPUTATIONS");
  console.EmptyLine();
  for (;;) {
    console.Say(" LOOP CLOSURE COMPUTATIONS");
    console.Say(" INPUT A BEGINNING STATION  (ENTER IF FINISHED)");
    const std::string name = FormatText(console.ReadAnswer(), 8);
    if (TrimRight(name).empty()) return;
    const std::optional<int> start = network.FindStation(name);
    if (!start) {
      console.Say(" STATION NOT FOUND - TRY AGAIN");
      console.Say(kCouldNotComplete);
      continue;
    }
    WalkLoop(network, *start, totals, report, work_file);
  }
}

void FinishWithTotals(const RunTotals& totals, Report& report) {
  if (totals.loops == 0) Stop();
  const double one_in = totals.length / totals.closure;
  const double ppm = totals.closure / totals.length * 1000000.0;
  report.FileThenConsole("");
  report.FileThenConsole(kTotalsRule);
  report.FileThenConsole("");
  report.FileThenConsole(kTotalDistanceLine, {totals.length});
  report.FileThenConsole(kOverallPrecisionLine, {ppm, one_in});
  Stop("SUCCESSFUL PROGRAM TERMINATION");
}

}  // namespace korval::circuit
