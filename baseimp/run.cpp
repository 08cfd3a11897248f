#include "baseimp/run.hpp"

namespace korval::baseimp {

void Run(Session& /*session*/) {}

}  // namespace korval::baseimp
