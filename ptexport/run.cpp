#include "ptexport/run.hpp"

namespace korval::ptexport {

void Run(Session& /*session*/) {}

}  // namespace korval::ptexport
