// CIRCUIT (see run.hpp).
#include "common/session.hpp"
#include "circuit/run.hpp"

int main() { return korval::RunMain(korval::circuit::Run); }
