#include "netadj/state_plane.hpp"

#include <optional>
#include <string>
#include <vector>

#include "common/fields.hpp"
#include "common/record.hpp"
#include "common/stop.hpp"
#include "netadj/state_plane/convergence.hpp"
#include "netadj/state_plane/zone_constants.hpp"

namespace korval::netadj {

namespace {

constexpr double kUsFeetPerMetre = 3.280833333333333;             // 3937/1200
constexpr double kInternationalFeetPerMetre = 3.2808398950131235;  // 1/0.3048
constexpr int kZoneNameWidth = 80;

const Layout kDatumLine = {Fixed(" ALL INFORMATION IS IN THE NAD "), Integer(2), Fixed(" DATUM")};

// One station of the listing, in the report and in VECTOR.COR.
const Layout kStationLine = {
    Skip(1),          //  1
    Text(8),          //  2-9    station name
    Decimal(23, 4),   // 10-32   X (easting)
    Decimal(14, 4),   // 33-46   Y (northing)
    Skip(2),          // 47-48
    Decimal(10, 8),   // 49-58   grid scale factor
    Skip(3),          // 59-61
    Character(),      // 62      sign of the convergence
    Integer(3),       // 63-65   convergence degrees
    Fixed("-"),       // 66
    Integer(2),       // 67-68   minutes
    Fixed("-"),       // 69
    Decimal(5, 1),    // 70-74   seconds
};

// X and Y of a NAD 83 station in feet, under the X and Y columns.
const Layout kFeetLine = {Text(18), Decimal(14, 4), Decimal(14, 4)};

constexpr std::string_view kFeetHeading = "  STATION             X (FT.)      Y (FT.)    SCALE FACTOR    CONVERGENCE";
constexpr std::string_view kMetreHeading = "  STATION             X ( M.)      Y ( M.)    SCALE FACTOR    CONVERGENCE";

std::string ZoneText(int zone) { return FormatInteger(zone, 3); }

// The constants of `zone` from NAD27.CON or NAD83.CON; stops when the file is
// missing or does not hold the zone.
ZoneConstants ReadConstants(Session& session, int datum, int zone) {
  const std::string name = UsesNad27(datum) ? "NAD27.CON" : "NAD83.CON";
  RecordFile* file = session.OpenDataFile(name);
  if (file == nullptr) Stop(name + " NOT FOUND - PREMATURE STOP");
  std::optional<ZoneConstants> constants;
  if (std::optional<std::vector<double>> record = ReadZoneRecord(*file, datum, zone)) {
    constants = MakeZoneConstants(datum, zone, *record);
  }
  session.Close(file);
  if (!constants) Stop(name + " HOLDS NO CONSTANTS FOR ZONE " + ZoneText(zone) + " - PREMATURE STOP");
  return *constants;
}

// Line `zone` of ZONE.DAT, the zone's name; stops when it is missing.
std::string ReadZoneName(Session& session, int zone) {
  RecordFile* file = session.OpenDataFile("ZONE.DAT");
  if (file == nullptr) Stop("ZONE.DAT NOT FOUND - PREMATURE STOP");
  std::optional<std::string> line;
  for (int k = 1; k <= zone; ++k) {
    line = file->ReadLine();
    if (!line) break;
  }
  session.Close(file);
  if (!line || zone < 1) Stop("ZONE.DAT HOLDS NO NAME FOR ZONE " + ZoneText(zone) + " - PREMATURE STOP");
  return TrimRight(Columns(*line, 1, kZoneNameWidth));
}

Values StationValues(const std::string& name, const GridPosition& grid) {
  const ConvergenceAngle angle = SplitConvergence(grid.convergence);
  return {name, grid.x, grid.y, grid.scale, angle.sign, angle.degrees, angle.minutes, angle.seconds};
}

}  // namespace

void StatePlaneListing(Session& session, RecordFile& report, const Network& network, int datum, int zone,
                       int units) {
  const bool nad27 = UsesNad27(datum);
  const ZoneConstants constants = ReadConstants(session, datum, zone);

  report.WriteLine("");
  report.Write(kDatumLine, {nad27 ? 27 : 83});
  report.WriteLine("");
  report.WriteLine(ReadZoneName(session, zone));

  // Feet lines follow the metre lines of NAD 83 on request; NAD 27 is in feet.
  const bool us_feet = !nad27 && (units == 2 || units == 4);
  const bool international_feet = !nad27 && (units == 3 || units == 4);

  report.WriteLine("");
  report.WriteLine(nad27 ? kFeetHeading : kMetreHeading);

  RecordFile* listing = session.Open("VECTOR.COR", OpenMode::kUnknown);
  if (listing == nullptr) Stop("VECTOR.COR CANNOT BE WRITTEN - PREMATURE STOP");
  listing->Rewind();
  listing->TruncateHere();

  for (const Station& station : network.stations) {
    const GridPosition grid = Project(constants, station.latitude, station.longitude_west);
    const Values values = StationValues(station.name, grid);
    report.Write(kStationLine, values);
    listing->Write(kStationLine, values);
    if (us_feet) report.Write(kFeetLine, {" U.S. SURVEY FT.  ", grid.x * kUsFeetPerMetre, grid.y * kUsFeetPerMetre});
    if (international_feet) {
      report.Write(kFeetLine,
                   {" INTERNATIONAL FT.", grid.x * kInternationalFeetPerMetre, grid.y * kInternationalFeetPerMetre});
    }
  }
  session.Close(listing);
}

}  // namespace korval::netadj
