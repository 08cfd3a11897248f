// VIEW (see run.hpp).
#include "common/session.hpp"
#include "view/run.hpp"

int main() { return korval::RunMain(korval::view::Run); }
