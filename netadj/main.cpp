// NETADJ: least-squares adjustment of a GPS network (see run.hpp).
#include "common/session.hpp"
#include "netadj/run.hpp"

int main() { return korval::RunMain(korval::netadj::Run); }
