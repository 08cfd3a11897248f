#include "circuit/run.hpp"

namespace korval::circuit {

void Run(Session& /*session*/) {}

}  // namespace korval::circuit
