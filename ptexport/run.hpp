// The PTEXPORT program from its start to its closing line: the coordinate
// export. Gathers the adjusted positions and elevations of OUT.VEC and the
// state plane coordinates of VECTOR.COR, asks for the file name, delimiter,
// unit, decimals and layout, and writes the coordinate file.
#pragma once

#include "common/session.hpp"

namespace korval::ptexport {

void Run(Session& session);

}  // namespace korval::ptexport
