// RAWIMP (see run.hpp).
#include "common/session.hpp"
#include "rawimp/run.hpp"

int main() { return korval::RunMain(korval::rawimp::Run); }
