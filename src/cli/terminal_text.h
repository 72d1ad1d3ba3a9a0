#pragma once

#include <string>
#include <string_view>

namespace tarnwick::cli {

// The text with control characters written as \xNN, so that a file name cannot move the
// cursor, clear the screen or fake further output lines on a terminal.
std::string EscapeControlCharacters(std::string_view text);

}  // namespace tarnwick::cli
