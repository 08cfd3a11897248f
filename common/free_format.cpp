#include "common/free_format.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/fields.hpp"

namespace korval {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// One item of a line: a value token, a null value (empty between commas), or
// the slash that ends the entry.
struct Item {
  enum Kind { kValue, kNull, kSlash } kind;
  std::string text;
};

// Splits one line into items. A comma ends the value before it; a comma with no
// value before it (since the last comma or the start of the line) is a null.
std::vector<Item> SplitLine(std::string_view line) {
  std::vector<Item> items;
  bool value_since_separator = false;
  size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (IsBlank(c)) {
      ++i;
    } else if (c == ',') {
      if (!value_since_separator) items.push_back({Item::kNull, {}});
      value_since_separator = false;
      ++i;
    } else if (c == '/') {
      items.push_back({Item::kSlash, {}});
      return items;
    } else {
      size_t end = i;
      while (end < line.size() && !IsBlank(line[end]) && line[end] != ',' && line[end] != '/') ++end;
      items.push_back({Item::kValue, std::string(line.substr(i, end - i))});
      value_since_separator = true;
      i = end;
    }
  }
  return items;
}

std::optional<double> ParseToken(const std::string& token, ListKind kind) {
  if (kind == ListKind::kInteger) {
    const auto value = ParseInteger(token);
    if (!value) return std::nullopt;
    return static_cast<double>(*value);
  }
  return ParseDecimal(token, 0);
}

}  // namespace

ListResult ReadList(const LineSource& source, std::span<double> values, std::span<const ListKind> kinds) {
  ListResult result;
  size_t next = 0;
  auto kind_of = [&](size_t k) { return k < kinds.size() ? kinds[k] : ListKind::kReal; };
  while (next < values.size()) {
    const std::optional<std::string> line = source();
    if (!line) {
      result.status = ListStatus::kEnd;
      return result;
    }
    for (const Item& item : SplitLine(*line)) {
      if (next >= values.size()) break;
      if (item.kind == Item::kSlash) return result;
      if (item.kind == Item::kNull) {
        ++next;
        continue;
      }
      // r*c repeats c r times; r* alone stands for r nulls.
      size_t repeat = 1;
      std::string token = item.text;
      const size_t star = token.find('*');
      if (star != std::string::npos) {
        const auto count = ParseInteger(token.substr(0, star));
        if (!count || *count < 1 || star == 0) {
          result.status = ListStatus::kUnreadable;
          return result;
        }
        repeat = static_cast<size_t>(std::min<long long>(*count, 1000000));
        token = token.substr(star + 1);
        if (token.empty()) {
          next += repeat;
          continue;
        }
      }
      for (size_t r = 0; r < repeat && next < values.size(); ++r) {
        const auto value = ParseToken(token, kind_of(next));
        if (!value) {
          result.status = ListStatus::kUnreadable;
          return result;
        }
        values[next++] = *value;
        ++result.assigned;
      }
    }
  }
  return result;
}

ListResult ReadListFromText(std::string_view text, std::span<double> values, std::span<const ListKind> kinds) {
  bool given = false;
  const LineSource once = [&]() -> std::optional<std::string> {
    if (given) return std::nullopt;
    given = true;
    return std::string(text);
  };
  return ReadList(once, values, kinds);
}

}  // namespace korval
