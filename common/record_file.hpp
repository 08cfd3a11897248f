// A file of fixed-column records in the project directory, opened in one of
// the three modes of the suite:
//  - existing: the open fails when the file is missing;
//  - unknown: an existing file is opened at its first record, a missing one is
//    created; writing replaces the record at the current position and drops
//    everything after it, so a file rewritten from its start holds exactly the
//    records written;
//  - scratch: a nameless working file that lives in memory only.
//
// The records are held in memory while the file is open. A file that was
// written is saved when it is closed, through a temporary file in the same
// directory that then replaces the old one by rename: a crash, a full disk or a
// killed process leaves either the old file or the new one, never a truncated
// one. A file that was only read is never touched.
//
// Lines are read with CR LF or LF endings and saved with CR LF.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/free_format.hpp"
#include "common/record.hpp"

namespace korval {

enum class OpenMode { kExisting, kUnknown, kScratch };

class RecordFile {
 public:
  // Opens `path` in `mode`. Returns nothing when the file cannot be opened:
  // missing (existing mode), not a regular file, or not creatable.
  static std::unique_ptr<RecordFile> Open(const std::filesystem::path& path, OpenMode mode);
  static std::unique_ptr<RecordFile> Scratch();

  // The next record, without its line ending; nothing at end of file.
  std::optional<std::string> ReadLine();

  // Reads the next record with `layout` (as many lines as it spans).
  ReadStatus Read(const Layout& layout, Values& values);

  // Free-form read of numbers from the next record on (Part of the record
  // after the last value is passed over).
  ListResult ReadList(std::span<double> values, std::span<const ListKind> kinds = {});

  void WriteLine(std::string_view line);
  void Write(const Layout& layout, const Values& values);

  void Rewind() { position_ = 0; }
  // Steps back one record; false at the first record.
  bool Backspace();
  // Moves to the end, so that the next write appends.
  void SeekEnd() { position_ = lines_.size(); }
  // Drops every record from the current position on (a rewrite that writes
  // nothing still empties the file).
  void TruncateHere();

  size_t position() const { return position_; }
  size_t size() const { return lines_.size(); }
  const std::vector<std::string>& lines() const { return lines_; }
  const std::filesystem::path& path() const { return path_; }
  bool changed() const { return changed_; }

  // Writes the records to disk when they changed (atomic replace). False when
  // the file could not be written; the old file is then left as it was.
  bool Save();

  // Removes the file from disk (close with deletion).
  void Delete();

  // For tests of interrupted rewrites: while set, every save fails after the
  // temporary file is written and before it replaces the old one.
  static void SetSaveFailureForTesting(bool fail);

 private:
  RecordFile() = default;
  std::filesystem::path path_;
  bool scratch_ = false;
  bool changed_ = false;
  std::vector<std::string> lines_;
  size_t position_ = 0;
};

// Splits file content into records: LF or CR LF endings; a last line without
// an ending is a record too.
std::vector<std::string> SplitRecords(std::string_view content);

}  // namespace korval
