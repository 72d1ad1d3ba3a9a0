#include "core/numeric_text.h"

#include <charconv>
#include <cmath>
#include <string>

namespace tarnwick::core {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t SkipDigits(std::string_view text, size_t position) {
  while (position < text.size() && IsDigit(text[position])) ++position;
  return position;
}

// The longest prefix of `text` that reads as a decimal number, in the form from_chars takes.
std::string NumberPrefix(std::string_view text) {
  size_t position = 0;
  if (position < text.size() && (text[position] == '+' || text[position] == '-')) ++position;
  const size_t integerStart = position;
  position = SkipDigits(text, position);
  bool hasDigits = position > integerStart;
  if (position < text.size() && text[position] == '.') {
    const size_t fractionStart = position + 1;
    const size_t fractionEnd = SkipDigits(text, fractionStart);
    if (hasDigits || fractionEnd > fractionStart) {
      hasDigits = true;
      position = fractionEnd;
    }
  }
  if (!hasDigits) return {};

  // An exponent counts only when digits follow it; "D" is the runtime's other exponent letter.
  if (position < text.size() && (text[position] == 'e' || text[position] == 'E' ||
                                 text[position] == 'd' || text[position] == 'D')) {
    size_t exponent = position + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    const size_t exponentEnd = SkipDigits(text, exponent);
    if (exponentEnd > exponent) {
      std::string number(text.substr(0, position));
      number += 'e';
      number += text.substr(position + 1, exponentEnd - position - 1);
      return number;
    }
  }
  return std::string(text.substr(0, position));
}

}  // namespace

std::optional<int16_t> LeadingNumberAsInt16(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  std::string number = NumberPrefix(text);
  if (number.empty()) return 0;
  // from_chars takes no leading plus sign.
  if (number.front() == '+') number.erase(0, 1);

  double value = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) return std::nullopt;
  if (result.ec != std::errc()) return 0;

  const double rounded = std::nearbyint(value);  // the default rounding mode sends halves to even
  if (!(rounded >= INT16_MIN && rounded <= INT16_MAX)) return std::nullopt;
  return static_cast<int16_t>(rounded);
}

}  // namespace tarnwick::core
