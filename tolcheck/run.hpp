// The TOLCHECK program from its start to its closing line.
#pragma once

#include "common/session.hpp"

namespace korval::tolcheck {

void Run(Session& session);

}  // namespace korval::tolcheck
