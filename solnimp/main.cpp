// SOLNIMP (see run.hpp).
#include "common/session.hpp"
#include "solnimp/run.hpp"

int main() { return korval::RunMain(korval::solnimp::Run); }
