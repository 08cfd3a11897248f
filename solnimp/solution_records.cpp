#include "solnimp/solution_records.hpp"

#include <algorithm>
#include <cmath>

#include "geodesy/conversions.hpp"
#include "geodesy/dms.hpp"
#include "geodesy/ellipsoid.hpp"

namespace korval::solnimp {

ControlRecord ReferenceControlRecord(const SolutionStation& station, bool last) {
  const geodesy::Geodetic position = geodesy::CartesianToGeodetic(station.x, station.y, station.z, geodesy::kNad83);
  const geodesy::Dms latitude = geodesy::RadiansToDms(position.latitude);
  const geodesy::Dms longitude = geodesy::RadiansToDms(-position.longitude);  // west positive in the file
  ControlRecord record;
  record.name = station.name;
  record.latitude_degrees = latitude.degrees;
  record.latitude_minutes = latitude.minutes;
  record.latitude_seconds = latitude.seconds;
  record.latitude_sd = kReferenceStationSd;
  record.longitude_degrees = longitude.degrees;
  record.longitude_minutes = longitude.minutes;
  record.longitude_seconds = longitude.seconds;
  record.longitude_sd = kReferenceStationSd;
  record.height = position.height;
  record.height_sd = kReferenceStationSd;
  record.last_control_mark = last ? 1 : 0;
  return record;
}

SolutionRecords BuildSolutionRecords(const std::vector<SolutionStation>& stations,
                                     const std::vector<SolvedPosition>& positions, const VectorErrorModel& model) {
  SolutionRecords records;
  if (stations.empty()) return records;
  const SolutionStation& solved = stations.back();
  const size_t references = std::min(stations.size() - 1, positions.size());
  for (size_t k = 0; k < references; ++k) {
    const SolutionStation& reference = stations[k];
    records.controls.push_back(ReferenceControlRecord(reference, k + 1 == references));
    VectorRecord vector;
    vector.from = reference.name;
    vector.to = solved.name;
    vector.dx = positions[k].x - reference.x;
    vector.dy = positions[k].y - reference.y;
    vector.dz = positions[k].z - reference.z;
    const double length = std::sqrt(vector.dx * vector.dx + vector.dy * vector.dy + vector.dz * vector.dz);
    vector.sx = vector.sy = vector.sz = model.ComponentSigma(length);
    records.vectors.push_back(vector);
  }
  return records;
}

}  // namespace korval::solnimp
