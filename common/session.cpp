#include "common/session.hpp"

#include <algorithm>
#include <exception>
#include <iostream>
#include <system_error>

namespace korval {

Session::Session(std::istream& in, std::ostream& out, std::filesystem::path project_dir)
    : console_(in, out), project_dir_(std::move(project_dir)) {}

Session::~Session() = default;

RecordFile* Session::Open(std::string_view name, OpenMode mode) {
  std::unique_ptr<RecordFile> file =
      mode == OpenMode::kScratch ? RecordFile::Scratch() : RecordFile::Open(PathOf(name), mode);
  if (!file) return nullptr;
  files_.push_back(std::move(file));
  return files_.back().get();
}

RecordFile* Session::OpenScratch() { return Open("", OpenMode::kScratch); }

RecordFile* Session::OpenDataFile(std::string_view name) {
  if (RecordFile* local = Open(name, OpenMode::kExisting)) return local;
  for (const std::filesystem::path& folder : DataSearchPath()) {
    std::unique_ptr<RecordFile> file = RecordFile::Open(folder / std::string(name), OpenMode::kExisting);
    if (file) {
      files_.push_back(std::move(file));
      return files_.back().get();
    }
  }
  return nullptr;
}

bool Session::Close(RecordFile*& file, bool delete_file) {
  if (file == nullptr) return true;
  bool saved = true;
  if (delete_file) {
    file->Delete();
  } else if (!file->Save()) {
    saved = false;
    console_.Say(" COULD NOT WRITE " + file->path().filename().string() + " - FILE LEFT AS IT WAS");
  }
  for (auto it = files_.begin(); it != files_.end(); ++it) {
    if (it->get() == file) {
      files_.erase(it);
      break;
    }
  }
  file = nullptr;
  return saved;
}

bool Session::CloseAll() {
  bool saved = true;
  while (!files_.empty()) {
    RecordFile* file = files_.front().get();
    if (!Close(file)) saved = false;
  }
  return saved;
}

void Session::DiscardAll() { files_.clear(); }

int RunProgram(std::istream& in, std::ostream& out, const std::filesystem::path& project_dir,
               const ProgramBody& body) {
  Session session(in, out, project_dir);
  Console& console = session.console();
  try {
    body(session);
    // A file that could not be written is no success, whatever the program
    // itself concluded.
    const bool saved = session.CloseAll();
    console.WriteLine(kDefaultClosingLine);
    out.flush();
    return saved ? 0 : 1;
  } catch (const ProgramStop& stop) {
    const bool saved = session.CloseAll();
    if (stop.end_of_input) {
      console.WriteLine(kEndOfInputMessage);
    } else {
      console.WriteLine(stop.closing_text.empty() ? kDefaultClosingLine : std::string_view(stop.closing_text));
    }
    out.flush();
    return saved ? stop.exit_status : std::max(stop.exit_status, 1);
  } catch (const std::exception& fault) {
    // A fault of the program itself: nothing half-done reaches the project.
    session.DiscardAll();
    console.Say(std::string(" INTERNAL ERROR - ") + fault.what() + " - STOP");
    out.flush();
    return 2;
  }
}

int RunMain(const ProgramBody& body) {
  std::ios::sync_with_stdio(false);
  std::error_code error;
  std::filesystem::path here = std::filesystem::current_path(error);
  if (error) here = ".";
  return RunProgram(std::cin, std::cout, here, body);
}

std::vector<std::filesystem::path> DataSearchPath() {
  std::vector<std::filesystem::path> folders;
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) folders.push_back(exe.parent_path().parent_path() / "share" / "korval");
#ifdef KORVAL_DATA_INSTALL_DIR
  folders.emplace_back(KORVAL_DATA_INSTALL_DIR);
#endif
#ifdef KORVAL_DATA_SOURCE_DIR
  folders.emplace_back(KORVAL_DATA_SOURCE_DIR);
#endif
  return folders;
}

}  // namespace korval
