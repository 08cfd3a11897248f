// TOLCHECK (see run.hpp).
#include "common/session.hpp"
#include "tolcheck/run.hpp"

int main() { return korval::RunMain(korval::tolcheck::Run); }
