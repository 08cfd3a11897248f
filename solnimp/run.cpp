#include "solnimp/run.hpp"

namespace korval::solnimp {

void Run(Session& /*session*/) {}

}  // namespace korval::solnimp
