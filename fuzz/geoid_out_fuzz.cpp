// Fuzzes the reading of the geoid height file GEOID.OUT and the elevation
// section written from it. Station names are taken from the file's own first
// records as well, so that its heights reach the stations. No crash, no hang,
// every geoid height finite and no NaN or Inf in the section.
#include <cmath>
#include <cstdlib>
#include <string>

#include "common/fields.hpp"
#include "fuzz/fuzz_support.hpp"
#include "geodesy/conversions.hpp"
#include "geodesy/ellipsoid.hpp"
#include "netadj/elevations.hpp"

namespace {

using namespace korval;

netadj::Station StationAt(const std::string& name, double latitude_degrees, double longitude_degrees, double height) {
  const double to_radians = geodesy::kPi / 180.0;
  const geodesy::Cartesian xyz =
      geodesy::GeodeticToCartesian(latitude_degrees * to_radians, longitude_degrees * to_radians, height, 2);
  netadj::Station station;
  station.name = FormatText(name, 8);
  station.x = xyz.x;
  station.y = xyz.y;
  station.z = xyz.z;
  return station;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = fuzz::AsText(data, size);
  const auto geoid_out = fuzz::MemoryFile(text);

  netadj::Network network;
  network.stations.push_back(StationAt("CTRL", 40.0, -105.0, 1500.0));
  network.stations.push_back(StationAt("POLE", 90.0, 0.0, 10.0));
  for (size_t k = 0; k < geoid_out->size() && k < 20; ++k) {
    network.stations.push_back(StationAt(Columns(geoid_out->lines()[k], 41, 8), 35.0 + static_cast<double>(k),
                                         -100.0, 100.0 * static_cast<double>(k)));
  }
  netadj::ReadGeoidHeights(*geoid_out, network);
  for (const netadj::Station& station : network.stations) {
    if (!std::isfinite(station.geoid_height)) std::abort();
  }
  if (fuzz::CarriesNonFiniteText(text)) return 0;
  for (int datum : {1, 2}) {
    for (const std::string& line : netadj::GeoidElevationSection(network, datum)) {
      fuzz::CheckNoNonFinite(line, "the elevation section");
    }
  }
  return 0;
}
