// The VIEW program from its start to its closing line.
#pragma once

#include "common/session.hpp"

namespace korval::view {

void Run(Session& session);

}  // namespace korval::view
