// The LOOK program from its start to its closing line.
#pragma once

#include "common/session.hpp"

namespace korval::look {

void Run(Session& session);

}  // namespace korval::look
