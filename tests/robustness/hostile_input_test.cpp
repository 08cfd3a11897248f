// Every program of the suite, run as a process in a scratch project with
// random and truncated console answers and with damaged input files (cut
// lines, binary bytes, huge numbers, lines of 10,000 characters, an empty
// file, a directory where a file is expected, a missing file). Every run must
// end by itself within seconds with exit status 0 or 1 (1: console input
// ended), write no NaN or Inf into any file, and leave the project files that
// the program does not own exactly as they were.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <set>
#include <sstream>

#include "geodesy/conversions.hpp"
#include "geodesy/ellipsoid.hpp"
#include "tests/support/project.hpp"

namespace korval {
namespace {

using testing::TempProject;
namespace fs = std::filesystem;

constexpr double kDeg = 3.14159265358979323846 / 180.0;

// ---------------------------------------------------------------------------
// A small, sound project to damage: three control stations near 40 N 105 W and
// eight stations joined by fourteen vectors, with the importers' input files.

struct Point {
  std::string name;
  double lat, lon_west, h;
};

const std::vector<Point> kPoints = {
    {"CTL1", 40.00, 105.00, 1600.0}, {"CTL2", 40.05, 105.08, 1620.0}, {"CTL3", 39.96, 105.10, 1590.0},
    {"P1", 40.02, 105.03, 1610.0},   {"P2", 40.03, 105.06, 1615.0},   {"P3", 39.99, 105.07, 1605.0},
    {"P4", 40.01, 105.09, 1612.0},   {"P5", 39.98, 105.04, 1598.0},
};

geodesy::Cartesian Xyz(const Point& p) {
  return geodesy::GeodeticToCartesian(p.lat * kDeg, -p.lon_west * kDeg, p.h, geodesy::kNad83);
}

std::string Fixed(double value, int width, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%*.*f", width, decimals, value);
  return buffer;
}

std::string Name8(const std::string& name) { return (name + "        ").substr(0, 8); }

std::string Dms(double degrees, int degree_width) {
  const int d = static_cast<int>(degrees);
  const double m_all = (degrees - d) * 60;
  const int m = static_cast<int>(m_all);
  const double s = (m_all - m) * 60;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%*d %2d %8.5f", degree_width, d, m, s);
  return buffer;
}

std::vector<std::string> InfoVec() {
  std::vector<std::string> lines;
  for (int k = 0; k < 3; ++k) {
    const Point& p = kPoints[k];
    lines.push_back(std::string(" ").append(Name8(p.name)) + " " + Dms(p.lat, 2) + Fixed(0.001, 8, 4) + " " + Dms(p.lon_west, 3) +
                    Fixed(0.001, 8, 4) + Fixed(p.h, 12, 4) + Fixed(0.002, 8, 4) + " " + (k == 2 ? "1" : "0"));
  }
  const int pairs[][2] = {{0, 3}, {3, 4}, {4, 1}, {1, 6}, {6, 2}, {2, 5}, {5, 7}, {7, 0},
                          {3, 7}, {3, 5}, {4, 6}, {5, 6}, {4, 5}, {0, 4}};
  for (const auto& pair : pairs) {
    const geodesy::Cartesian a = Xyz(kPoints[pair[0]]), b = Xyz(kPoints[pair[1]]);
    lines.push_back(std::string(" ").append(Name8(kPoints[pair[0]].name)) + " " + Name8(kPoints[pair[1]].name) +
                    Fixed(b.x - a.x + 0.003, 13, 4) + Fixed(0.004, 7, 4) + Fixed(b.y - a.y - 0.002, 13, 4) +
                    Fixed(0.004, 7, 4) + Fixed(b.z - a.z + 0.001, 13, 4) + Fixed(0.005, 7, 4));
  }
  return lines;
}

std::vector<std::string> GeoidOut() {
  std::vector<std::string> lines;
  for (const Point& p : kPoints) lines.push_back(std::string(31, ' ') + Fixed(-17.25, 9, 3) + Name8(p.name));
  return lines;
}

std::vector<std::string> SolutionReport() {
  std::vector<std::string> lines = {"  NGS OPUS SOLUTION REPORT", "", "     FINAL COORDINATES", "  ------"};
  for (int k : {0, 1, 3}) {
    const geodesy::Cartesian c = Xyz(kPoints[k]);
    // Name in columns 3-10, X with its decimal point in column 20.
    lines.push_back("  " + Name8(kPoints[k].name) + " " + Fixed(c.x, 12, 3).substr(0, 12) + " " +
                    Fixed(c.y, 13, 3) + " " + Fixed(c.z, 13, 3));
  }
  lines.push_back("");
  lines.push_back("   ITRF position of the solved station");
  lines.push_back("   ----");
  const geodesy::Cartesian s = Xyz(kPoints[3]);
  for (int k = 0; k < 2; ++k) lines.push_back("     " + Fixed(s.x, 15, 3) + Fixed(s.y, 15, 3) + Fixed(s.z, 15, 3));
  return lines;
}

std::vector<std::string> RawFile() {
  return {"JB,NMJOB1,DT12-08-2026",
          "BP,PNCTL1,LA40.000000,LN105.000000,HT1600.000,",
          "EP,LA40.011234,LN-105.0234,HT1611.20,",
          "GS,PNR1,N 1000,E 1000,EL1611.2,",
          "EP,LA40.0211,LN105.01,HT1605.0,",
          "GS,PNR2,N 1100,E 1200,"};
}

std::vector<std::string> GeodimeterReport() {
  return {" BASELINE REPORT",
          " POINT NUMBER/INFO.: CTL1",
          " POINT NUMBER/INFO.: P1",
          " DELTAX,DELTAY,DELTAZ:    -2345.678          1234.567          -987.654",
          " SIGMAS (X,Y,Z)..[MM]:          3.2               4.1               5.0"};
}

// ---------------------------------------------------------------------------
// The programs, their answers, the files they read and the files they may
// write.

struct ProgramCase {
  std::string name;
  std::vector<std::string> answers;  // a sound dialogue
  std::vector<std::string> inputs;   // files to damage
  std::set<std::string> owned;       // files the program may change
  // The program writes a file that the user names in an answer (its first
  // 12 characters, blanks around them dropped): any file named so may change.
  bool writes_named_file = false;
};

bool NamedInAnswers(const std::vector<std::string>& answers, const std::string& name) {
  for (const std::string& answer : answers) {
    std::string typed = answer.substr(0, 12);
    typed.erase(0, typed.find_first_not_of(' ') == std::string::npos ? typed.size() : typed.find_first_not_of(' '));
    typed.erase(typed.find_last_not_of(' ') + 1);
    if (typed == name) return true;
  }
  return false;
}

const std::vector<ProgramCase>& Programs() {
  static const std::vector<ProgramCase> programs = {
      {"NETADJ",
       {"", "Y", "Y", "N", "N"},
       {"INFO.VEC", "KORVAL.INF", "GEOID.OUT", "NAD83.CON", "ZONE.DAT", "TABLE.DAT"},
       {"KORVAL.INF", "OUT.VEC", "VECTOR.GEO", "VECTOR.COR", "TEMP.PPP"}},
      {"CIRCUIT", {".02 10", "CTL1", "1", "1", "", ""}, {"INFO.VEC", "VECTOR.COR"}, {"LOOP.VEC", "TEMP.PPP"}},
      {"TOLCHECK", {"Y", "0.02", "50000"}, {"OUT.VEC", "INFO.VEC", "POS.TOL"}, {"PT.VEC", "POS.TOL"}},
      {"PTEXPORT", {"COORDS.TXT", "2", "2", "2", "16"}, {"OUT.VEC", "VECTOR.COR"}, {"COORDS.TXT"}, true},
      {"LOOK", {}, {"INFO.VEC", "VECTOR.COR"}, {"VECTOR.LSA", "TEMP.JOB"}},
      {"SOLNIMP", {"REPORT1", "Y", "0.01 1", "NEWNAME", ""}, {"REPORT1.TXT", "INFO.VEC"}, {"OPUS.VEC", "INFO.VEC"}},
      {"RAWIMP", {"0.01 1", "RAW1", ""}, {"RAW1.RW5", "INFO.VEC"}, {"INFO.VEC"}},
      {"BASEIMP", {"INFO.VEC", "1", "GEO1.TXT", ""}, {"GEO1.TXT", "INFO.VEC"}, {"INFO.VEC", "REPORT", "TEMP.PPP"}, true},
  };
  return programs;
}

fs::path Binary(const std::string& name) { return fs::path(KORVAL_BIN_DIR) / name; }

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

// The project's regular files and their contents.
std::map<std::string, std::string> Snapshot(const fs::path& dir) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.is_regular_file()) files[entry.path().filename().string()] = Slurp(entry.path());
  }
  return files;
}

