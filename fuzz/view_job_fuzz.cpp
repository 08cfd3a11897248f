// Fuzzes the viewer's readings: the job name of TEMP.JOB, the job file
// VECTOR.LSA, the state plane listing VECTOR.COR and the datum of KORVAL.INF,
// then the picture drawn from them. No crash, no hang, no NaN or Inf in the
// picture, and a job name that can only name a file of the project directory.
//
// Input: TEMP.JOB, VECTOR.LSA, VECTOR.COR and KORVAL.INF, separated by the
// byte 0x1e.
#include <cstdlib>
#include <string>
#include <vector>

#include "common/grid_positions.hpp"
#include "fuzz/fuzz_support.hpp"
#include "view/grid_unit.hpp"
#include "view/job_reader.hpp"
#include "view/network.hpp"
#include "view/svg_picture.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace korval;
  const std::string_view text = fuzz::AsText(data, size);
  const std::vector<std::string_view> pieces = fuzz::SplitPieces(text, 4);
  const bool check_output = !fuzz::CarriesNonFiniteText(text);

  const auto job_name_file = fuzz::MemoryFile(pieces[0]);
  const std::optional<std::string> job_name = view::ReadJobName(*job_name_file);
  if (job_name) {
    // The name becomes a file name of the project directory.
    if (job_name->empty() || job_name->find('/') != std::string::npos) std::abort();
    (void)JobFileName(*job_name, "SVG");
  }

  const auto job_file = fuzz::MemoryFile(pieces[1]);
  const view::ViewJob job = view::ReadViewJob(*job_file);
  const auto listing_file = fuzz::MemoryFile(pieces[2]);
  const GridPositions listing = GridPositions::Read(*listing_file);
  const auto parameters = fuzz::MemoryFile(pieces[3]);
  const view::GridUnit unit = view::GridUnitOfDatum(view::ReadDatumCode(*parameters));

  const view::Network network = view::BuildNetwork(job, pieces[2].empty() ? nullptr : &listing);
  const std::vector<std::string> picture = view::DrawPicture(network, job_name.value_or("VECTOR"), unit);
  if (check_output) {
    for (const std::string& line : picture) fuzz::CheckNoNonFinite(line, "the picture");
  }
  return 0;
}
