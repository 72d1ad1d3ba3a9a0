#include "platform/text/percent_decoding.h"

#include <charconv>

namespace tarnwick::platform {

std::optional<std::string> PercentDecoded(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      bytes += text[i];
      continue;
    }
    unsigned value = 0;
    if (i + 2 >= text.size()) return std::nullopt;
    const auto [end, error] = std::from_chars(text.data() + i + 1, text.data() + i + 3, value, 16);
    if (error != std::errc() || end != text.data() + i + 3) return std::nullopt;
    bytes += static_cast<char>(value);
    i += 2;
  }
  return bytes;
}

}  // namespace tarnwick::platform
