#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarnwick::platform {

// The bytes of a text in which bytes may be written as %XX (two hexadecimal digits); nothing
// when a '%' is not followed by two such digits.
std::optional<std::string> PercentDecoded(std::string_view text);

}  // namespace tarnwick::platform
