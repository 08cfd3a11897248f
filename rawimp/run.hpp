// The RAWIMP program from its start to its closing line.
#pragma once

#include "common/session.hpp"

namespace korval::rawimp {

void Run(Session& session);

}  // namespace korval::rawimp
