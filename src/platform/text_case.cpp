#include "platform/text_case.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstdint>

namespace tarnwick::platform {
namespace {

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::string ToUpperCase(std::string_view text) {
  std::string upper;
  upper.reserve(text.size());
  if (IsAscii(text)) {
    for (char c : text) upper.push_back(AsciiUpper(c));
    return upper;
  }

  const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
  const auto length = static_cast<int32_t>(text.size());
  int32_t offset = 0;
  while (offset < length) {
    const int32_t start = offset;
    UChar32 codePoint = 0;
    U8_NEXT(bytes, offset, length, codePoint);
    if (codePoint < 0) {
      // Not valid UTF-8: the bytes stand for themselves.
      upper.append(text.substr(start, offset - start));
      continue;
    }
    if (codePoint < 0x80) {
      upper.push_back(AsciiUpper(static_cast<char>(codePoint)));
      continue;
    }
    const UChar32 mapped = u_toupper(codePoint);
    uint8_t encoded[U8_MAX_LENGTH];
    int32_t encodedLength = 0;
    // A mapped code point always fits the buffer, so the "unsafe" append cannot overrun.
    U8_APPEND_UNSAFE(encoded, encodedLength, mapped);
    upper.append(reinterpret_cast<const char*>(encoded), static_cast<size_t>(encodedLength));
  }
  return upper;
}

}  // namespace tarnwick::platform
