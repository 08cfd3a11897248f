#include "netadj/parameters.hpp"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <optional>
#include <string>

#include "common/fields.hpp"
#include "common/free_format.hpp"
#include "common/record.hpp"
#include "common/stop.hpp"

namespace korval::netadj {

namespace {

constexpr std::string_view kParameterFile = "KORVAL.INF";
constexpr std::string_view kZoneTable = "TABLE.DAT";

// TABLE.DAT: lines 1-20 are the transverse Mercator page, 21-47 the Lambert page.
constexpr int kFirstPageLines = 20;
constexpr int kSecondPageLines = 27;
constexpr int kLastFirstPageZone = 49;
constexpr int kLastZone = 121;
// Answers to the zone prompt are read from their first three characters.
constexpr size_t kZoneAnswerWidth = 3;
// A separation typed with a smaller magnitude is stored as this (metres).
constexpr double kSmallestSeparation = 0.0001;

// The one record of KORVAL.INF: seven integers in columns 2-28, the geoid
// separation in columns 29-43.
const Layout kParameterRecord = {
    Skip(1), Integer(3),   //  2-4   datum
    Skip(1), Integer(3),   //  6-8   constraint
    Skip(1), Integer(3),   // 10-12  robust questions
    Skip(1), Integer(3),   // 14-16  state plane conversion
    Skip(1), Integer(3),   // 18-20  zone pick number
    Skip(1), Integer(3),   // 22-24  output units
    Skip(1), Integer(3),   // 26-28  elevation determination
    Decimal(15, 4),        // 29-43  geoid separation, metres
};

const Layout kZoneMenuLine = {Skip(1), Fixed("(5) STATE PLANE ZONE PICK # "), Integer(3)};
const Layout kSeparationMenuLine = {Skip(1), Fixed("(8) UNIQUE GEOID SEPARATION IS "), Decimal(12, 4)};

// A whole number read from a file, held within the range of an int so that a
// wild value cannot overflow; the menu shows such a value as asterisks.
int ToInt(double value) {
  return static_cast<int>(std::clamp(value, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

// Reads KORVAL.INF: seven integers and one real, free-form. A value that cannot
// be read, or the end of the file, ends the reading; what was read stays and
// the rest keep their defaults.
Parameters LoadParameters(RecordFile* file) {
  Parameters p;
  if (file == nullptr) return p;
  std::array<double, 8> values = {static_cast<double>(p.datum),      static_cast<double>(p.constraint),
                                  static_cast<double>(p.robust),     static_cast<double>(p.state_plane),
                                  static_cast<double>(p.zone),       static_cast<double>(p.units),
                                  static_cast<double>(p.elevation),  p.separation};
  const std::array<ListKind, 8> kinds = {ListKind::kInteger, ListKind::kInteger, ListKind::kInteger,
                                         ListKind::kInteger, ListKind::kInteger, ListKind::kInteger,
                                         ListKind::kInteger, ListKind::kReal};
  file->ReadList(values, kinds);
  file->Rewind();
  p.datum = ToInt(values[0]);
  p.constraint = ToInt(values[1]);
  p.robust = ToInt(values[2]);
  p.state_plane = ToInt(values[3]);
  p.zone = ToInt(values[4]);
  p.units = ToInt(values[5]);
  p.elevation = ToInt(values[6]);
  p.separation = values[7];
  return p;
}

bool OneOrTwo(int value) { return value == 1 || value == 2; }
int Toggled(int value) { return value == 1 ? 2 : 1; }

void Normalise(Parameters& p) {
  if (!OneOrTwo(p.datum)) p.datum = 2;
  if (!OneOrTwo(p.constraint)) p.constraint = 1;
  if (!OneOrTwo(p.robust)) p.robust = 1;
  if (!OneOrTwo(p.state_plane)) p.state_plane = 1;
  if (p.state_plane == 1) p.zone = 0;
  if (p.state_plane == 2 && p.zone <= 0) p.zone = 1;
  if (p.units < 1 || p.units > 4) p.units = 1;
  if (p.elevation < 1 || p.elevation > 3) p.elevation = 1;
}

const char* const kUnitsLines[] = {
    "(6) STATE PLANE OUTPUT IN METERS",
    "(6) STATE PLANE OUTPUT IN METERS AND SURVEY FEET",
    "(6) STATE PLANE OUTPUT IN METERS AND INT. FEET",
    "(6) STATE PLANE OUTPUT IN METERS SURVEY FT., AND INT. FEET",
};

const char* const kElevationLines[] = {
    "(7) NO ELEVATION DETERMINATION",
    "(7) USE GEOID HEIGHT FILE IN ELEVATION DETERMINATION",
    "(7) USE ONE GEOID SEPARATION FOR ALL ELEVATIONS",
};

void ShowMenu(Console& console, const Parameters& p) {
  console.Say("KORVAL PARAMETERS");
  console.Say(p.datum == 1 ? "(1) DATUM IS NAD 27" : "(1) DATUM IS NAD 83");
  console.Say(p.constraint == 1 ? "(2) MINIMALLY CONSTRAINED (USE 1 CONTROL PT.) SOLUTION"
                                : "(2) CONSTRAINED (USE ALL CONTROL) SOLUTION");
  console.Say(p.robust == 1 ? "(3) ROBUST PROMPT WILL NOT APPEAR" : "(3) ROBUST PROMPT WILL APPEAR");
  console.Say(p.state_plane == 1 ? "(4) NO STATE PLANE CONVERSION" : "(4) STATE PLANE CONVERSION WILL BE MADE");
  if (p.state_plane == 1) {
    console.Say("(5) N.A.");
  } else {
    console.Write(kZoneMenuLine, {p.zone});
  }
  if (p.datum == 1) {
    console.Say("(6) N.A. (ONLY SURVEY FEET IN NAD 27)");
  } else if (p.state_plane == 1) {
    console.Say("(6) N.A.");
  } else {
    console.Say(kUnitsLines[p.units - 1]);
  }
  console.Say(kElevationLines[p.elevation - 1]);
  if (p.elevation == 3) {
    console.Write(kSeparationMenuLine, {p.separation});
  } else {
    console.Say("(8) N.A.");
  }
  console.Say("ENTER 1-8 OR PRESS ENTER TO ACCEPT PARAMETERS");
}

char FirstCharacter(const std::string& answer) { return answer.empty() ? ' ' : answer.front(); }

// Turns a zone answer into a number the way the run always has: its first
// three characters (blank becomes 0) are written to TEMP.PPP as one record and
// read back free-form. Nothing when they are not a whole number.
std::string ZoneAnswerCharacters(const std::string& answer) {
  const std::string first = answer.substr(0, std::min(answer.size(), kZoneAnswerWidth));
  return first.find_first_not_of(' ') == std::string::npos ? std::string(1, '0') : first;
}

std::optional<int> ZoneNumberThroughWorkFile(const std::string& answer, RecordFile& temp_ppp) {
  const std::string digits = ZoneAnswerCharacters(answer);
  temp_ppp.Rewind();
  temp_ppp.WriteLine(digits);
  temp_ppp.Rewind();
  // A slash or a lone comma leaves the value as it was: zone 0.
  std::array<double, 1> value = {0};
  const std::array<ListKind, 1> kind = {ListKind::kInteger};
  if (temp_ppp.ReadList(value, kind).status != ListStatus::kOk) return std::nullopt;
  return ToInt(value[0]);
}

// Writes the prompt lines and reads zone answers until one is a whole number.
int AskZone(Console& console, RecordFile& temp_ppp, std::initializer_list<std::string_view> prompt) {
  for (;;) {
    for (std::string_view line : prompt) {
      if (line.empty()) {
        console.EmptyLine();
      } else {
        console.Say(line);
      }
    }
    if (std::optional<int> zone = ZoneNumberThroughWorkFile(console.ReadAnswer(), temp_ppp)) return *zone;
  }
}

// Writes the next `count` lines of TABLE.DAT (80 columns each) to the console;
// stops the program when the file ends first.
void ShowTablePage(Console& console, RecordFile& table, int count) {
  for (int k = 0; k < count; ++k) {
    std::optional<std::string> line = table.ReadLine();
    if (!line) Stop(std::string(kZoneTable) + " IS TOO SHORT - PREMATURE STOP");
    console.WriteLine(TrimRight(Columns(*line, 1, 80)));
  }
}

// The zone pages of TABLE.DAT: a transverse Mercator pick is taken at the first
// page; anything else leads to the Lambert page, where the zone is typed again.
void ZoneDialogue(Session& session, RecordFile& temp_ppp, Parameters& p) {
  RecordFile* table = session.OpenDataFile(kZoneTable);
  if (table == nullptr) Stop(std::string(kZoneTable) + " NOT FOUND - PREMATURE STOP");
  Console& console = session.console();
  for (;;) {
    table->Rewind();
    ShowTablePage(console, *table, kFirstPageLines);
    p.zone = 0;
    p.zone = AskZone(console, temp_ppp, {"", "INPUT ZONE # OR PRESS ENTER IF YOU WANT LAMBERT ZONES"});
    if (p.zone >= 1 && p.zone <= kLastFirstPageZone) break;
    ShowTablePage(console, *table, kSecondPageLines);
    p.zone = AskZone(console, temp_ppp, {"INPUT ZONE # (1-121) OR PRESS ENTER TO REPEAT LIST"});
    if (p.zone >= 1 && p.zone <= kLastZone) break;
  }
  session.Close(table);
}

void UnitsDialogue(Console& console, Parameters& p) {
  bool refused = false;
  if (p.datum == 1) {
    console.EmptyLine();
    console.Say("N.A. - NAD27 OUTPUT ONLY IN SURVEY FEET");
    console.EmptyLine();
    refused = true;
  }
  if (p.state_plane == 1) {
    console.Say("NEED TO DEFINE STATE PLANE AS OUTPUT BEFORE UNITS DEFINED");
    refused = true;
  }
  if (p.zone < 1) {
    console.Say("NEED TO DEFINE A STATE PLANE ZONE BEFORE UNITS DEFINED");
    refused = true;
  }
  if (refused) return;
  console.Say("(1) STATE PLANE OUTPUT IN METERS");
  console.Say("(2) STATE PLANE OUTPUT IN METERS AND SURVEY FEET");
  console.Say("(3) STATE PLANE OUTPUT IN METERS AND INT. FEET");
  console.Say("(4) STATE PLANE OUTPUT IN METERS SURVEY FT., AND INT. FEET");
  console.Say("PICK A # (1-4) <1>");
  const char first = FirstCharacter(console.ReadAnswer());
  p.units = (first >= '2' && first <= '4') ? first - '0' : 1;
}

void ElevationDialogue(Console& console, Parameters& p) {
  if (p.datum == 1) {
    console.Say("IN NAD 27 STATE PLANE COOR. ONLY OUTPUT IN SURVEY FT.");
    return;
  }
  console.Say("(1) NO ELEVATION DETERMINATION");
  console.Say("(2) USE GEOID HEIGHT FILE IN ELEVATION DETERMINATION");
  console.Say("(3) USE ONE GEOID SEPARATION FOR ALL ELEVATIONS");
  console.Say("PICK A # (1-3) <1>");
  const char first = FirstCharacter(console.ReadAnswer());
  p.elevation = (first == '2' || first == '3') ? first - '0' : 1;
}

void SeparationDialogue(Console& console, Parameters& p) {
  std::array<double, 1> value = {p.separation};
  console.AskNumbers({"INPUT AVERAGE PROJECT GEOID SEPARATION (USUALLY NEGATIVE)"}, value);
  p.separation = std::fabs(value[0]) < kSmallestSeparation ? kSmallestSeparation : value[0];
}

void StoreParameters(Session& session, RecordFile*& file, const Parameters& p) {
  if (file == nullptr) {
    session.console().Say(std::string(kParameterFile) + " COULD NOT BE WRITTEN - PARAMETERS USED FOR THIS RUN ONLY");
    return;
  }
  file->Rewind();
  file->Write(kParameterRecord,
              {p.datum, p.constraint, p.robust, p.state_plane, p.zone, p.units, p.elevation, p.separation});
  file->TruncateHere();
  session.Close(file);
}

}  // namespace

Parameters SettleParameters(Session& session, RecordFile& temp_ppp) {
  RecordFile* file = session.Open(kParameterFile, OpenMode::kUnknown);
  Parameters p = LoadParameters(file);
  Console& console = session.console();
  for (;;) {
    Normalise(p);
    ShowMenu(console, p);
    const char choice = FirstCharacter(console.ReadAnswer());
    switch (choice) {
      case '1':
        p.datum = Toggled(p.datum);
        break;
      case '2':
        p.constraint = Toggled(p.constraint);
        break;
      case '3':
        p.robust = Toggled(p.robust);
        break;
      case '4':
        if (p.state_plane == 2) {
          p.state_plane = 1;
        } else {
          p.state_plane = 2;
          ZoneDialogue(session, temp_ppp, p);
        }
        break;
      case '5':
        ZoneDialogue(session, temp_ppp, p);
        break;
      case '6':
        UnitsDialogue(console, p);
        break;
      case '7':
        ElevationDialogue(console, p);
        break;
      case '8':
        SeparationDialogue(console, p);
        break;
      default:
        StoreParameters(session, file, p);
        return p;
    }
  }
}

}  // namespace korval::netadj
