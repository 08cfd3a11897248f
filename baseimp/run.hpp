// The BASEIMP program from its start to its closing line.
//
// Appends the baselines of Geodimeter GPS baseline reports, as vector records,
// to a project vector file that the user names, and logs the reports it
// handled in REPORT.
#pragma once

#include "common/session.hpp"

namespace korval::baseimp {

void Run(Session& session);

}  // namespace korval::baseimp
