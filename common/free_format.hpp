// Free-form ("list-directed") reading of numbers: the values of a console
// number entry, of `KORVAL.INF`, `POS.TOL` and of the number pieces cut out of
// imported text lines.
//
// Values are separated by blanks or commas and may run over several lines;
// reading ends when every value is read, and the rest of the last line read is
// passed over. Two commas in a row (or a comma at the start of a line) leave a
// value as it was, a slash ends the entry and leaves the remaining values as
// they were, and r*c stands for r repetitions of c.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace korval {

enum class ListKind { kReal, kInteger };

enum class ListStatus {
  kOk,          // every value read, or the entry ended by a slash
  kUnreadable,  // a value could not be read as a number of its kind
  kEnd,         // the input ended before every value was read
};

struct ListResult {
  ListStatus status = ListStatus::kOk;
  size_t assigned = 0;  // values given a new value before the entry ended
};

// Supplies the next line of input, or nothing when the input has ended.
using LineSource = std::function<std::optional<std::string>()>;

// Reads `values.size()` numbers. `kinds` gives the kind of each value (reals
// when empty or shorter). Values are assigned as they are read, so on failure
// the values read before the fault hold their new values.
ListResult ReadList(const LineSource& source, std::span<double> values,
                    std::span<const ListKind> kinds = {});

// Reads the numbers from one piece of text only (the input ends with it).
ListResult ReadListFromText(std::string_view text, std::span<double> values,
                            std::span<const ListKind> kinds = {});

}  // namespace korval
