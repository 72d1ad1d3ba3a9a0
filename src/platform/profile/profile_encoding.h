// The text encodings a settings file may have, told by its byte-order mark.
#pragma once

#include <string>
#include <string_view>

namespace tarnwick::platform {

// How a settings file's bytes hold its text. A byte-order mark is kept when the file is
// written back.
enum class ProfileEncoding {
  kPlain,              // the system's 8-bit code page (UTF-8 on POSIX)
  kUtf8WithMark,       // UTF-8 after the mark EF BB BF, as Windows editors write it
  kUtf16LittleEndian,  // after the mark FF FE
  kUtf16BigEndian,     // after the mark FE FF
};

struct DecodedProfile {
  std::string text;  // UTF-8 or the code page's bytes, without a byte-order mark
  ProfileEncoding encoding = ProfileEncoding::kPlain;
  // False for bytes behind a UTF-16 mark that are no UTF-16: kept as they are, but a change
  // could make them UTF-16 that reads as something else.
  bool writable = true;
};

// The text of a settings file's bytes, by its byte-order mark.
DecodedProfile DecodeProfile(std::string bytes);

// The bytes of `text` in `encoding`, its mark first.
std::string EncodeProfile(const std::string& text, ProfileEncoding encoding);

// Strict UTF-8: no invalid bytes, and no encoded surrogate halves, which UTF-16 would pair.
bool IsUtf8(std::string_view text);

}  // namespace tarnwick::platform
