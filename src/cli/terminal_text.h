// Text as it may be printed to a terminal: a file name must not move the cursor or fake lines.
#pragma once

#include <string>
#include <string_view>

namespace tarnwick::cli {

// The text with control characters written as \xNN, so that a file name cannot move the
// cursor, clear the screen or fake further output lines on a terminal.
std::string EscapeControlCharacters(std::string_view text);

// `text` as it is printed: escaped when the output goes to a terminal.
inline std::string Printable(std::string_view text, bool escape) {
  return escape ? EscapeControlCharacters(text) : std::string(text);
}

}  // namespace tarnwick::cli
