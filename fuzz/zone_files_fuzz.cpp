// Fuzzes the zone constant files NAD27.CON and NAD83.CON and the zone names of
// ZONE.DAT through the state plane listing: the zone's record is found, turned
// into constants and used to project stations from the equator to the pole
// and on both sides of the central meridian; the report section and
// VECTOR.COR are written. No crash, no hang, no NaN or Inf written.
// (TABLE.DAT is fuzzed with the parameter dialogue in korval_inf_fuzz.)
//
// Input: one byte choosing datum and output units, one byte choosing the zone
// (1 to 121), then the constant file and ZONE.DAT separated by the byte 0x1e.
#include <cstdlib>
#include <string>
#include <vector>

#include "common/fields.hpp"
#include "fuzz/fuzz_support.hpp"
#include "geodesy/ellipsoid.hpp"
#include "netadj/state_plane.hpp"
#include "netadj/state_plane/convergence.hpp"
#include "netadj/state_plane/zone_constants.hpp"

namespace {

using namespace korval;

// Stations over the whole range a report can hold: latitudes 0 to 90 degrees
// north, west longitudes 0 to 180 degrees and beyond.
netadj::Network SpreadStations() {
  netadj::Network network;
  const double to_radians = geodesy::kPi / 180.0;
  const double latitudes[] = {0.0, 25.0, 40.5, 64.0, 89.999, 90.0};
  const double longitudes[] = {0.0, 71.5, 105.0, 179.99, 190.0, -170.0};
  for (double latitude : latitudes) {
    for (double longitude : longitudes) {
      netadj::Station station;
      station.name = FormatText("S" + std::to_string(network.stations.size()), 8);
      station.latitude = latitude * to_radians;
      station.longitude_west = longitude * to_radians;
      network.stations.push_back(station);
    }
  }
  return network;
}

// The zone's constants straight from the file, and every station projected.
void ProjectDirectly(std::string_view constant_file, int datum, int zone, const netadj::Network& network) {
  const auto file = fuzz::MemoryFile(constant_file);
  const auto record = netadj::ReadZoneRecord(*file, datum, zone);
  if (!record) return;
  const auto constants = netadj::MakeZoneConstants(datum, zone, *record);
  if (!constants) return;
  for (const netadj::Station& station : network.stations) {
    const netadj::GridPosition grid = netadj::Project(*constants, station.latitude, station.longitude_west);
    (void)netadj::SplitConvergence(grid.convergence);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static fuzz::FuzzProject project;
  static const netadj::Network network = SpreadStations();
  if (size < 2) return 0;
  const int datum = (data[0] & 1) != 0 ? 1 : 2;
  const int units = 1 + (data[0] >> 1) % 4;
  const int zone = 1 + data[1] % 121;
  const std::string_view text = fuzz::AsText(data + 2, size - 2);
  const auto [constant_file, zone_names] = fuzz::SplitOnce(text);

  ProjectDirectly(constant_file, datum, zone, network);

  project.Reset();
  project.Write(netadj::UsesNad27(datum) ? "NAD27.CON" : "NAD83.CON", constant_file);
  project.Write("ZONE.DAT", zone_names);
  const bool check_output = !fuzz::CarriesNonFiniteText(text);
  project.Run(
      [&](Session& session) {
        const auto report = RecordFile::Scratch();
        netadj::StatePlaneListing(session, *report, network, datum, zone, units);
        if (check_output) fuzz::CheckNoNonFinite(fuzz::JoinedLines(*report), "OUT.VEC");
      },
      "", {"VECTOR.COR"}, check_output);
  return 0;
}
