#include "view/run.hpp"

namespace korval::view {

void Run(Session& /*session*/) {}

}  // namespace korval::view
