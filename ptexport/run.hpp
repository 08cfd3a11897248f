// The PTEXPORT program from its start to its closing line.
#pragma once

#include "common/session.hpp"

namespace korval::ptexport {

void Run(Session& session);

}  // namespace korval::ptexport
