#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarnwick::platform {

// The settings file holds text in the system's 8-bit code page; the program works in UTF-8.
// On POSIX the system's text is UTF-8 already and both directions keep the text as it is.
std::string FromSystemCodePage(std::string_view text);
// Nothing when a character has no form in the code page.
std::optional<std::string> ToSystemCodePage(std::string_view text);

}  // namespace tarnwick::platform
