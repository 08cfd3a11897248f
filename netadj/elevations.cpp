#include "netadj/elevations.hpp"

#include <string>
#include <unordered_map>

#include "common/fields.hpp"
#include "common/record.hpp"
#include "geodesy/conversions.hpp"

namespace korval::netadj {

namespace {

// A GEOID.OUT record: what a producer writes in columns 1-31 is its own.
const Layout kGeoidRecord = {
    Skip(31),       // 1-31
    Decimal(9, 3),  // 32-40  geoid height N, metres
    Text(8),        // 41-48  station name
};

double EllipsoidalHeight(const Station& station, int datum) {
  return geodesy::CartesianToGeodetic(station.x, station.y, station.z, datum).height;
}

}  // namespace

void ReadGeoidHeights(RecordFile& geoid_out, Network& network) {
  // The first station of each name, as a search of the names in order finds it.
  std::unordered_map<std::string, size_t> first_of_name;
  for (size_t i = 0; i < network.stations.size(); ++i) {
    network.stations[i].geoid_height = 0.0;
    first_of_name.emplace(FormatText(network.stations[i].name, 8), i);
  }
  Values values;
  for (;;) {
    const ReadStatus status = geoid_out.Read(kGeoidRecord, values);
    if (status == ReadStatus::kEndOfFile) break;
    if (status == ReadStatus::kUnreadable) continue;
    const auto found = first_of_name.find(FormatText(values.Text(1), 8));
    if (found != first_of_name.end()) network.stations[found->second].geoid_height = values.Real(0);
  }
}

Lines GeoidElevationSection(const Network& network, int datum) {
  Lines lines = GeoidElevationHeading();
  for (const Station& s : network.stations) {
    if (s.geoid_height == 0.0) {
      lines.push_back(NoGeoidHeightLine(s.name));
      continue;
    }
    const double elevation = EllipsoidalHeight(s, datum) - s.geoid_height;
    lines.push_back(GeoidElevationLine(s.name, s.geoid_height, elevation, elevation * kUsSurveyFeetPerMetre));
  }
  return lines;
}

Lines SeparationElevationSection(const Network& network, int datum, double separation) {
  Lines lines = SeparationElevationHeading(separation);
  for (const Station& s : network.stations) {
    const double elevation = EllipsoidalHeight(s, datum) - separation;
    lines.push_back(SeparationElevationLine(s.name, elevation, elevation * kUsSurveyFeetPerMetre));
  }
  return lines;
}

}  // namespace korval::netadj
