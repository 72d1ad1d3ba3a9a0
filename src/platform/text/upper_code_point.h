// The upper case of one non-ASCII code point, from the platform's Unicode tables.
#pragma once

namespace tarnwick::platform {

// The simple upper-case mapping of one non-ASCII code point, from the platform's Unicode tables.
char32_t UpperCodePoint(char32_t codePoint);

}  // namespace tarnwick::platform
