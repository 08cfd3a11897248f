// The CIRCUIT program from its start to its closing line.
#pragma once

#include "common/session.hpp"

namespace korval::circuit {

void Run(Session& session);

}  // namespace korval::circuit
