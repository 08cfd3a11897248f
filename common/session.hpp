// One run of a program: its console, its project directory and its open files.
//
// Every program is a procedure `void Run(Session&)`. The real program runs it
// on the terminal in the current directory (`RunMain`); tests run it with
// scripted console streams in a temporary project directory (`RunProgram`).
// The session owns the open files, so that a stop anywhere closes them all and
// a failure inside the program leaves every project file as it was.
#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/console.hpp"
#include "common/record_file.hpp"
#include "common/stop.hpp"

namespace korval {

class Session {
 public:
  Session(std::istream& in, std::ostream& out, std::filesystem::path project_dir);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  Console& console() { return console_; }
  const std::filesystem::path& project_dir() const { return project_dir_; }
  std::filesystem::path PathOf(std::string_view name) const { return project_dir_ / std::string(name); }

  // Opens a file of the project directory; nothing (nullptr) when it cannot be
  // opened. The session keeps the file until Close or the end of the run.
  RecordFile* Open(std::string_view name, OpenMode mode);
  RecordFile* OpenScratch();

  // Opens one of the zone data files (TABLE.DAT, ZONE.DAT, NAD27.CON,
  // NAD83.CON): the copy in the project directory when there is one, else the
  // copy installed with the suite. Nothing when neither exists.
  RecordFile* OpenDataFile(std::string_view name);

  // Closes a file, saving what was written to it (or deleting it), and sets
  // the pointer to null. False when the file could not be saved; it is then
  // left on disk as it was before the run, and a console line says so.
  bool Close(RecordFile*& file, bool delete_file = false);

  // Closes every open file, saving what was written. False when a file could
  // not be saved.
  bool CloseAll();
  // Forgets every open file without saving anything (after an internal fault).
  void DiscardAll();

 private:
  Console console_;
  std::filesystem::path project_dir_;
  std::vector<std::unique_ptr<RecordFile>> files_;
};

using ProgramBody = std::function<void(Session&)>;

// Runs a program to its end: closes the files and writes the closing line.
// Returns the exit status: 0, or 1 when console input ended where an answer
// was needed or a file could not be written, 2 after an internal fault.
int RunProgram(std::istream& in, std::ostream& out, const std::filesystem::path& project_dir,
               const ProgramBody& body);

// RunProgram on the terminal and the current directory, for main().
int RunMain(const ProgramBody& body);

// The folders searched for the zone data files after the project directory:
// the share folder next to the installed programs, the installation folder
// and the source tree's data folder.
std::vector<std::filesystem::path> DataSearchPath();

}  // namespace korval