bool HoldsNonFinite(const std::string& text) {
  static const char* const kWords[] = {"nan", "inf"};
  for (size_t i = 0; i < text.size(); ++i) {
    for (const char* word : kWords) {
      size_t k = 0;
      while (word[k] != '\0' && i + k < text.size() &&
             std::tolower(static_cast<unsigned char>(text[i + k])) == word[k]) {
        ++k;
      }
      if (word[k] != '\0') continue;
      // A letter or a point before the word makes it part of a name (the
      // extension of KORVAL.INF), not a printed number.
      const bool before = i > 0 && (std::isalpha(static_cast<unsigned char>(text[i - 1])) || text[i - 1] == '.');
      const bool after = i + k < text.size() && std::isalpha(static_cast<unsigned char>(text[i + k]));
      if (!before && !after) return true;
    }
  }
  return false;
}

struct Outcome {
  int status = -1;  // exit status; 124 time-out; 128 + n killed by signal n
  std::string console;
};

Outcome RunProcess(const TempProject& project, const std::string& program, const std::vector<std::string>& answers) {
  std::string input;
  for (const std::string& answer : answers) input += answer + "\n";
  project.WriteRaw("answers.in", input);
  const std::string command = "cd '" + project.dir().string() + "' && timeout -s KILL 10 '" +
                              Binary(program).string() + "' < answers.in > console.out 2>&1";
  const int raw = std::system(command.c_str());
  Outcome outcome;
  outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
  outcome.console = project.ReadRaw("console.out");
  fs::remove(project.Path("answers.in"));
  fs::remove(project.Path("console.out"));
  return outcome;
}

