#include "common/record_file.hpp"

#include <atomic>
#include <fstream>
#include <sstream>
#include <system_error>

namespace korval {

namespace {

std::atomic<bool> g_fail_saves{false};

bool ReadWholeFile(const std::filesystem::path& path, std::string& content) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) return false;
  content = buffer.str();
  return true;
}

}  // namespace

std::vector<std::string> SplitRecords(std::string_view content) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find('\n', start);
    const bool last = end == std::string_view::npos;
    if (last) end = content.size();
    std::string_view line = content.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    start = last ? content.size() : end + 1;
  }
  return lines;
}

std::unique_ptr<RecordFile> RecordFile::Open(const std::filesystem::path& path, OpenMode mode) {
  if (mode == OpenMode::kScratch) return Scratch();
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  const bool exists = std::filesystem::exists(status);
  if (exists && !std::filesystem::is_regular_file(status)) return nullptr;
  std::unique_ptr<RecordFile> file(new RecordFile());
  file->path_ = path;
  if (exists) {
    std::string content;
    if (!ReadWholeFile(path, content)) return nullptr;
    file->lines_ = SplitRecords(content);
    return file;
  }
  if (mode == OpenMode::kExisting) return nullptr;
  // Unknown mode creates a missing file at once, as the old open did.
  std::ofstream create(path, std::ios::binary);
  if (!create) return nullptr;
  return file;
}

std::unique_ptr<RecordFile> RecordFile::Scratch() {
  std::unique_ptr<RecordFile> file(new RecordFile());
  file->scratch_ = true;
  return file;
}

std::optional<std::string> RecordFile::ReadLine() {
  if (position_ >= lines_.size()) return std::nullopt;
  return lines_[position_++];
}

ReadStatus RecordFile::Read(const Layout& layout, Values& values) {
  const int count = LineCount(layout);
  if (position_ >= lines_.size()) return ReadStatus::kEndOfFile;
  std::vector<std::string_view> record;
  for (int k = 0; k < count; ++k) {
    if (position_ >= lines_.size()) return ReadStatus::kEndOfFile;
    record.emplace_back(lines_[position_++]);
  }
  return ParseRecord(layout, record, values);
}

ListResult RecordFile::ReadList(std::span<double> values, std::span<const ListKind> kinds) {
  const LineSource source = [this]() { return ReadLine(); };
  return korval::ReadList(source, values, kinds);
}

void RecordFile::WriteLine(std::string_view line) {
  if (position_ < lines_.size()) lines_.resize(position_);
  lines_.emplace_back(line);
  ++position_;
  changed_ = true;
}

void RecordFile::Write(const Layout& layout, const Values& values) {
  for (const std::string& line : FormatRecord(layout, values)) WriteLine(line);
}

void RecordFile::TruncateHere() {
  if (position_ < lines_.size()) lines_.resize(position_);
  changed_ = true;
}

bool RecordFile::Backspace() {
  if (position_ == 0) return false;
  --position_;
  return true;
}

bool RecordFile::Save() {
  if (scratch_ || !changed_) return true;
  std::filesystem::path temporary = path_;
  temporary += ".korval-tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    for (const std::string& line : lines_) {
      out << line << "\r\n";
    }
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code error;
  if (g_fail_saves.load()) {
    error = std::make_error_code(std::errc::io_error);
  } else {
    std::filesystem::rename(temporary, path_, error);
  }
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return false;
  }
  changed_ = false;
  return true;
}

void RecordFile::Delete() {
  if (scratch_) return;
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
  changed_ = false;
  lines_.clear();
  position_ = 0;
}

void RecordFile::SetSaveFailureForTesting(bool fail) { g_fail_saves.store(fail); }

}  // namespace korval
