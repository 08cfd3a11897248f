// The RAWIMP program from its start to its closing line.
//
// Turns the GPS records of one or more data collector raw files (.RW5) into
// vectors from the base to each surveyed point, added to INFO.VEC with
// standard deviations from an error model that the user enters.
#pragma once

#include "common/session.hpp"

namespace korval::rawimp {

void Run(Session& session);

}  // namespace korval::rawimp
