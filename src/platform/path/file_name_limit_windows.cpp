#include "platform/path/file_name_limit.h"
#include "platform/text/unicode_text.h"

namespace tarnwick::platform {

bool FitsInFileName(std::string_view name) {
  constexpr size_t kMaxUnits = 255;
  // Each UTF-16 unit takes at least one byte of UTF-8, so a short name needs no conversion.
  return name.size() <= kMaxUnits || Utf8ToUtf16(name).size() <= kMaxUnits;
}

}  // namespace tarnwick::platform
