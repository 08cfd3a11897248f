#include "look/run.hpp"

namespace korval::look {

void Run(Session& /*session*/) {}

}  // namespace korval::look
