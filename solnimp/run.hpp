// The SOLNIMP program from its start to its closing line.
//
// Turns the text report of an online positioning solution into a control
// record for each reference station and a vector from each reference station to
// the solved station: writes them to OPUS.VEC and merges them into INFO.VEC.
#pragma once

#include "common/session.hpp"

namespace korval::solnimp {

void Run(Session& session);

}  // namespace korval::solnimp
