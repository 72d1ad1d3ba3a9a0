// The system's 8-bit code page, in which the settings file keeps its text, and UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarnwick::platform {

// The settings file holds text in an 8-bit code page: the system's (Windows' ANSI code page),
// while the program works in UTF-8. Code page 65001 is UTF-8 itself. POSIX systems keep their
// text in UTF-8: there the system's code page is 65001, and text stays as it is.
inline constexpr unsigned kUtf8CodePage = 65001;
unsigned SystemCodePage();

// The code page's bytes as UTF-8; bytes the code page does not define become U+FFFD.
std::string FromCodePage(std::string_view text, unsigned codePage);
// The text in the code page; nothing when a character has no form there, or would come back
// as another one.
std::optional<std::string> ToCodePage(std::string_view text, unsigned codePage);

inline std::string FromSystemCodePage(std::string_view text) {
  return FromCodePage(text, SystemCodePage());
}
inline std::optional<std::string> ToSystemCodePage(std::string_view text) {
  return ToCodePage(text, SystemCodePage());
}

}  // namespace tarnwick::platform
