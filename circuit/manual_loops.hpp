// Loops that the user walks station by station, each with a full closure
// report (closure per component, error estimate, test number), and the totals
// over every loop of the run that end the program.
#pragma once

#include "circuit/loop_closure.hpp"
#include "circuit/network.hpp"
#include "circuit/report.hpp"
#include "common/record_file.hpp"

namespace korval::circuit {

// Longest manual loop and longest candidate list.
inline constexpr size_t kMaxManualLoopStations = 50;
inline constexpr size_t kMaxCandidates = 50;

// Floor of the linear closure of a manual loop, metres.
inline constexpr double kManualClosureFloor = 0.0001;

// Asks for loops until the user answers the start prompt with a blank name.
// Each loop completed is reported to LOOP.VEC and the console and added to
// the totals. `work_file` (TEMP.PPP) carries each typed choice to the number
// reader.
void RunManualClosures(const Network& network, RunTotals& totals, Report& report, RecordFile& work_file);

// Writes the totals over every loop of the run and stops with
// "SUCCESSFUL PROGRAM TERMINATION"; with no loop at all, stops without them.
[[noreturn]] void FinishWithTotals(const RunTotals& totals, Report& report);

// The stations that may follow the walked `loop` (its stations so far), each
// with the vector that leads there, in vector-table order.
struct Candidate {
  int station = 0;
  int vector = 0;
};
std::vector<Candidate> CandidatesAfter(const Network& network, const std::vector<int>& loop);

}  // namespace korval::circuit
