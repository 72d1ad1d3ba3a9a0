#include <string>

#include "platform/path/file_name_limit.h"
#include "platform/text/unicode_text.h"

namespace tarnwick::platform {

bool FitsInFileName(std::string_view name) {
  constexpr size_t kMaxUnits = 255;
  // Each UTF-16 unit takes at least one byte of UTF-8, so a short name needs no conversion.
  return name.size() <= kMaxUnits || Utf8ToUtf16(name).size() <= kMaxUnits;
}

std::optional<NameFault> FaultOfNameOnThisSystem(std::string_view name) {
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || c == '<' || c == '>' || c == ':' || c == '"' || c == '|' || c == '*' ||
        c == '?') {
      return NameFault::kForbiddenCharacter;
    }
  }
  if (name.back() == '.' || name.back() == ' ') return NameFault::kTrailingDotOrBlank;
  // A device's name stays one with any extension: "nul.txt" is NUL.
  std::string stem(name.substr(0, name.find('.')));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  for (char& c : stem) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  for (const char* device : {"CON", "PRN", "AUX", "NUL"}) {
    if (stem == device) return NameFault::kDeviceName;
  }
  if (stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) && stem[3] >= '1' &&
      stem[3] <= '9') {
    return NameFault::kDeviceName;
  }
  return std::nullopt;
}

}  // namespace tarnwick::platform
