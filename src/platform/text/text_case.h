// Upper case for comparing names, independent of the locale.
#pragma once

#include <string>
#include <string_view>

namespace tarnwick::platform {

// Upper-cases UTF-8 text with the simple (one code point to one code point) Unicode mapping,
// independent of the locale. Bytes that do not form valid UTF-8 are kept as they are, so any
// file name has an upper-case form and two names compare equal only when they really match.
std::string ToUpperCase(std::string_view text);

}  // namespace tarnwick::platform
