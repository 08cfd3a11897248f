// The BASEIMP program from its start to its closing line.
#pragma once

#include "common/session.hpp"

namespace korval::baseimp {

void Run(Session& session);

}  // namespace korval::baseimp
