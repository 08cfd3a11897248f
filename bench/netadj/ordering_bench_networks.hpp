// The largest network of the adjustment (3,000 stations, 700 control points,
// 9,899 vectors over an area twice as long as wide), written by
// tools/make_network.py in random order or in the order of a field sweep, and
// read with the program's own reader.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <string>

#include "common/session.hpp"
#include "geodesy/ellipsoid.hpp"
#include "netadj/network.hpp"
#include "netadj/project_file.hpp"

namespace korval::netadj::bench {

inline Network LoadGeneratedNetwork(const std::string& order) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("korval-bench-" + order);
  std::filesystem::create_directories(folder);
  const std::filesystem::path file = folder / "INFO.VEC";
  if (!std::filesystem::exists(file)) {
    const std::string command = "python3 '" KORVAL_SOURCE_DIR "/tools/make_network.py' --order " + order +
                                " --output '" + file.string() + "'";
    if (std::system(command.c_str()) != 0) throw std::runtime_error("could not run " + command);
  }
  Network network;
  std::istringstream in;
  std::ostringstream out;
  const int status = RunProgram(in, out, folder, [&](Session& session) {
    RecordFile* info_vec = session.Open("INFO.VEC", OpenMode::kExisting);
    if (info_vec == nullptr) throw std::runtime_error("no INFO.VEC in " + folder.string());
    ReadProjectFile(session, *info_vec, geodesy::kNad83, network);
  });
  if (status != 0) throw std::runtime_error("reading the generated network failed: " + out.str());
  return network;
}

}  // namespace korval::netadj::bench
