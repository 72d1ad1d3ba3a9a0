// Bytes written as %XX (two hexadecimal digits): how a trash's info file keeps a path and how
// a pass's record keeps its fields, each keeping some characters as they are.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarnwick::platform {

// Which bytes an encoding keeps as they are; every other byte becomes %XX.
using KeptAsItIs = bool (*)(unsigned char byte);

// The unreserved characters of a URI and '/': a path as GIO and KIO write it.
bool UriPathCharacter(unsigned char byte);
// Everything but '%' and what would break a line of tab-separated fields (tab, CR, LF, NUL).
bool RecordFieldCharacter(unsigned char byte);

std::string PercentEncoded(std::string_view text, KeptAsItIs kept);

// The bytes of a text in which bytes may be written as %XX; nothing when a '%' is not followed
// by two hexadecimal digits.
std::optional<std::string> PercentDecoded(std::string_view text);

}  // namespace tarnwick::platform
