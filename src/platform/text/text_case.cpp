#include "platform/text/text_case.h"

#include <algorithm>

#include "platform/text/unicode_text.h"
#include "platform/text/upper_code_point.h"

namespace tarnwick::platform {
namespace {

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool IsSurrogate(int32_t codePoint) { return codePoint >= 0xD800 && codePoint <= 0xDFFF; }

}  // namespace

std::string ToUpperCase(std::string_view text) {
  std::string upper;
  upper.reserve(text.size());
  if (IsAscii(text)) {
    for (char c : text) upper.push_back(AsciiUpper(c));
    return upper;
  }
  for (size_t offset = 0; offset < text.size();) {
    const size_t start = offset;
    const int32_t codePoint = NextCodePoint(text, offset);
    if (codePoint < 0 || IsSurrogate(codePoint)) {
      // Not a character: the bytes stand for themselves.
      upper.append(text.substr(start, offset - start));
    } else if (codePoint < 0x80) {
      upper.push_back(AsciiUpper(static_cast<char>(codePoint)));
    } else {
      AppendUtf8(upper, UpperCodePoint(static_cast<char32_t>(codePoint)));
    }
  }
  return upper;
}

}  // namespace tarnwick::platform
