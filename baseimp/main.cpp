// BASEIMP (see run.hpp).
#include "common/session.hpp"
#include "baseimp/run.hpp"

int main() { return korval::RunMain(korval::baseimp::Run); }
