// Fuzzes the adjustment parameters: KORVAL.INF as loaded, the menu and its
// dialogues driven by the answers, and the zone list TABLE.DAT shown by the
// zone dialogue. The settled parameters are always in their ranges, the file
// written back reads as what was settled, and nothing non-finite is written.
//
// Input: KORVAL.INF, then the console answers, then optionally TABLE.DAT (the
// installed copy when absent), separated by the byte 0x1e.
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.hpp"
#include "netadj/parameters.hpp"

namespace {

using namespace korval;

void Require(bool condition) {
  if (!condition) std::abort();
}

void RequireInRange(const netadj::Parameters& p) {
  Require(p.datum == 1 || p.datum == 2);
  Require(p.constraint == 1 || p.constraint == 2);
  Require(p.robust == 1 || p.robust == 2);
  Require(p.state_plane == 1 || p.state_plane == 2);
  Require(p.state_plane == 1 ? p.zone == 0 : p.zone >= 1);
  Require(p.units >= 1 && p.units <= 4);
  Require(p.elevation >= 1 && p.elevation <= 3);
  Require(std::isfinite(p.separation));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static fuzz::FuzzProject project;
  const std::string_view text = fuzz::AsText(data, size);
  const std::vector<std::string_view> pieces = fuzz::SplitPieces(text, 3);
  project.Reset();
  project.Write("KORVAL.INF", pieces[0]);
  if (!pieces[2].empty()) project.Write("TABLE.DAT", pieces[2]);

  bool settled = false;
  const int status = project.Run(
      [&](Session& session) {
        RecordFile* temp_ppp = session.OpenScratch();
        const netadj::Parameters p = netadj::SettleParameters(session, *temp_ppp);
        RequireInRange(p);
        settled = true;
      },
      pieces[1], {"KORVAL.INF"}, !fuzz::CarriesNonFiniteText(text));
  if (settled) Require(status == 0);

  // A second run with an empty answer accepts what the first one stored: the
  // file keeps the values it was written with. (A value too wide for its
  // columns is stored as asterisks and read back as the default.)
  if (!settled) return 0;
  const std::string stored = [&] {
    const auto file = RecordFile::Open(project.dir() / "KORVAL.INF", OpenMode::kExisting);
    return file && file->size() > 0 ? file->lines().front() : std::string();
  }();
  if (stored.find('*') != std::string::npos) return 0;
  project.Run(
      [&](Session& session) {
        RecordFile* temp_ppp = session.OpenScratch();
        const netadj::Parameters again = netadj::SettleParameters(session, *temp_ppp);
        RequireInRange(again);
      },
      "\n", {"KORVAL.INF"}, !fuzz::CarriesNonFiniteText(text));
  const auto file = RecordFile::Open(project.dir() / "KORVAL.INF", OpenMode::kExisting);
  Require(file && file->size() == 1 && file->lines().front() == stored);
  return 0;
}
