// Fuzzes every reading of the state plane listing VECTOR.COR: the loop
// analyser's grid coordinates, the view job's placing of control stations
// (then the job written and read back by the viewer, and its picture) and
// the coordinate export's grid values (export_layouts are fuzzed with the
// report in out_vec_fuzz). No crash, no hang, no NaN or Inf written.
//
// Input: VECTOR.COR, then optionally INFO.VEC (the control stations and vector
// lines of the view job), separated by the byte 0x1e.
#include <cstdlib>
#include <string>
#include <vector>

#include "circuit/project_input.hpp"
#include "common/fields.hpp"
#include "common/grid_positions.hpp"
#include "fuzz/fuzz_support.hpp"
#include "look/job_file.hpp"
#include "look/project_records.hpp"
#include "ptexport/grid_input.hpp"
#include "view/job_reader.hpp"
#include "view/network.hpp"
#include "view/svg_picture.hpp"

namespace {

using namespace korval;

// The names of the listing's first lines, as a loop analyser network.
circuit::Network NetworkOfListing(const std::vector<std::string>& lines) {
  circuit::Network network;
  for (size_t k = 0; k < lines.size() && k < 50; ++k) (void)network.FindOrAddStation(Columns(lines[k], 2, 8));
  return network;
}

// The control records of the listing's first lines, when no project file is
// given: every listed station is a control station.
std::vector<look::ControlRecord> ControlsOfListing(const std::vector<std::string>& lines) {
  std::vector<look::ControlRecord> controls;
  for (size_t k = 0; k < lines.size() && k < 50; ++k) controls.push_back({Columns(lines[k], 2, 8), 0});
  if (!controls.empty()) controls.back().last_control_mark = 1;
  return controls;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = fuzz::AsText(data, size);
  const auto [vector_cor, info_vec] = fuzz::SplitOnce(text);
  const bool check_output = !fuzz::CarriesNonFiniteText(text);

  const auto listing_file = fuzz::MemoryFile(vector_cor);
  const GridPositions listing = GridPositions::Read(*listing_file);

  circuit::Network network = NetworkOfListing(listing_file->lines());
  listing_file->Rewind();
  circuit::ReadGridCoordinates(*listing_file, network);

  ptexport::StationTable table;
  listing_file->Rewind();
  (void)ptexport::ReadGridCoordinates(*listing_file, table);

  // The view job from the project file (or from the listing alone), written
  // as LOOK writes it, read back as the viewer reads it and drawn.
  std::vector<look::ControlRecord> controls = ControlsOfListing(listing_file->lines());
  std::vector<JobVector> vectors;
  if (!info_vec.empty()) {
    const auto project = fuzz::MemoryFile(info_vec);
    if (auto read = look::ReadControlRecords(*project)) {
      controls = std::move(*read);
      vectors = look::ReadVectorLines(*project);
    }
  }
  const auto job = RecordFile::Scratch();
  look::WriteJob(*job, look::PlaceControlStations(controls, listing), vectors);
  if (check_output) fuzz::CheckNoNonFinite(fuzz::JoinedLines(*job), "VECTOR.LSA");
  job->Rewind();
  const view::Network picture_network = view::BuildNetwork(view::ReadViewJob(*job), &listing);
  const std::vector<std::string> picture =
      view::DrawPicture(picture_network, "VECTOR", view::GridUnitOfDatum(std::nullopt));
  if (check_output) {
    for (const std::string& line : picture) fuzz::CheckNoNonFinite(line, "the picture");
  }
  return 0;
}
