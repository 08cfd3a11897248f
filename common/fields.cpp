#include "common/fields.hpp"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

namespace korval {

namespace {

std::string Asterisks(int width) { return std::string(width > 0 ? width : 0, '*'); }

std::string RightAlign(const std::string& digits, int width) {
  if (static_cast<int>(digits.size()) > width) return Asterisks(width);
  return std::string(width - digits.size(), ' ') + digits;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string FormatText(std::string_view value, int width) {
  if (width <= 0) return {};
  std::string out(value.substr(0, static_cast<size_t>(width)));
  out.resize(static_cast<size_t>(width), ' ');
  return out;
}

std::string FormatInteger(long long value, int width) {
  return RightAlign(std::to_string(value), width);
}

std::string FormatDecimal(double value, int width, int decimals) {
  if (!std::isfinite(value) || decimals < 0) return Asterisks(width);
  // Values far beyond any field width are refused before printing, so that the
  // buffer below stays small.
  if (std::fabs(value) >= 1e30) return Asterisks(width);
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  std::string text(buffer);
  // A value that rounds to zero carries no sign.
  if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  if (decimals == 0) text += '.';
  if (static_cast<int>(text.size()) > width) {
    // Drop the zero before the decimal point of a value between -1 and 1.
    if (text.rfind("0.", 0) == 0) {
      text.erase(0, 1);
    } else if (text.rfind("-0.", 0) == 0) {
      text.erase(1, 1);
    }
  }
  return RightAlign(text, width);
}

std::optional<long long> ParseInteger(std::string_view field) {
  std::string compact;
  for (char c : field) {
    if (c != ' ') compact += c;
  }
  if (compact.empty()) return 0;
  size_t i = 0;
  bool negative = false;
  if (compact[0] == '+' || compact[0] == '-') {
    negative = compact[0] == '-';
    i = 1;
  }
  if (i == compact.size()) return 0;  // a lone sign reads as 0, like a blank field
  long long value = 0;
  for (; i < compact.size(); ++i) {
    if (!IsDigit(compact[i])) return std::nullopt;
    const int digit = compact[i] - '0';
    if (value > (std::numeric_limits<long long>::max() - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return negative ? -value : value;
}

std::optional<double> ParseDecimal(std::string_view field, int decimals) {
  std::string compact;
  for (char c : field) {
    if (c != ' ') compact += c;
  }
  if (compact.empty()) return 0.0;
  size_t i = 0;
  std::string mantissa;
  if (compact[0] == '+' || compact[0] == '-') {
    if (compact[0] == '-') mantissa += '-';
    i = 1;
  }
  bool point = false;
  int digits = 0;
  for (; i < compact.size(); ++i) {
    const char c = compact[i];
    if (IsDigit(c)) {
      mantissa += c;
      ++digits;
    } else if (c == '.' && !point) {
      mantissa += c;
      point = true;
    } else {
      break;
    }
  }
  if (digits == 0 && (point || i < compact.size())) return std::nullopt;
  if (digits == 0) return 0.0;  // a lone sign
  long exponent = 0;
  if (i < compact.size()) {
    char c = compact[i];
    if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
      ++i;
    } else if (c != '+' && c != '-') {
      return std::nullopt;
    }
    bool negative_exponent = false;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) {
      negative_exponent = compact[i] == '-';
      ++i;
    }
    if (i == compact.size()) return std::nullopt;
    for (; i < compact.size(); ++i) {
      if (!IsDigit(compact[i])) return std::nullopt;
      if (exponent < 100000) exponent = exponent * 10 + (compact[i] - '0');
    }
    if (negative_exponent) exponent = -exponent;
  }
  if (!point) exponent -= decimals;
  const std::string number = mantissa + "e" + std::to_string(exponent);
  errno = 0;
  const double value = std::strtod(number.c_str(), nullptr);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::string Columns(std::string_view line, int first, int width) {
  if (width <= 0) return {};
  std::string out(static_cast<size_t>(width), ' ');
  const long start = first - 1L;
  for (int k = 0; k < width; ++k) {
    const long at = start + k;
    if (at >= 0 && at < static_cast<long>(line.size())) out[k] = line[at];
  }
  return out;
}

std::string TrimRight(std::string_view text) {
  const size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string() : std::string(text.substr(0, end + 1));
}

}  // namespace korval
