#include "netadj/project_file.hpp"

#include <string>

#include "common/fields.hpp"
#include "common/project_records.hpp"
#include "common/record.hpp"
#include "common/stop.hpp"
#include "geodesy/conversions.hpp"
#include "geodesy/ellipsoid.hpp"

namespace korval::netadj {
namespace {

// The values of a control record (common/project_records.hpp), in layout order.
enum ControlValue {
  kControlFlag, kControlName, kLatDegrees, kLatMinutes, kLatSeconds, kLatSigma,
  kLonDegrees, kLonMinutes, kLonSeconds, kLonSigma, kHeight, kHeightSigma, kLastMark,
};

// The values of a vector record, in layout order.
enum VectorValue { kVectorFlag, kFromName, kToName, kDx, kDxSigma, kDy, kDySigma, kDz, kDzSigma };


// Standard deviations below a tenth of a millimetre are not believed: they are
// raised to it before they become weights (at most 1e8).
constexpr double kSmallestSigma = 0.0001;

double RaisedSigma(double sigma) { return sigma < kSmallestSigma ? kSmallestSigma : sigma; }
double WeightOf(double sigma) { return 1.0 / (sigma * sigma); }

// Degrees, minutes and seconds to radians.
double AngleOf(long long degrees, long long minutes, double seconds) {
  const double in_degrees = static_cast<double>(degrees) + static_cast<double>(minutes) / 60.0 + seconds / 3600.0;
  return in_degrees * geodesy::kPi / 180.0;
}

[[noreturn]] void StopWith(Session& session, std::string_view message) {
  session.console().Say(message);
  Stop();
}

void IgnoreLine(Session& session) { session.console().Say("LINE IGNORED IN INPUT FILE"); }

// Appends a station of a name not yet known.
int AppendStation(Session& session, Network& network, const std::string& key) {
  if (network.stations.size() >= static_cast<size_t>(kMaxStations)) {
    StopWith(session, "MAXIMUM NUMBER OF STATIONS EXCEEDED - STOP");
  }
  Station station;
  station.name = key;
  network.stations.push_back(station);
  return static_cast<int>(network.stations.size()) - 1;
}

void ReadControlSection(Session& session, RecordFile& info_vec, int datum, Network& network) {
  Values record;
  for (;;) {
    if (network.control.size() >= static_cast<size_t>(kMaxControlPoints)) {
      StopWith(session, "MAXIMUM NUMBER OF CONTROL POINTS EXCEEDED - STOP");
    }
    record.Clear();
    const ReadStatus status = info_vec.Read(kControlRecord, record);
    if (status == ReadStatus::kEndOfFile) StopWith(session, "UNEXPECTED END TO DATA");
    if (status == ReadStatus::kUnreadable || record.Char(kControlFlag) != ' ') {
      IgnoreLine(session);
      continue;
    }

    // Control points are the first stations, in file order; a repeated name is
    // not merged (vector ends later find the first of them).
    ControlPoint point;
    point.station = static_cast<int>(network.stations.size());
    Station station;
    station.name = record.Text(kControlName);
    network.stations.push_back(station);

    const double latitude = AngleOf(record.Int(kLatDegrees), record.Int(kLatMinutes), record.Real(kLatSeconds));
    const double longitude_east =
        -AngleOf(record.Int(kLonDegrees), record.Int(kLonMinutes), record.Real(kLonSeconds));
    const geodesy::Cartesian position =
        geodesy::GeodeticToCartesian(latitude, longitude_east, record.Real(kHeight), datum);
    point.cx = position.x;
    point.cy = position.y;
    point.cz = position.z;
    point.wx = WeightOf(RaisedSigma(record.Real(kLatSigma)));
    point.wy = WeightOf(RaisedSigma(record.Real(kLonSigma)));
    point.wz = WeightOf(RaisedSigma(record.Real(kHeightSigma)));
    network.control.push_back(point);

    if (record.Int(kLastMark) != 0) return;
  }
}

void ReadVectorSection(Session& session, RecordFile& info_vec, Network& network) {
  StationIndex index;
  for (size_t k = 0; k < network.stations.size(); ++k) index.emplace(network.stations[k].name, static_cast<int>(k));
  Values record;
  for (;;) {
    record.Clear();
    const ReadStatus status = info_vec.Read(kVectorRecord, record);
    if (status == ReadStatus::kEndOfFile) return;
    if (status == ReadStatus::kUnreadable) {
      IgnoreLine(session);
      continue;
    }
    const std::string from_name = record.Text(kFromName);
    const std::string to_name = record.Text(kToName);
    // A vector from a station to itself measures nothing; blank lines land here.
    if (from_name == to_name) continue;
    if (record.Char(kVectorFlag) != ' ') {
      IgnoreLine(session);
      continue;
    }
    if (from_name == kEndMarkName) return;

    Vector vector;
    vector.from = FindStation(session, network, index, from_name);
    vector.to = FindStation(session, network, index, to_name);
    vector.dx = record.Real(kDx);
    vector.dy = record.Real(kDy);
    vector.dz = record.Real(kDz);
    vector.wx = WeightOf(RaisedSigma(record.Real(kDxSigma)));
    vector.wy = WeightOf(RaisedSigma(record.Real(kDySigma)));
    vector.wz = WeightOf(RaisedSigma(record.Real(kDzSigma)));
    network.vectors.push_back(vector);

    if (network.vectors.size() > static_cast<size_t>(kMaxVectors)) {
      StopWith(session, "TOO MANY OBSERVATIONS - STOP");
    }
  }
}

}  // namespace

void ReadProjectFile(Session& session, RecordFile& info_vec, int datum, Network& network) {
  ReadControlSection(session, info_vec, datum, network);
  ReadVectorSection(session, info_vec, network);
}

int FindStation(Session& session, Network& network, std::string_view name) {
  const std::string key = FormatText(name, 8);
  for (size_t k = 0; k < network.stations.size(); ++k) {
    if (network.stations[k].name == key) return static_cast<int>(k);
  }
  return AppendStation(session, network, key);
}

int FindStation(Session& session, Network& network, StationIndex& index, std::string_view name) {
  const std::string key = FormatText(name, 8);
  const auto found = index.find(key);
  if (found != index.end()) return found->second;
  const int number = AppendStation(session, network, key);
  index.emplace(key, number);
  return number;
}

}  // namespace korval::netadj
