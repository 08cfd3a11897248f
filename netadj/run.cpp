#include "netadj/run.hpp"

namespace korval::netadj {

void Run(Session& session) {
  session.console().Say("COMPUTER PROGRAM \"KORVAL THE VECTOR\" VER. 1.02 04-10-99");
  session.console().EmptyLine();
}

}  // namespace korval::netadj
