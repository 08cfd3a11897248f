#include "rawimp/run.hpp"

namespace korval::rawimp {

void Run(Session& /*session*/) {}

}  // namespace korval::rawimp
