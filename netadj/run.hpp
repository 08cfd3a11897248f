// The adjustment program from its banner to its closing line.
#pragma once

#include "common/session.hpp"

namespace korval::netadj {

void Run(Session& session);

}  // namespace korval::netadj