class HostileInput : public ::testing::Test {
 protected:
  // The sound project, with OUT.VEC and VECTOR.COR from an adjustment of it.
  static void SetUpTestSuite() {
    base_ = new TempProject();
    base_->Write("INFO.VEC", InfoVec());
    base_->Write("KORVAL.INF", {"  2  2  2  2 80  4  3       -17.2500"});
    base_->Write("GEOID.OUT", GeoidOut());
    base_->Write("REPORT1.TXT", SolutionReport());
    base_->Write("RAW1.RW5", RawFile());
    base_->Write("GEO1.TXT", GeodimeterReport());
    for (const char* name : {"NAD83.CON", "ZONE.DAT", "TABLE.DAT", "NAD27.CON"}) {
      const fs::path source = fs::path(KORVAL_SOURCE_DIR) / "data" / name;
      if (fs::exists(source)) base_->CopyIn(source, name);
    }
    RunProcess(*base_, "NETADJ", {"", "N", "N"});
    fs::remove(base_->Path("TEMP.PPP"));
  }
  static void TearDownTestSuite() {
    delete base_;
    base_ = nullptr;
  }

  // A fresh copy of the sound project.
  std::unique_ptr<TempProject> Fresh() const {
    auto project = std::make_unique<TempProject>();
    for (const auto& [name, content] : Snapshot(base_->dir())) project->WriteRaw(name, content);
    return project;
  }

  // Runs `program` and checks the three promises; `damaged` names the file
  // that was damaged (it may be rewritten only when the program owns it).
  void Check(const TempProject& project, const ProgramCase& program, const std::vector<std::string>& answers,
             const std::string& what) {
    const auto before = Snapshot(project.dir());
    const Outcome outcome = RunProcess(project, program.name, answers);
    SCOPED_TRACE(program.name + ": " + what);
    EXPECT_TRUE(outcome.status == 0 || outcome.status == 1)
        << "exit status " << outcome.status << "\n" << outcome.console.substr(0, 2000);
    EXPECT_FALSE(HoldsNonFinite(outcome.console)) << "non-finite number on the console";
    const auto after = Snapshot(project.dir());
    for (const auto& [name, content] : after) {
      const auto old = before.find(name);
      const bool changed = old == before.end() || old->second != content;
      if (!changed) continue;
      const bool owned =
          program.owned.count(name) > 0 || (program.writes_named_file && NamedInAnswers(answers, name));
      EXPECT_TRUE(owned) << name << " changed although the program does not own it";
      EXPECT_FALSE(HoldsNonFinite(content)) << "non-finite number written to " << name;
    }
    for (const auto& [name, content] : before) {
      if (program.owned.count(name) == 0) {
        EXPECT_TRUE(after.count(name) > 0) << name << " was removed";
      }
    }
  }

