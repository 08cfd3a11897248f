// LOOK (see run.hpp).
#include "common/session.hpp"
#include "look/run.hpp"

int main() { return korval::RunMain(korval::look::Run); }
