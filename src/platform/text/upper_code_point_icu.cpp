#include <unicode/uchar.h>

#include "platform/text/upper_code_point.h"

namespace tarnwick::platform {

char32_t UpperCodePoint(char32_t codePoint) {
  return static_cast<char32_t>(u_toupper(static_cast<UChar32>(codePoint)));
}

}  // namespace tarnwick::platform
