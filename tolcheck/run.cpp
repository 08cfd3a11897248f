#include "tolcheck/run.hpp"

namespace korval::tolcheck {

void Run(Session& /*session*/) {}

}  // namespace korval::tolcheck
