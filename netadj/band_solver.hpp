// Normal equations of one coordinate component in band storage, their band
// Cholesky factorisation, solution and the diagonal of their inverse.
#pragma once

#include "common/record_file.hpp"
#include "common/session.hpp"
#include "netadj/band_matrix.hpp"
#include "netadj/network.hpp"
#include "netadj/ordering.hpp"

namespace korval::netadj {

// How the diagonal of the inverse is obtained: from the band of the inverse
// (the program's way) or by one triangular solve per row (the reference).
enum class DiagonalMethod { kBandOfInverse, kSolvePerRow };

// The normal equations of `component` in `system`: every vector, and the
// control (every control point with its own weight, or only the first one with
// the weight 1.0e6 when minimally constrained).
void FormNormalEquations(const Network& network, Component component, const BandInfo& band,
                         bool minimally_constrained, BandSystem& system);

// Forms the normal equations of `component` (vectors, and control: every
// control point with its own weight, or only the first one with the weight
// 1.0e6 when minimally constrained), solves them in `system` and writes that
// component's adjusted coordinate and unscaled standard error into every
// station. Returns -1; or, when the equations are singular (a pivot vanishes
// or a result is not finite), the number of the first station concerned, and
// then no station is changed.
int SolveComponent(Network& network, Component component, const BandInfo& band, bool minimally_constrained,
                   BandSystem& system, DiagonalMethod method = DiagonalMethod::kBandOfInverse);

// SolveComponent in a work area that lives for the whole run (the three
// components and every pass share it). Singular equations stop the program
// with "NETWORK CANNOT BE ADJUSTED - PREMATURE STOP".
void AdjustComponent(Network& network, Component component, const BandInfo& band, bool minimally_constrained);

// The same, and before the stop " *** STATION <name> MAKES THE NORMAL
// EQUATIONS SINGULAR" on the console and in `report`.
void AdjustComponent(Session& session, RecordFile& report, Network& network, Component component,
                     const BandInfo& band, bool minimally_constrained);

// The closing text of a network that cannot be adjusted.
inline constexpr std::string_view kCannotAdjust = "NETWORK CANNOT BE ADJUSTED - PREMATURE STOP";

}  // namespace korval::netadj