  static TempProject* base_;
};

TempProject* HostileInput::base_ = nullptr;

// Damages `content` in one of several ways.
std::string Damage(const std::string& content, int kind, std::mt19937& random) {
  std::vector<std::string> lines;
  std::stringstream in(content);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  if (lines.empty()) lines.push_back("");
  std::uniform_int_distribution<size_t> pick_line(0, lines.size() - 1);
  std::string out;
  switch (kind) {
    case 0:  // cut lines
      for (std::string& line : lines) line = line.substr(0, std::uniform_int_distribution<size_t>(0, line.size())(random));
      break;
    case 1: {  // binary bytes
      std::string& line = lines[pick_line(random)];
      for (int k = 0; k < 12; ++k) {
        const size_t at = line.empty() ? 0 : std::uniform_int_distribution<size_t>(0, line.size() - 1)(random);
        line.insert(line.begin() + static_cast<long>(at), static_cast<char>(random() % 256));
      }
      break;
    }
    case 2:  // huge numbers
      for (std::string& line : lines) {
        for (char& c : line) {
          if (c >= '1' && c <= '8' && random() % 3 == 0) c = '9';
        }
        if (random() % 2 == 0 && line.size() > 30) line.replace(20, 6, "1E300 ");
      }
      break;
    case 3:  // a line of 10,000 characters, and one line made that long
      lines.insert(lines.begin() + static_cast<long>(pick_line(random)), std::string(10000, '7'));
      lines[pick_line(random)].append(std::string(10000, 'X'));
      break;
    case 4:  // lines shuffled and doubled
      std::shuffle(lines.begin(), lines.end(), random);
      lines.insert(lines.end(), lines.begin(), lines.end());
      break;
  }
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

TEST_F(HostileInput, DamagedInputFiles) {
  std::mt19937 random(20261208);
  for (const ProgramCase& program : Programs()) {
    for (const std::string& input : program.inputs) {
      for (int kind = 0; kind < 5; ++kind) {
        auto project = Fresh();
        const std::string original = project->Exists(input) ? project->ReadRaw(input) : std::string();
        project->WriteRaw(input, Damage(original, kind, random));
        Check(*project, program, program.answers, input + " damaged (" + std::to_string(kind) + ")");
      }
    }
  }
}

TEST_F(HostileInput, EmptyMissingAndDirectoryInputs) {
  for (const ProgramCase& program : Programs()) {
    for (const std::string& input : program.inputs) {
      auto empty = Fresh();
      empty->WriteRaw(input, "");
      Check(*empty, program, program.answers, input + " empty");
      auto missing = Fresh();
      fs::remove(missing->Path(input));
      Check(*missing, program, program.answers, input + " missing");
      auto directory = Fresh();
      fs::remove(directory->Path(input));
      fs::create_directory(directory->Path(input));
      Check(*directory, program, program.answers, input + " a directory");
    }
    // Every file the program writes being a directory.
    auto blocked = Fresh();
    for (const std::string& name : program.owned) {
      if (!blocked->Exists(name)) fs::create_directory(blocked->Path(name));
    }
    Check(*blocked, program, program.answers, "output files are directories");
  }
}

TEST_F(HostileInput, RandomAndTruncatedConsoleAnswers) {
  std::mt19937 random(8122026);
  const std::vector<std::string> pool = {"",  " ",   "Y",    "N",       "y",          "n",    "1",    "2",
                                         "3", "4",   "8",    "16",      "99",         "0",    "-1",   "A",
                                         "Q", "X",   "1E300", "0.02 10", "0.01,1",    "CTL1", "P1",   ",,,",
                                         "/", "RAW1", "GEO1.TXT", "REPORT1", std::string(300, 'Z'), "-0.0001"};
  for (const ProgramCase& program : Programs()) {
    for (int run = 0; run < 6; ++run) {
      std::vector<std::string> answers;
      const int count = static_cast<int>(random() % 25);
      for (int k = 0; k < count; ++k) answers.push_back(pool[random() % pool.size()]);
      auto project = Fresh();
      Check(*project, program, answers, "random answers " + std::to_string(run));
    }
    for (size_t cut = 0; cut < program.answers.size(); ++cut) {
      auto project = Fresh();
      Check(*project, program, std::vector<std::string>(program.answers.begin(), program.answers.begin() + cut),
            "answers cut after " + std::to_string(cut));
    }
  }
}

}  // namespace
}  // namespace korval
