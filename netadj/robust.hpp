// Robust re-weighting between adjustment passes.
//
// After a pass the user may move every standard deviation halfway towards the
// size of its last residual, for the vectors and (in a constrained adjustment)
// for the control coordinates, and adjust again. There is no threshold and no
// limit on the number of passes: the user's answers decide.
#pragma once

#include "common/console.hpp"
#include "common/record_file.hpp"
#include "netadj/network.hpp"

namespace korval::netadj {

// The weight 1/s'^2 of a component after re-weighting, with
// s' = (|residual| + s) / 2 and s = 1/sqrt(weight) its current standard
// deviation (metres).
double RobustWeight(double weight, double residual);

// Re-weights every component of every vector with its residual of the
// current adjusted coordinates (adjusted minus observed).
void ReweightVectors(Network& network);

// Re-weights every component of every control point with its residual of the
// current adjusted coordinates (control minus adjusted).
void ReweightControl(Network& network);

// Asks the robust questions on the console, re-weights as answered and notes
// each re-weighting in the report. True when another pass follows. The
// control question is asked only in a constrained adjustment.
bool OfferRobustReweighting(Console& console, RecordFile& report, Network& network, bool minimally_constrained);

}  // namespace korval::netadj
