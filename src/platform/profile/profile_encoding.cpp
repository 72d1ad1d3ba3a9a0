#include "platform/profile/profile_encoding.h"

#include <cstdint>

#include "platform/text/unicode_text.h"

namespace tarnwick::platform {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

std::string Utf16BytesToUtf8(std::string_view bytes, bool bigEndian) {
  std::u16string units(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < units.size(); ++i) {
    const auto first = static_cast<unsigned char>(bytes[2 * i]);
    const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
    units[i] = static_cast<char16_t>(bigEndian ? (first << 8 | second) : (second << 8 | first));
  }
  return Utf16ToUtf8(units);
}

std::string Utf8ToUtf16Bytes(std::string_view text, bool bigEndian) {
  const std::u16string units = Utf8ToUtf16(text);
  std::string bytes;
  bytes.reserve(units.size() * 2);
  for (const char16_t unit : units) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}

}  // namespace

DecodedProfile DecodeProfile(std::string bytes) {
  DecodedProfile decoded;
  const std::string_view view = bytes;
  if (view.starts_with(kUtf8Mark)) {
    decoded.encoding = ProfileEncoding::kUtf8WithMark;
    bytes.erase(0, kUtf8Mark.size());
  } else if (view.starts_with(kUtf16LittleEndianMark) || view.starts_with(kUtf16BigEndianMark)) {
    const bool bigEndian = view.starts_with(kUtf16BigEndianMark);
    std::string text = Utf16BytesToUtf8(view.substr(2), bigEndian);
    // Only what is really UTF-16 is read as such (an odd byte at the end is not).
    if (Utf8ToUtf16Bytes(text, bigEndian) == view.substr(2)) {
      decoded.encoding = bigEndian ? ProfileEncoding::kUtf16BigEndian
                                   : ProfileEncoding::kUtf16LittleEndian;
      bytes = std::move(text);
    } else {
      decoded.writable = false;
    }
  }
  decoded.text = std::move(bytes);
  return decoded;
}

std::string EncodeProfile(const std::string& text, ProfileEncoding encoding) {
  switch (encoding) {
    case ProfileEncoding::kPlain:
      return text;
    case ProfileEncoding::kUtf8WithMark:
      return std::string(kUtf8Mark) + text;
    case ProfileEncoding::kUtf16LittleEndian:
      return std::string(kUtf16LittleEndianMark) + Utf8ToUtf16Bytes(text, false);
    case ProfileEncoding::kUtf16BigEndian:
      return std::string(kUtf16BigEndianMark) + Utf8ToUtf16Bytes(text, true);
  }
  return text;
}

bool IsUtf8(std::string_view text) {
  for (size_t offset = 0; offset < text.size();) {
    const int32_t codePoint = NextCodePoint(text, offset);
    if (codePoint < 0 || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return false;
  }
  return true;
}

}  // namespace tarnwick::platform
