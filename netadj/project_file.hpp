// Reading the project vector file INFO.VEC for the adjustment.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "common/record_file.hpp"
#include "common/session.hpp"
#include "netadj/network.hpp"

namespace korval::netadj {

// Reads the control section and the vector section of `info_vec` into
// `network` with every reading rule and limit; control positions become X, Y, Z
// on `datum`; standard deviations become weights. Stops the program (with its
// console message) on a limit or on the end of the file inside the control
// section.
void ReadProjectFile(Session& session, RecordFile& info_vec, int datum, Network& network);

// Number of the first station named `name`; a new name is appended. A 3,001st
// station stops the program.
int FindStation(Session& session, Network& network, std::string_view name);

// The first station of each name, for the lookup of many vector ends: the
// same answers as the search from station 1 upwards, without the search.
using StationIndex = std::unordered_map<std::string, int>;
int FindStation(Session& session, Network& network, StationIndex& index, std::string_view name);

}  // namespace korval::netadj
