// UTF-8 code points, and UTF-8 to UTF-16 and back.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarnwick::platform {

// The code point that starts at `offset` in UTF-8 text, advancing `offset` past it; -1 for a
// byte that starts no valid sequence, which is then passed over alone. Encoded surrogates are
// accepted, so that a Windows name holding a lone one survives the way through UTF-8.
int32_t NextCodePoint(std::string_view text, size_t& offset);
void AppendUtf8(std::string& text, char32_t codePoint);

// UTF-8 and UTF-16 each way. Lone surrogates pass both ways unchanged; an invalid UTF-8 byte
// becomes U+FFFD, as it cannot name anything on a system whose names are UTF-16.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace tarnwick::platform
