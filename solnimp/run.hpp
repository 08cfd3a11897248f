// The SOLNIMP program from its start to its closing line.
#pragma once

#include "common/session.hpp"

namespace korval::solnimp {

void Run(Session& session);

}  // namespace korval::solnimp
