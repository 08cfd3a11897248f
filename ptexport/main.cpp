// PTEXPORT (see run.hpp).
#include "common/session.hpp"
#include "ptexport/run.hpp"

int main() { return korval::RunMain(korval::ptexport::Run); }
