// Normal equations of one coordinate component in band storage, their band
// Cholesky factorisation, solution and the diagonal of their inverse.
#pragma once

#include "netadj/network.hpp"
#include "netadj/ordering.hpp"

namespace korval::netadj {

// Adjusts one component of the whole network: writes that component's
// adjusted coordinate and unscaled standard error into every station.
void AdjustComponent(Network& network, Component component, const BandInfo& band, bool minimally_constrained);

}  // namespace korval::netadj
