// The TOLCHECK program from its start to its closing line: the positional
// tolerance test of a constrained adjustment. Reads OUT.VEC and INFO.VEC,
// keeps the tolerance in POS.TOL and writes the result to PT.VEC.
#pragma once

#include "common/session.hpp"

namespace korval::tolcheck {

void Run(Session& session);

}  // namespace korval::tolcheck
